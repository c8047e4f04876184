#pragma once

// Which page of the manual explains which window: what F1 opens.

#include <QString>

class QWidget;

namespace zr::shell {

// The page (e.g. "editor.html") for a window name; empty for a name the manual does not know.
QString HelpTopicOf(const QString &windowName);
// The page for the window a widget sits in: the nearest of the widget and its parents whose
// name has a page; the contents page when none has.
QString HelpTopicFor(const QWidget *widget);

inline const QString kHelpContentsTopic = QStringLiteral("index.html");

} // namespace zr::shell
