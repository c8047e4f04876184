// The network port: the telnet layer on its own, then the port against a server in this process.

#include "datatable.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "networkserialport.h"
#include "telnetcodec.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace zr;

namespace {

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

// Reads from `socket` until `count` bytes came or a second passed.
QByteArray readBytes(QTcpSocket &socket, int count) {
    QByteArray got;
    while (got.size() < count && (socket.bytesAvailable() > 0 || socket.waitForReadyRead(1000)))
        got += socket.readAll();
    return got;
}

// Gathers what the port receives until `count` bytes came or the port stops delivering.
QByteArray gather(SerialPort &port, int count) {
    QByteArray got;
    while (got.size() < count && port.waitForData(1000))
        got += port.ReadAvailable();
    return got;
}

// A drive on the far side of a TCP connection that answers each 3-byte read after `delayMs`.
class SlowDrive {
public:
    explicit SlowDrive(int delayMs) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        ::bind(listener_, reinterpret_cast<sockaddr *>(&a), len);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr *>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this, delayMs] {
            const int fd = ::accept(listener_, nullptr, nullptr);
            unsigned char req[3];
            if (fd >= 0 && ::recv(fd, req, 3, MSG_WAITALL) == 3) {
                ::usleep(static_cast<useconds_t>(delayMs) * 1000);
                const unsigned char reply[6] = {req[0], req[1], req[2], 0x06, 0xA4, 0xAA};
                ::send(fd, reply, 6, MSG_NOSIGNAL);
                ::recv(fd, req, 1, 0); // until the port hangs up
            }
            if (fd >= 0)
                ::close(fd);
        });
    }
    ~SlowDrive() {
        ::shutdown(listener_, SHUT_RDWR); // ends a wait for a port that never came
        thread_.join();
        ::close(listener_);
    }
    QString url() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(port_); }

private:
    int listener_ = -1;
    quint16 port_ = 0;
    std::thread thread_;
};

} // namespace

class TestNetworkPort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void telnetDecode_data();
    void telnetDecode();
    void telnetPassesEveryByte();
    void openingAsksFor19200EightNoneOne();
    void addresses_data();
    void addresses();
    void bytesThroughTheConnection_data();
    void bytesThroughTheConnection();
    void refusedAndLostLikeAMissingDevice();
    void ser2netTurnsTheConnectionAway_data();
    void ser2netTurnsTheConnectionAway();
    void replyLimitHoldsOverTheNetwork_data();
    void replyLimitHoldsOverTheNetwork();
};

void TestNetworkPort::telnetDecode_data() {
    columns<bool, QList<QByteArray>, QByteArray, QByteArray, int>("opened", "chunks", "data",
                                                                  "replies", "baud");
    row("plain bytes pass", false, QList<QByteArray>{hex("010200800d00")}, hex("010200800d00"),
        QByteArray(), 0);
    row("doubled IAC is one FF", false, QList<QByteArray>{hex("ffff01ffff")}, hex("ff01ff"),
        QByteArray(), 0);
    row("IAC IAC split over two reads", false, QList<QByteArray>{hex("01ff"), hex("ff02")},
        hex("01ff02"), QByteArray(), 0);
    row("request split over three reads", false,
        QList<QByteArray>{hex("05ff"), hex("fb"), hex("0106")}, hex("0506"), hex("fffe01"), 0);
    // What ser2net's telnet(rfc2217) accepter sends first, met without our own requests.
    row("ser2net's greeting, unasked", false,
        QList<QByteArray>{hex("fffb03fffd03fffb01fffe01fffd00fffb00fffd2c")}, QByteArray(),
        hex("fffd03fffb03fffe01fffb00fffd00fffb2c"), 0);
    row("ser2net's greeting after our requests", true,
        QList<QByteArray>{hex("fffb03fffd03fffb01fffe01fffd00fffb00fffd2c")}, QByteArray(),
        hex("fffe01"), 0);
    row("refusal of what we asked is not answered", true, QList<QByteArray>{hex("fffc00fffe0001")},
        hex("01"), QByteArray(), 0);
    row("unknown option refused", false, QList<QByteArray>{hex("fffd18")}, QByteArray(),
        hex("fffc18"), 0);
    row("command without option dropped", false, QList<QByteArray>{hex("07fff108")}, hex("0708"),
        QByteArray(), 0);
    row("baud confirmed, FF inside, split", true,
        QList<QByteArray>{hex("fffa2c650000ffff"), hex("00fff0"), hex("07")}, hex("07"),
        QByteArray(), 0xFF00);
    row("modem state and line state dropped", true,
        QList<QByteArray>{hex("fffa2c6b00fff0fffa2c6a60fff0aa")}, hex("aa"), QByteArray(), 0);
}

void TestNetworkPort::telnetDecode() {
    QFETCH(bool, opened);
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, replies);
    QFETCH(int, baud);
    TelnetCodec codec;
    if (opened)
        codec.opening();
    QByteArray got;
    for (const QByteArray &chunk : chunks)
        got += codec.decode(chunk);
    QCOMPARE(got.toHex(), data.toHex());
    QCOMPARE(codec.takeReplies().toHex(), replies.toHex());
    QCOMPARE(codec.confirmedBaudRate(), quint32(baud));
}

// Every byte value, cut anywhere on the connection, arrives as it was sent.
void TestNetworkPort::telnetPassesEveryByte() {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    all += hex("ffff0dff00");
    const QByteArray wire = TelnetCodec::encode(all);
    QCOMPARE(wire.size(), all.size() + all.count(char(0xFF)));
    for (int cut = 0; cut <= wire.size(); ++cut) {
        TelnetCodec codec;
        QByteArray got = codec.decode(wire.left(cut));
        got += codec.decode(wire.mid(cut));
        QCOMPARE(got, all);
    }
}

void TestNetworkPort::openingAsksFor19200EightNoneOne() {
    TelnetCodec codec;
    QCOMPARE(codec.opening().toHex(' '),
             hex("fffb00 fffb03 fffb2c fffd00 fffd03"            // binary, no go-ahead, com port
                 "fffa2c0100004b00fff0 fffa2c0208fff0"           // 19200 baud, 8 data bits
                 "fffa2c0301fff0 fffa2c0401fff0 fffa2c0501fff0") // no parity, 1 stop, no flow
                 .toHex(' '));
}

void TestNetworkPort::addresses_data() {
    columns<QString, bool, bool, QString, int>("device", "valid", "telnet", "host", "port");
    row("raw", "tcp://plant-pc:3001", true, false, "plant-pc", 3001);
    row("telnet, IPv4", "rfc2217://10.0.0.7:2000", true, true, "10.0.0.7", 2000);
    row("IPv6 in brackets", "tcp://[::1]:4001", true, false, "::1", 4001);
    row("upper-case scheme", "RFC2217://host:1", true, true, "host", 1);
    row("no port", "tcp://plant-pc", false, false, "", 0);
    row("port 0", "tcp://plant-pc:0", false, false, "", 0);
    row("port too large", "tcp://plant-pc:70000", false, false, "", 0);
    row("a serial device", "/dev/ttyUSB0", false, false, "", 0);
}

void TestNetworkPort::addresses() {
    QFETCH(QString, device);
    QFETCH(bool, valid);
    QFETCH(bool, telnet);
    QFETCH(QString, host);
    QFETCH(int, port);
    const auto address = ParseNetworkAddress(device);
    QCOMPARE(address.has_value(), valid);
    PortMap map;
    QString why;
    QCOMPARE(map.applyOverride(QStringLiteral("2=") + device, &why),
             valid || !IsNetworkDevice(device));
    if (!valid)
        return;
    QCOMPARE(address->telnet, telnet);
    QCOMPARE(address->host, host);
    QCOMPARE(int(address->port), port);
    QCOMPARE(map.device(2), device);
}

void TestNetworkPort::bytesThroughTheConnection_data() {
    columns<bool, QList<QByteArray>, QByteArray, QByteArray>("telnet", "fromDrive", "toDrive",
                                                             "onTheWire");
    row("raw: every byte as it is", false, QList<QByteArray>{hex("0102ff"), hex("fffe00")},
        hex("81b800ffff39"), hex("81b800ffff39"));
    row("telnet: FF doubled both ways, IAC split", true,
        QList<QByteArray>{hex("0102ff"), hex("ff0d00ff"), hex("fffffb0101")}, hex("81b800ffff39"),
        hex("81b800ffffffff39"));
}

// What the drive sends arrives whole, in order and unescaped, however the connection cuts it;
// what the port sends reaches the far side as the connection carries it.
void TestNetworkPort::bytesThroughTheConnection() {
    QFETCH(bool, telnet);
    QFETCH(QList<QByteArray>, fromDrive);
    QFETCH(QByteArray, toDrive);
    QFETCH(QByteArray, onTheWire);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    NetworkSerialPort port(QStringLiteral("%1://127.0.0.1:%2")
                               .arg(telnet ? "rfc2217" : "tcp")
                               .arg(server.serverPort()));
    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    QVERIFY(server.waitForNewConnection(1000));
    QTcpSocket *drive = server.nextPendingConnection();
    TelnetCodec reference;
    const QByteArray opening = telnet ? reference.opening() : QByteArray();
    QCOMPARE(readBytes(*drive, int(opening.size())), opening);

    bool ok = false;
    QVERIFY(port.ReadAvailable(&ok).isEmpty());
    QVERIFY(ok);
    QByteArray expected;
    for (const QByteArray &chunk : fromDrive) {
        drive->write(chunk);
        QVERIFY(drive->waitForBytesWritten(1000));
        expected += telnet ? reference.decode(chunk) : chunk;
    }
    QCOMPARE(gather(port, int(expected.size())).toHex(), expected.toHex());

    QVERIFY(port.Write(toDrive));
    const QByteArray replies = telnet ? hex("fffe01") : QByteArray(); // the WILL ECHO refused
    QCOMPARE(readBytes(*drive, int(replies.size() + onTheWire.size())).toHex(),
             (replies + onTheWire).toHex());

    drive->write(hex("0102"));
    QVERIFY(drive->waitForBytesWritten(1000));
    QVERIFY(port.waitForData(1000));
    QVERIFY(port.DiscardInput());
    QVERIFY(port.ReadAvailable().isEmpty());
    QVERIFY(port.Close());
    QVERIFY(!port.waitForData(0));
}

// Nobody listening: the open fails as for a missing device. A connection closed by the far side:
// the port closes as for a vanished device, through the hardware port of the port map too, and
// opens again once someone listens.
void TestNetworkPort::refusedAndLostLikeAMissingDevice() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const quint16 number = server.serverPort();
    server.close();
    PortMap map;
    map.setDevice(1, QStringLiteral("tcp://127.0.0.1:%1").arg(number));
    HardwareSerialPort port(map);
    QVERIFY(!port.Open());
    QCOMPARE(port.lastFailure(), SerialPort::Failure::Missing);
    QVERIFY(!port.IsOpen());

    if (!server.listen(QHostAddress::LocalHost, number))
        QSKIP("the free port was taken meanwhile");
    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    QVERIFY(port.network() != nullptr);
    QVERIFY(port.network()->roundTripUs() >= 0);
    QVERIFY(server.waitForNewConnection(1000));
    QTcpSocket *drive = server.nextPendingConnection();
    drive->close();
    QVERIFY(!port.waitForData(1000));
    QVERIFY(!port.IsOpen());
    QVERIFY(port.deviceVanished());
    QCOMPARE(port.lastFailure(), SerialPort::Failure::Vanished);
    QString data;
    QCOMPARE(Transact(port, 1, addr::kRelease, false, true, data), LinkResult::Timeout);

    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    QVERIFY(!port.deviceVanished());
    QVERIFY(port.Close());
}

void TestNetworkPort::ser2netTurnsTheConnectionAway_data() {
    columns<QByteArray, int, QString>("says", "failure", "why");
    row("line taken", QByteArray("Port already in use\r\n"), int(SerialPort::Failure::Busy),
        "ser2net: Port already in use");
    row("device missing there", QByteArray("Device open failure: No such file or directory\r\n"),
        int(SerialPort::Failure::Missing), "ser2net: Device open failure: No such file");
    row("a drive's answer is no refusal", hex("0102000606a4"), int(SerialPort::Failure::None), "");
}

// The line ser2net sends before it closes a connection it cannot serve never reaches the link.
void TestNetworkPort::ser2netTurnsTheConnectionAway() {
    QFETCH(QByteArray, says);
    QFETCH(int, failure);
    QFETCH(QString, why);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    NetworkSerialPort port(QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort()));
    QVERIFY(port.Open());
    QVERIFY(server.waitForNewConnection(1000));
    QTcpSocket *bridge = server.nextPendingConnection();
    bridge->write(says);
    QVERIFY(bridge->waitForBytesWritten(1000));
    if (failure != int(SerialPort::Failure::None))
        bridge->close();
    bool ok = false;
    const QByteArray got = port.waitForData(1000) ? port.ReadAvailable(&ok) : QByteArray();
    QCOMPARE(int(port.lastFailure()), failure);
    QVERIFY2(port.lastError().contains(why), qPrintable(port.lastError()));
    QCOMPARE(got, failure == int(SerialPort::Failure::None) ? says : QByteArray());
    QCOMPARE(port.IsOpen(), failure == int(SerialPort::Failure::None));
}

void TestNetworkPort::replyLimitHoldsOverTheNetwork_data() {
    columns<int, int>("delayMs", "result");
    row("answer at once", 0, int(LinkResult::NoError));
    row("answer after 0.4 s", 400, int(LinkResult::Timeout));
}

// The 0.3 s limit counts the network's time as well.
void TestNetworkPort::replyLimitHoldsOverTheNetwork() {
    QFETCH(int, delayMs);
    QFETCH(int, result);
    SlowDrive drive(delayMs);
    NetworkSerialPort port(drive.url());
    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    QString data;
    QCOMPARE(int(Transact(port, 1, addr::kRelease, false, true, data)), result);
    port.Close();
}

QTEST_GUILESS_MAIN(TestNetworkPort)
#include "tst_networkport.moc"
