#pragma once

// Pictures of the main window's toolbar buttons, drawn by the program.

#include <QIcon>

namespace zr::shell {

// Icon of the toolbar button at position index (0 = btnCom ... 6 = btnExit).
QIcon ToolbarIcon(int index);

} // namespace zr::shell
