#include "tracingserialport.h"

namespace zr {

TracingSerialPort::TracingSerialPort(SerialPort &inner, Sink sink)
    : inner_(inner), sink_(std::move(sink)) {
    clock_.start();
}

TracingSerialPort::~TracingSerialPort() {
    flush();
}

QString TracingSerialPort::hex(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void TracingSerialPort::emitLine(double at, char direction, const QByteArray &bytes,
                                 const char *note) {
    QString line =
        QStringLiteral("%1 %2 %3").arg(at, 11, 'f', 6).arg(QLatin1Char(direction)).arg(hex(bytes));
    if (note)
        line += QStringLiteral("  (%1)").arg(QLatin1String(note));
    sink_(line);
}

void TracingSerialPort::flush() {
    if (!pendingRx_.isEmpty())
        emitLine(pendingRxAt_, '<', pendingRx_);
    pendingRx_.clear();
}

bool TracingSerialPort::forward(bool ok) {
    if (ok)
        clearError();
    else
        fail(inner_.lastError(), inner_.lastFailure());
    return ok;
}

bool TracingSerialPort::Open() {
    flush();
    const bool ok = inner_.Open();
    sink_(QStringLiteral("%1 port %2 %3")
              .arg(clock_.nsecsElapsed() / 1e9, 11, 'f', 6)
              .arg(GetPortNumber())
              .arg(ok ? QStringLiteral("opened")
                      : QStringLiteral("failed to open: ") + inner_.lastError()));
    return forward(ok);
}

bool TracingSerialPort::Close() {
    flush();
    return forward(inner_.Close());
}

bool TracingSerialPort::SetPortNumber(int n) {
    return forward(inner_.SetPortNumber(n));
}

bool TracingSerialPort::Write(const QByteArray &bytes) {
    // What waits now was received before this frame: it belongs to the earlier exchange, or is
    // thrown away by the transaction's discard.
    flush();
    emitLine(clock_.nsecsElapsed() / 1e9, '>', bytes);
    return forward(inner_.Write(bytes));
}

QByteArray TracingSerialPort::ReadAvailable(bool *ok) {
    bool innerOk = false;
    const QByteArray bytes = inner_.ReadAvailable(&innerOk);
    if (ok)
        *ok = innerOk;
    forward(innerOk);
    if (!bytes.isEmpty()) {
        if (pendingRx_.isEmpty())
            pendingRxAt_ = clock_.nsecsElapsed() / 1e9;
        pendingRx_ += bytes;
    }
    return bytes;
}

} // namespace zr
