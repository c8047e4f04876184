#include "simserialport.h"

#include <thread>

namespace zr::sim {

SimSerialPort::SimSerialPort(SimDrive &drive) : drive_(drive) {}

void SimSerialPort::setPortPresent(int n, bool present) {
    if (n >= 1 && n <= 4)
        present_[static_cast<size_t>(n - 1)] = present;
}

void SimSerialPort::setPortBusy(int n, bool busy) {
    if (n >= 1 && n <= 4)
        busy_[static_cast<size_t>(n - 1)] = busy;
}

void SimSerialPort::setPortDenied(int n, bool denied) {
    if (n >= 1 && n <= 4)
        denied_[static_cast<size_t>(n - 1)] = denied;
}

bool SimSerialPort::Open() {
    const auto i = static_cast<size_t>(GetPortNumber() - 1);
    if (open_)
        return fail(QStringLiteral("the port is already open"));
    if (!present_[i] || (onDriveLine() && drive_.vanished()))
        return fail(QStringLiteral("port %1 does not exist").arg(GetPortNumber()),
                    Failure::Missing);
    if (denied_[i])
        return fail(QStringLiteral("port %1: permission denied").arg(GetPortNumber()),
                    Failure::Permission);
    if (busy_[i])
        return fail(QStringLiteral("port %1 is taken by another program").arg(GetPortNumber()),
                    Failure::Busy);
    open_ = true;
    ++opens_;
    clearError();
    return true;
}

bool SimSerialPort::Close() {
    if (!open_)
        return fail(QStringLiteral("the port is not open"));
    open_ = false;
    clearError();
    return true;
}

// A vanished line closes the port, as an unplugged adapter does.
bool SimSerialPort::checkLine() {
    if (open_ && onDriveLine() && drive_.vanished()) {
        open_ = false;
        return fail(QStringLiteral("the serial device went away"), Failure::Vanished);
    }
    return open_ || fail(QStringLiteral("the port is not open"));
}

bool SimSerialPort::Write(const QByteArray &bytes) {
    if (!checkLine())
        return false;
    ++writes_;
    if (onDriveLine())
        drive_.receive(bytes, now());
    checkLine();
    clearError();
    return true;
}

QByteArray SimSerialPort::ReadAvailable(bool *ok) {
    if (ok)
        *ok = false;
    if (!checkLine())
        return {};
    QByteArray bytes = injected_;
    injected_.clear();
    if (onDriveLine())
        bytes += drive_.takeDue(now());
    if (ok)
        *ok = true;
    clearError();
    return bytes;
}

bool SimSerialPort::waitForData(int msecs) {
    if (!checkLine())
        return false;
    if (!injected_.isEmpty())
        return true;
    const TimePoint deadline = now() + std::chrono::milliseconds(msecs);
    const TimePoint due = onDriveLine() ? drive_.nextDue() : TimePoint::max();
    if (ownTime_)
        time_ = std::max(time_, std::min(deadline, due));
    else
        std::this_thread::sleep_until(std::min(deadline, due));
    return due <= now();
}

qint64 SimSerialPort::clockNs() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now().time_since_epoch()).count();
}

void SimSerialPort::useOwnTime(bool on) {
    if (on && !ownTime_)
        time_ = Clock::now();
    ownTime_ = on;
}

} // namespace zr::sim
