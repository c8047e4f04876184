#pragma once

#include "portmap.h"
#include "serialport.h"

#include <QSerialPort>

namespace zr {

// SerialPort over a real serial device (or a pseudo-terminal), through QSerialPort.
// On Linux the low-latency flag is set when the port opens, and a device that vanishes while open
// (adapter unplugged, pseudo-terminal closed) closes the port; it can be opened again later.
class HardwareSerialPort final : public SerialPort {
public:
    explicit HardwareSerialPort(PortMap map = PortMap::fromSystem());
    ~HardwareSerialPort() override;

    bool IsOpen() const override;
    bool Open() override;
    bool Close() override;
    bool Write(const QByteArray &bytes) override;
    QByteArray ReadAvailable(bool *ok = nullptr) override;
    bool waitForData(int msecs) override;

    const PortMap &portMap() const { return map_; }
    // The device the port is open on (empty while closed).
    QString deviceName() const;
    QString deviceFor(int portNumber) const override;
    // A USB adapter's latency timer in ms as read on open, or -1 where there is none.
    // Above 2 ms it stretches every transaction (16 ms triples a program download).
    int latencyTimerMs() const { return latencyTimerMs_; }
    // True once an open port lost its device; cleared by the next successful Open().
    bool deviceVanished() const { return vanished_; }

private:
    void markVanished(const QString &why);
    bool pollReadable(int msecs);

    PortMap map_;
    QSerialPort port_;
    int latencyTimerMs_ = -1;
    bool vanished_ = false;
};

// Reads the latency timer of the USB serial adapter behind `device`; -1 when it has none.
int ReadUsbLatencyTimer(const QString &device);

} // namespace zr
