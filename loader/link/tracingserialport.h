#pragma once

#include "serialport.h"

#include <QElapsedTimer>

#include <functional>

namespace zr {

// Passes every operation to another port and logs the traffic as hex, one line a frame:
// "   0.004512 > 01 02 80" for bytes sent, "   0.009210 < 01 02 80 06 A4 AA" for bytes received.
// Bytes received in several pieces are joined into one line, written before the next frame goes
// out (so leftovers a transaction throws away appear with the reply they followed).
class TracingSerialPort final : public SerialPort {
public:
    using Sink = std::function<void(const QString &line)>;
    TracingSerialPort(SerialPort &inner, Sink sink);
    ~TracingSerialPort() override;

    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Open() override;
    bool Close() override;
    bool SetPortNumber(int n) override;
    int GetPortNumber() const override { return inner_.GetPortNumber(); }
    bool Write(const QByteArray &bytes) override;
    QByteArray ReadAvailable(bool *ok = nullptr) override;
    bool waitForData(int msecs) override { return inner_.waitForData(msecs); }
    qint64 clockNs() const override { return inner_.clockNs(); }
    QString deviceFor(int portNumber) const override { return inner_.deviceFor(portNumber); }

    // The port the traffic goes through.
    const SerialPort &inner() const { return inner_; }
    // Writes out bytes received since the last frame went out.
    void flush();

    static QString hex(const QByteArray &bytes);

private:
    void emitLine(double at, char direction, const QByteArray &bytes, const char *note = nullptr);
    bool forward(bool ok);

    SerialPort &inner_;
    Sink sink_;
    QElapsedTimer clock_;
    QByteArray pendingRx_;
    double pendingRxAt_ = 0;
};

} // namespace zr
