#pragma once

// ZR_LOADER_SERIAL_STATE, the link settings page: drive number, link on/off, and a 200 ms poll
// that hunts ports 1 to 4 for the drive and shows the port, the drive's release and the result.

#include "form.h"

#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

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

    // Two reads of the status word.
    void callstatus();
    // Value-changed handler of CWButton1.
    void CWButton1_ValueChanged(bool on);
    // One tick of the poll.
    void Timer1_Timer();

    ToggleSwitch *CWButton1 = nullptr;
    QTimer *Timer1 = nullptr;
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

    qint16 PortNumber = 0;

private:
    void Combo1_Click();
    void Stato_Change();
    bool letEventsRun(const QPointer<SerialStateWindow> &self, quint64 flips);
    void showHint(const QString &text);
    void showLatencyWarning();

    // Counts the changes of CWButton1's value, so a routine that let window events run notices a
    // change made meanwhile.
    quint64 switchFlips_ = 0;
};

} // namespace zr::shell
