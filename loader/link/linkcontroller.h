#pragma once

// The drive link as the windows share it: the on/off switch and what follows a change of it,
// the 200 ms poll that hunts ports 1 to 4 for the drive, and the toolbar rules that follow the
// drive's status. The link page shows it; every other window asks it.

#include "linkstate.h"

#include <QObject>
#include <QString>

class QTimer;

namespace zr {

class SerialPort;

// The toolbar buttons whose state follows the link.
enum class LinkButton { Com, Down, Front };

class LinkController final : public QObject {
    Q_OBJECT
public:
    LinkController(SerialPort &port, LinkState &state, QObject *parent = nullptr);

    // The switch. A change of its value runs the change handler: two status reads (callstatus),
    // one more, then the poll and the toolbar buttons follow the status; `LinkEnabledSaved`
    // keeps the value. Setting the value it already has does nothing.
    bool linkEnabled() const { return enabled_; }
    void setLinkEnabled(bool on);
    // The change handler with `LinkEnabledSaved`, as after a transfer.
    void runSwitchHandler(bool on);
    // Two reads of the status word.
    void callstatus();

    // The poll: one tick every 200 ms while the link is on and the page is there.
    QTimer *pollTimer() const { return timer_; }
    void pollTick();

    // The page came or went: a new page starts from port 1 with an empty status; a page that
    // goes turns the switch off without running the handler, stops the poll and clears
    // `TransferDone`.
    void pageLoaded();
    void pageUnloaded();

    // What the page shows: the status text (" " or the last result), whether it is good, the
    // release ("X" when unknown, "0" when off) and the port.
    QString statusText() const { return statusText_; }
    bool statusGood() const { return statusGood_; }
    QString releaseText() const { return releaseText_; }
    QString portText() const { return portText_; }
    // True when the last tick failed because the port did not open.
    bool portFailed() const { return portFailed_; }
    int portNumber() const { return portNumber_; }

    // The link counts as usable when the page shows "No error" or the last poll got an answer.
    bool linkUsable() const;

signals:
    // The switch's value changed (by the user, another window or the handler).
    void linkEnabledChanged(bool on);
    // Status, release, port or their colour changed.
    void viewChanged();
    // A toolbar button is to be enabled or disabled.
    void buttonRule(zr::LinkButton button, bool enabled);

private:
    bool letEventsRun(quint64 flips);
    void setStatus(const QString &text, bool good);
    void setButtons(bool com, bool down, bool front);

    SerialPort &port_;
    LinkState &state_;
    QTimer *timer_ = nullptr;
    bool enabled_ = false;
    // Counts the changes of the switch, so that a routine that let window events run notices a
    // change made meanwhile: the newer change has the last word.
    quint64 flips_ = 0;
    qint16 portNumber_ = 0;
    QString statusText_ = QStringLiteral(" ");
    bool statusGood_ = false;
    QString releaseText_;
    QString portText_;
    bool portFailed_ = false;
};

} // namespace zr
