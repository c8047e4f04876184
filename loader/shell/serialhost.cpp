#include "serialhost.h"

#include "shell.h"

namespace zr::shell {

SerialHostWindow::SerialHostWindow(Shell &shell, QWidget *parent)
    : Form(shell, kSerialHost, parent) {
    setAttribute(Qt::WA_DontShowOnScreen);
}

} // namespace zr::shell
