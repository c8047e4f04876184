#include "linkcontroller.h"

#include "serialport.h"

#include <QCoreApplication>
#include <QTimer>

namespace zr {

namespace {
// The status box's text before the page has shown anything.
const QString kStatusAtDesign = QStringLiteral("Seriale");
const QString kStatusEmpty = QStringLiteral(" ");

qint16 numberIn(const QString &text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? static_cast<qint16>(v) : 0;
}
} // namespace

LinkController::LinkController(SerialPort &port, LinkState &state, QObject *parent)
    : QObject(parent), port_(port), state_(state), timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &LinkController::pollTick);
    statusText_ = kStatusAtDesign;
}

bool LinkController::linkUsable() const {
    return statusText_ == kNoError || IsSet(state_.LinkOk);
}

// Every routine here that lets window events run may see the switch flipped meanwhile; the
// handler of that flip has then done its work and has the last word, so the routine stops where
// it is instead of writing its older view of the link back.
bool LinkController::letEventsRun(quint64 flips) {
    QCoreApplication::processEvents();
    return flips_ == flips;
}

void LinkController::setLinkEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    ++flips_;
    emit linkEnabledChanged(on);
    runSwitchHandler(on);
}

void LinkController::callstatus() {
    const quint64 flips = flips_;
    QString text; // one text for both rounds: a timeout keeps the first round's value
    for (int round = 0; round < 2; ++round) {
        if (!timer_->isActive())
            timer_->start();
        state_.CommResult = Transact(port_, state_.DriveAddress, addr::kStatus, false, true, text);
        state_.StatusFlag14 = StatusBit14(text);
        if (!letEventsRun(flips))
            return;
    }
}

void LinkController::runSwitchHandler(bool on) {
    const quint64 flips = flips_;
    callstatus();
    if (flips_ != flips)
        return;
    QString text2;
    state_.CommResult = Transact(port_, state_.DriveAddress, addr::kStatus, false, true, text2);
    state_.StatusFlag14 = StatusBit14(text2);
    if (!letEventsRun(flips))
        return;
    if (on) {
        if (!timer_->isActive())
            timer_->start();
        setButtons(true, true, state_.StatusFlag14 == addr::kStatusBit14);
    } else {
        setButtons(false, false, false);
        timer_->stop();
        // The handler's own reset of the status is no change the poll made: it does not run the
        // handler again.
        statusText_ = kStatusEmpty;
        statusGood_ = false;
        releaseText_ = QStringLiteral("0");
        portText_ = QStringLiteral("0");
        portFailed_ = false;
        state_.LinkOk = kFalse;
    }
    state_.LinkEnabledSaved = Flag(enabled_);
    emit viewChanged();
}

void LinkController::setButtons(bool com, bool down, bool front) {
    emit buttonRule(LinkButton::Com, com);
    emit buttonRule(LinkButton::Down, down);
    emit buttonRule(LinkButton::Front, front);
}

// A new status text runs the switch handler again after a transfer, so that the toolbar follows
// the drive's status once more.
void LinkController::setStatus(const QString &text, bool good) {
    statusGood_ = good;
    if (text == statusText_)
        return;
    statusText_ = text;
    emit viewChanged();
    if (IsSet(state_.TransferDone))
        runSwitchHandler(IsSet(state_.LinkEnabledSaved));
}

void LinkController::pageLoaded() {
    portNumber_ = 0;
    setStatus(kStatusEmpty, false);
}

void LinkController::pageUnloaded() {
    // A page that comes back starts with its switch off, as a new page does; a routine that let
    // window events run stops where it is.
    enabled_ = false;
    ++flips_;
    timer_->stop();
    state_.TransferDone = kFalse;
    statusText_ = kStatusAtDesign;
    statusGood_ = false;
    releaseText_.clear();
    portText_.clear();
    portFailed_ = false;
}

void LinkController::pollTick() {
    const quint64 flips = flips_;
    if (portNumber_ > SerialPort::kLastPort)
        portNumber_ = SerialPort::kLastPort;
    if (portNumber_ < SerialPort::kFirstPort)
        portNumber_ = SerialPort::kFirstPort;

    // Any failing step of the port counts as a failed poll.
    bool ok = true;
    bool openFailed = false;
    if (port_.IsOpen())
        ok = port_.Close();
    ok = ok && port_.SetPortNumber(portNumber_);
    if (ok && !letEventsRun(flips))
        return;
    if (ok && !port_.IsOpen()) {
        ok = port_.Open();
        openFailed = !ok;
    }
    ok = ok && port_.DiscardInput();
    if (ok) {
        QString text;
        state_.CommResult = Transact(port_, state_.DriveAddress, addr::kRelease, false, true, text);
        state_.DriveRelease = numberIn(text);
        if (text.trimmed().isEmpty())
            ok = false;
        else
            releaseText_ = FormatRelease(text);
    }
    portFailed_ = openFailed;
    if (ok && state_.CommResult == LinkResult::NoError) {
        portText_ = QString::number(portNumber_);
        setStatus(ResultText(state_.CommResult), true);
        if (flips_ != flips)
            return;
        state_.LinkOk = kTrue;
        emit viewChanged();
        return;
    }

    // The next port, from 4 back to 1, and the result of the last transaction.
    portNumber_ = portNumber_ >= SerialPort::kLastPort ? SerialPort::kFirstPort
                                                       : static_cast<qint16>(portNumber_ + 1);
    portText_ = QString::number(portNumber_);
    setStatus(ResultText(state_.CommResult), false);
    if (flips_ != flips)
        return;
    releaseText_ = QStringLiteral("X");
    state_.LinkOk = kFalse;
    emit viewChanged();
}

} // namespace zr
