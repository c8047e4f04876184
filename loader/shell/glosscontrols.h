#pragma once

// Controls of the GlossKit library, created by their ProgIDs. Without the library in the build
// these give nullptr and the windows go without the control.

#include <QString>

class QWidget;

namespace zr::shell {

QWidget *CreateGlossControl(const QString &progId, QWidget *parent, const QString &name);

} // namespace zr::shell
