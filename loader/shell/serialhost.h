#pragma once

// ZR_LOADER_SERIAL: the never-shown window that hosts the serial port for the whole run.

#include "form.h"

namespace zr::shell {

class SerialHostWindow final : public Form {
    Q_OBJECT
public:
    explicit SerialHostWindow(Shell &shell, QWidget *parent = nullptr);
};

} // namespace zr::shell
