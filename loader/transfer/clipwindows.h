#pragma once

// ZR_LOADER_MAIN_AVIUP and ZR_LOADER_MAIN_AVIDOWN: small windows that play the file-move clip.

#include "form.h"

class QLabel;
class QMovie;

namespace zr::transfer {

// The file-move clip beside the program.
QString ClipPath(const QString &programDir);

class ClipWindow final : public shell::Form {
    Q_OBJECT
public:
    ClipWindow(shell::Shell &shell, const QString &name, QWidget *parent = nullptr);
    void Form_Load() override;

private:
    QLabel *Picture1 = nullptr;
    QLabel *anmAVI = nullptr;
    QMovie *clip_ = nullptr;
};

} // namespace zr::transfer
