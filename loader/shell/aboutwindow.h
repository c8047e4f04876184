#pragma once

// ZR_LOADER_INFO, the About page.

#include "form.h"

class QPushButton;

namespace zr::shell {

class AboutWindow final : public Form {
    Q_OBJECT
public:
    explicit AboutWindow(Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;

private:
    void Command1_Click();

    QPushButton *Command1 = nullptr;
};

} // namespace zr::shell
