#pragma once

#include "networkserialport.h"
#include "portmap.h"
#include "serialport.h"

#include <QSerialPort>

#include <memory>

namespace zr {

// SerialPort over a real serial device (or a pseudo-terminal), through QSerialPort.
// On Linux the low-latency flag is set when the port opens, and a device that vanishes while open
// (adapter unplugged, pseudo-terminal closed) closes the port; it can be opened again later.
// A port number whose device is a network address (tcp://, rfc2217://) opens a
// NetworkSerialPort instead and passes every operation to it; a lost connection counts as a
// vanished device.
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
    // The network port of the last open on a network address, else null (kept after it closes,
    // with its last round trip).
    const NetworkSerialPort *network() const { return network_.get(); }

private:
    void markVanished(const QString &why);
    bool notOpen();
    bool pollReadable(int msecs);
    bool onNetwork() const { return network_ && network_->IsOpen(); }
    bool fromNetwork(bool ok);
    bool openNetwork(const QString &device);

    PortMap map_;
    QSerialPort port_;
    std::unique_ptr<NetworkSerialPort> network_;
    int latencyTimerMs_ = -1;
    bool vanished_ = false;
};

// The hardware port `port` is, or traces (TracingSerialPort); null for any other port.
const HardwareSerialPort *HardwarePortOf(const SerialPort &port);

// Reads the latency timer of the USB serial adapter behind `device`; -1 when it has none.
int ReadUsbLatencyTimer(const QString &device);

} // namespace zr
