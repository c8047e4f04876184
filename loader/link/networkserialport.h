#pragma once

#include "portmap.h"
#include "serialport.h"
#include "telnetcodec.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <optional>

namespace zr {

// SerialPort over a TCP connection to a serial bridge (ser2net on the PC beside the drive).
// Open() connects, Close() disconnects; bytes are sent at once (no Nagle delay). A connection
// refused or not made within kConnectTimeoutMs fails the open as a missing device would; a
// connection lost while open closes the port as a vanished device does, and it can be opened
// again. Reading and waiting block on the socket, never spin.
//
// Round trips are measured as they happen: the network and the bridge add theirs to the drive's
// reply time, which the 0.3 s limit bounds as on a serial line, so a link too slow for it gives
// "Timeout error" as a serial line would.
class NetworkSerialPort final : public SerialPort {
public:
    static constexpr int kConnectTimeoutMs = 1000;
    // A round trip from which the link page warns: a third of the drive's 0.3 s reply limit, as a
    // network's round trip can easily vary threefold. A serial line answers a read in 5 ms.
    static constexpr int kSlowRoundTripMs = 100;

    explicit NetworkSerialPort(QString device);
    ~NetworkSerialPort() override;

    bool IsOpen() const override { return open_; }
    bool Open() override;
    bool Close() override;
    bool Write(const QByteArray &bytes) override;
    QByteArray ReadAvailable(bool *ok = nullptr) override;
    bool waitForData(int msecs) override;
    QString deviceFor(int) const override { return device_; }

    const QString &device() const { return device_; }
    // True once an open connection was lost; cleared by the next successful Open().
    bool connectionLost() const { return lost_; }
    // The last round trip in microseconds (-1 before the first connection): the time the
    // connection took to be made, then that of each answer from its request to its first byte.
    qint64 roundTripUs() const { return roundTripUs_; }
    // What ser2net said when it turned the connection away, before any drive byte came: another
    // client holds the line (the open port closes as Failure::Busy), or it cannot open its serial
    // device (Failure::Missing). None until then; cleared by the next successful Open().
    enum class Refusal { None, InUse, NoDevice };
    Refusal bridgeRefusal() const { return refusal_; }
    // The line settings an rfc2217 bridge confirmed (0 until it has).
    quint32 confirmedBaudRate() const { return telnet_.confirmedBaudRate(); }

private:
    bool connect();
    bool pull(int msecs);
    bool send(const QByteArray &raw);
    void markLost(const QString &why);
    void noteArrival();
    bool refused(const QByteArray &data);

    QString device_;
    std::optional<NetworkAddress> address_;
    QList<QHostAddress> resolved_; // the host's addresses, looked up once
    QTcpSocket socket_;
    TelnetCodec telnet_;
    QByteArray received_; // drive bytes not yet read
    bool open_ = false;
    bool lost_ = false;
    bool answered_ = false; // a drive byte came on this connection
    Refusal refusal_ = Refusal::None;
    qint64 sentAtNs_ = -1; // when the last request went out, until its answer starts
    qint64 roundTripUs_ = -1;
};

} // namespace zr
