#pragma once

// Makes CurrentPage the page shown in the main window: unloads the other working windows,
// places the chosen one below the toolbar and shows it. Failing steps are skipped.

#include <QPointF>

class QWidget;

namespace zr::shell {

class Shell;
struct MainFrame;

// Left and top, in twips, of a window width x height placed in m: centred horizontally, and
// vertically in the part below the toolbar. Computed in single precision.
QPointF PlacementInMain(const MainFrame &m, float width, float height);

void PlaceInMainWindow(Shell &shell, QWidget *w);

void PageSwitcher(Shell &shell);

} // namespace zr::shell
