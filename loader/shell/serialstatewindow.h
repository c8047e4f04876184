#pragma once

// ZR_LOADER_SERIAL_STATE, the link settings page: drive number and link on/off, and what the
// link's 200 ms poll finds while it hunts ports 1 to 4 for the drive: the port, the drive's
// release and the result. The link (LinkController) does the work; the page shows it.

#include "form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zr::shell {

class ToggleSwitch;

class SerialStateWindow final : public Form {
    Q_OBJECT
public:
    explicit SerialStateWindow(Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void ApplyLanguage(int lang) override;

private:
    void Combo1_Click();
    // Shows the link's state: switch, status and its colour, release, port and the hint.
    void showLink();
    void showHint(const QString &text);

    ToggleSwitch *CWButton1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *numcom = nullptr;
    QLabel *SOFTREL = nullptr;
    QLineEdit *Stato = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame5 = nullptr;
    // Why the port did not open, or a slow USB adapter; empty otherwise.
    QLabel *linkHint = nullptr;
};

} // namespace zr::shell
