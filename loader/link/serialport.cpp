#include "serialport.h"

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

} // namespace zr
