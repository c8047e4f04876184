#pragma once

// Controls of the GlossKit library, created by their ProgIDs. Without the library in the build
// these give nullptr and the windows go without the control.

#include <QString>

class QWidget;

namespace zr::shell {

QWidget *CreateGlossControl(const QString &progId, QWidget *parent, const QString &name);

// The window's backdrop GlossScreen1: a GlossScreen over the whole window, behind every other
// control.
void AddGlossBackdrop(QWidget *window);

} // namespace zr::shell
