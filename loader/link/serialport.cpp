#include "serialport.h"

#include <chrono>

namespace zr {

bool SerialPort::SetPortNumber(int n) {
    if (IsOpen())
        return fail(QStringLiteral("the port number can only change while the port is closed"));
    if (n < kFirstPort || n > kLastPort)
        return fail(QStringLiteral("port number %1 is not in 1..4").arg(n));
    portNumber_ = n;
    clearError();
    return true;
}

bool SerialPort::DiscardInput() {
    bool ok = false;
    ReadAvailable(&ok);
    return ok;
}

qint64 SerialPort::clockNs() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace zr
