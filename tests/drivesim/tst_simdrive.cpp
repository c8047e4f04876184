// The simulated drive behind the in-process port: its fault modes, drive numbers and port rules,
// as DriveTransaction sees them. Its memory effects (the completion words) are held by the
// transfer tests that rely on them.

#include "datatable.h"
#include "driveprotocol.h"
#include "simdrive.h"
#include "simserialport.h"
#include "tracingserialport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zr;
using namespace zr::sim;

namespace {
struct Outcome {
    QString result;
    QString data;
};

Outcome transact(SerialPort &port, int drive, int address, bool isWrite, bool ram,
                 QString data = {}) {
    Outcome o{{}, data};
    DriveTransaction(port, drive, address, isWrite, ram, o.data, o.result);
    return o;
}

Outcome readRam(SerialPort &port, int address) {
    return transact(port, 1, address, false, true);
}
} // namespace

class TestSimDrive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void faultModes_data();
    void faultModes();
    void vanishClosesThePortUntilTheLineReturns();
    void driveNumbers_data();
    void driveNumbers();
    void pacedRepliesAndDamagedRequests();
    void portRules();
    void parameterFileLoading();
    void faultSpecs_data();
    void faultSpecs();
    void traceShowsOneLineAFrame();
};

// One read of RAM 0x0300 (0x1234) under each fault, on the line's own time: the result, the value
// afterwards (a timeout leaves it as it was) and the time the transaction took, which a timeout
// holds to the 0.3 s limit and no fault stretches beyond it.
void TestSimDrive::faultModes_data() {
    columns<QString, QString, QString>("fault", "result", "data");
    row("none", "", kNoError, "4660");
    row("noreply", "noreply", kTimeoutError, "before");
    row("partial", "partial", kTimeoutError, "before");
    row("trickle", "trickle", kNoError, "4660");
    row("echo", "echo", kEchoError, "4660");
    row("checksum", "checksum", kChecksumError, "4660");
    row("extra", "extra", kNoError, "4660");
    row("late", "late", kTimeoutError, "before");
    row("garbage (reply shifted by one)", "garbage", kChecksumError, "18");
    row("silence after 0", "silence", kTimeoutError, "before");
    row("vanish", "vanish", kTimeoutError, "before");
}

void TestSimDrive::faultModes() {
    QFETCH(QString, fault);
    QFETCH(QString, result);
    SimDrive drive;
    drive.setRam(0x0300, 0x1234);
    if (!fault.isEmpty())
        drive.addFault(*ParseFault(fault));
    SimSerialPort port(drive);
    port.useOwnTime(true);
    QVERIFY(port.Open());
    const qint64 start = port.clockNs();
    const Outcome o = transact(port, 1, 0x0300, false, true, QStringLiteral("before"));
    const qint64 ms = (port.clockNs() - start) / 1000000;
    QCOMPARE(o.result, result);
    QTEST(o.data, "data");
    // A timeout waits out the limit, except on a port that closed (nothing can arrive there).
    if (result == kTimeoutError && fault != QLatin1String("vanish"))
        QVERIFY2(ms >= kReplyTimeoutMs && ms <= kReplyTimeoutMs + 5,
                 qPrintable(QString::number(ms)));
    else
        QVERIFY2(ms < kReplyTimeoutMs, qPrintable(QString::number(ms)));
}

void TestSimDrive::vanishClosesThePortUntilTheLineReturns() {
    SimDrive drive;
    drive.addFault(*ParseFault(QStringLiteral("vanish:after=1")));
    SimSerialPort port(drive);
    QVERIFY(port.Open());
    QCOMPARE(readRam(port, 0x0200).result, kNoError);
    QCOMPARE(readRam(port, 0x0200).result, kTimeoutError);
    QVERIFY(!port.IsOpen());
    QVERIFY(!port.Open());
    drive.restoreLine();
    drive.clearFaults();
    QVERIFY(port.Open());
    QCOMPARE(readRam(port, 0x0200).data, QStringLiteral("1700"));
}

void TestSimDrive::driveNumbers_data() {
    columns<int, QString, bool>("number", "readResult", "writeTakesEffect");
    row("own number", 5, kNoError, true);
    row("number 0 reaches any drive", 0, kNoError, true);
    row("broadcast is carried out unanswered", 63, kTimeoutError, true);
    row("another drive", 6, kTimeoutError, false);
}

void TestSimDrive::driveNumbers() {
    QFETCH(int, number);
    SimDrive drive;
    drive.setDriveNumber(5);
    SimSerialPort port(drive);
    port.useOwnTime(true);
    port.Open();
    QTEST(transact(port, number, 0x0200, false, true).result, "readResult");
    transact(port, number, 0x0300, true, true, QStringLiteral("77"));
    QTEST(drive.ram(0x0300) == 77, "writeTakesEffect");
}

// At 19200 baud the replies still come within the limit; a request with a wrong checksum is
// ignored.
void TestSimDrive::pacedRepliesAndDamagedRequests() {
    SimDrive drive;
    drive.setBaud(19200);
    drive.setTurnaround(std::chrono::microseconds(200));
    SimSerialPort port(drive);
    port.Open();
    QCOMPARE(readRam(port, 0x0200).data, QStringLiteral("1700"));
    QCOMPARE(transact(port, 1, 0x0301, true, true, QStringLiteral("&HFFFF")).result, kNoError);
    QCOMPARE(drive.ram(0x0301), quint16(0xFFFF));
    port.Write(QByteArray::fromHex("8103000001FF")); // checksum should be 0x85
    QVERIFY(!port.waitForData(20));
    QCOMPARE(drive.ram(0x0300), quint16(0));
}

void TestSimDrive::portRules() {
    SimDrive drive;
    SimSerialPort port(drive);
    port.useOwnTime(true);
    port.setPortPresent(3, false);
    port.setPortBusy(4, true);
    for (int n : {3, 4}) {
        QVERIFY(port.SetPortNumber(n));
        QVERIFY(!port.Open());
        QVERIFY(!port.lastError().isEmpty());
    }
    QVERIFY(!port.SetPortNumber(0));
    QVERIFY(!port.SetPortNumber(5));
    QVERIFY(port.SetPortNumber(2)); // present, but no drive on it
    QVERIFY(port.Open());
    QVERIFY(!port.SetPortNumber(1)); // only while closed
    QCOMPARE(port.GetPortNumber(), 2);
    QCOMPARE(readRam(port, 0x0200).result, kTimeoutError);
}

void TestSimDrive::parameterFileLoading() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.13d"));
    QFile f(good);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 1024; ++i)
        f.write(QByteArray::number(i == 0 ? -1 : i) + " comment\r\n");
    f.close();
    SimDrive drive;
    QString error;
    QVERIFY(drive.loadParameterFile(good, 0x3800, &error));
    QCOMPARE(drive.rom(0x3800), quint16(0xFFFF));
    QCOMPARE(drive.rom(0x3BFF), quint16(1023));
    QVERIFY(f.resize(10));
    const quint16 before = drive.rom(0x3C00);
    QVERIFY(!drive.loadParameterFile(good, 0x3C00, &error));
    QVERIFY(error.contains(QLatin1String("1024")));
    QCOMPARE(drive.rom(0x3C00), before);
}

void TestSimDrive::faultSpecs_data() {
    columns<QString, bool>("spec", "valid");
    QTest::addColumn<QList<int>>("hits"); // which of transactions 1..6 it hits
    row("every one", "checksum", true, QList<int>{1, 2, 3, 4, 5, 6});
    row("every third", "checksum:every=3", true, QList<int>{3, 6});
    row("after two, every other", "noreply:after=2:every=2", true, QList<int>{4, 6});
    row("silence after 4", "silence:after=4", true, QList<int>{5, 6});
    row("one late reply", "late:after=2:times=1", true, QList<int>{3});
    row("every other, twice", "echo:every=2:times=2", true, QList<int>{2, 4});
    row("silent for a while", "silence:after=1:times=3", true, QList<int>{2, 3, 4});
    row("one address, twice", "echo:at=0x0315:times=2", true, QList<int>{1, 2});
    row("address beyond 16 bits", "echo:at=0x10000", false, QList<int>{});
    row("unknown kind", "meltdown", false, QList<int>{});
    row("bad option", "late:often=2", false, QList<int>{});
    row("every zero", "late:every=0", false, QList<int>{});
}

void TestSimDrive::faultSpecs() {
    QFETCH(QString, spec);
    QFETCH(bool, valid);
    QFETCH(QList<int>, hits);
    QString error;
    const auto f = ParseFault(spec, &error);
    QCOMPARE(f.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (!f)
        return;
    QList<int> got;
    for (int n = 1; n <= 6; ++n)
        if (f->hits(n))
            got << n;
    QCOMPARE(got, hits);
}

void TestSimDrive::traceShowsOneLineAFrame() {
    SimDrive drive;
    QStringList driveLines;
    drive.setTrace([&](const QString &l) { driveLines << l; });
    SimSerialPort inner(drive);
    QStringList hostLines;
    TracingSerialPort port(inner, [&](const QString &l) { hostLines << l; });
    port.Open();
    drive.addFault(*ParseFault(QStringLiteral("trickle")));
    readRam(port, 0x0280);
    port.flush();
    QCOMPARE(driveLines.size(), 2);
    QVERIFY(driveLines.at(0).endsWith(QLatin1String("RX 01 02 80")));
    QVERIFY(driveLines.at(1).endsWith(QLatin1String("TX 01 02 80 40 00 40")));
    QCOMPARE(hostLines.size(), 3); // opened, request, reply joined from six pieces
    QVERIFY(hostLines.at(1).endsWith(QLatin1String("> 01 02 80")));
    QVERIFY(hostLines.at(2).endsWith(QLatin1String("< 01 02 80 40 00 40")));
}

QTEST_GUILESS_MAIN(TestSimDrive)
#include "tst_simdrive.moc"
