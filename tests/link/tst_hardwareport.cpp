// The real serial port over a pseudo-terminal whose other end the test holds.

#include "datatable.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace zr;

namespace {

// The far end of the line: a pseudo-terminal master, reached by the port through a symlink.
class FarEnd {
public:
    explicit FarEnd(const QString &link) : link_(link) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        QFile::remove(link_);
        QFile::link(QString::fromLocal8Bit(::ptsname(master_)), link_);
    }
    ~FarEnd() { hangUp(); }
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    void send(const QByteArray &b) {
        QCOMPARE(::write(master_, b.constData(), static_cast<size_t>(b.size())),
                 static_cast<ssize_t>(b.size()));
    }
    // The line settings as the far end sees them (a pseudo-terminal pair shares one set).
    termios settings() const {
        termios t{};
        ::tcgetattr(master_, &t);
        return t;
    }
    QByteArray receive(int want) {
        QByteArray got;
        char buf[512];
        while (got.size() < want) {
            pollfd pfd{master_, POLLIN, 0};
            if (::poll(&pfd, 1, 2000) <= 0)
                break;
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, static_cast<int>(n));
        }
        return got;
    }

private:
    QString link_;
    int master_ = -1;
};

QByteArray everyByte() {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    return all;
}

QByteArray readUntil(SerialPort &port, int want) {
    QByteArray got;
    for (int i = 0; i < 100 && got.size() < want; ++i) {
        port.waitForData(50);
        got += port.ReadAvailable();
    }
    return got;
}

} // namespace

class TestHardwarePort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void rawLineCarriesEveryByte();
    void vanishedDeviceClosesThePortAndCanBeReopened();
    void openFailureSaysWhy_data();
    void openFailureSaysWhy();

private:
    QTemporaryDir dir_;
    QString link_;
    PortMap map_;
};

void TestHardwarePort::init() {
    link_ = dir_.filePath(QStringLiteral("line"));
    map_ = PortMap();
    map_.setDevice(1, link_);
}

// 19200 baud, 8N1, no flow control, no translation of any byte, in either direction.
void TestHardwarePort::rawLineCarriesEveryByte() {
    FarEnd far(link_);
    HardwareSerialPort port(map_);
    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    const termios t = far.settings();
    QCOMPARE(cfgetispeed(&t), speed_t(B19200));
    QCOMPARE(cfgetospeed(&t), speed_t(B19200));
    QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP), tcflag_t(0));
    QCOMPARE(t.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
    QCOMPARE(t.c_oflag & OPOST, tcflag_t(0));
    bool ok = false;
    QVERIFY(port.ReadAvailable(&ok).isEmpty());
    QVERIFY(ok);
    QVERIFY(port.Write(everyByte()));
    QCOMPARE(far.receive(256), everyByte());
    far.send(everyByte());
    QCOMPARE(readUntil(port, 256), everyByte());
}

void TestHardwarePort::vanishedDeviceClosesThePortAndCanBeReopened() {
    HardwareSerialPort port(map_);
    {
        FarEnd far(link_);
        QVERIFY(port.Open());
        far.hangUp();
        // A wait on a hung-up line ends at once and closes the port instead of spinning.
        QVERIFY(!port.waitForData(2000));
        QVERIFY(!port.IsOpen());
        QVERIFY(port.deviceVanished());
        QString data = QStringLiteral("kept");
        QString result;
        DriveTransaction(port, 1, 0x0200, false, true, data, result);
        QCOMPARE(result, kTimeoutError);
        QCOMPARE(data, QStringLiteral("kept"));
    }
    FarEnd back(link_);
    QVERIFY2(port.Open(), qPrintable(port.lastError()));
    QVERIFY(!port.deviceVanished());
    back.send("ok");
    QCOMPARE(readUntil(port, 2), QByteArray("ok"));
}

void TestHardwarePort::openFailureSaysWhy_data() {
    QTest::addColumn<QString>("device"); // "" none mapped, "missing", "denied"
    QTest::addColumn<int>("failure");
    row("no device for the port", "", int(SerialPort::Failure::NoDevice));
    row("device missing", "missing", int(SerialPort::Failure::Missing));
    if (::geteuid() != 0) // root opens any device
        row("no permission", "denied", int(SerialPort::Failure::Permission));
}

void TestHardwarePort::openFailureSaysWhy() {
    QFETCH(QString, device);
    PortMap map;
    if (device == "missing")
        map.setDevice(1, dir_.filePath(QStringLiteral("ttyUSB9")));
    if (device == "denied") {
        QFile f(dir_.filePath(QStringLiteral("ttyS9")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.setPermissions(QFileDevice::ReadOwner);
        map.setDevice(1, f.fileName());
    }
    HardwareSerialPort port(map);
    QVERIFY(!port.Open());
    QTEST(int(port.lastFailure()), "failure");
    QVERIFY(!port.lastError().isEmpty());
}

QTEST_GUILESS_MAIN(TestHardwarePort)
#include "tst_hardwareport.moc"
