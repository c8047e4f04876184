// The simulated drive behind the in-process port: protocol, memory effects and fault modes, as
// DriveTransaction sees them.

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
    void silenceAfterN();
    void vanishClosesThePortUntilTheLineReturns();
    void driveNumbers_data();
    void driveNumbers();
    void parameterCompletionWordCopiesBlocksToRom();
    void programCompletionWordStartsTheProgram();
    void pacedRepliesStillComplete();
    void damagedWriteIsIgnored();
    void lateReplyLeftoversDoNotDisturbTheNextExchange();
    void portRules();
    void parameterFileLoading();
    void faultSpecs_data();
    void faultSpecs();
    void traceShowsOneLineAFrame();
};

void TestSimDrive::faultModes_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("isWrite");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("data"); // a read starts from "before"; a write sends 4660

    QTest::newRow("none read") << "" << false << kNoError << "4660";
    QTest::newRow("none write") << "" << true << kNoError << "(sent value)";
    QTest::newRow("noreply read") << "noreply" << false << kTimeoutError << "before";
    QTest::newRow("noreply write") << "noreply" << true << kTimeoutError << "(sent value)";
    QTest::newRow("partial read") << "partial" << false << kTimeoutError << "before";
    QTest::newRow("partial write") << "partial" << true << kTimeoutError << "(sent value)";
    QTest::newRow("trickle read") << "trickle" << false << kNoError << "4660";
    QTest::newRow("trickle write") << "trickle" << true << kNoError << "(sent value)";
    QTest::newRow("echo read") << "echo" << false << kEchoError << "4660";
    QTest::newRow("echo write") << "echo" << true << kEchoError << "(sent value)";
    QTest::newRow("checksum read") << "checksum" << false << kChecksumError << "4660";
    QTest::newRow("checksum write") << "checksum" << true << kEchoError << "(sent value)";
    QTest::newRow("echo and checksum read") << "echo+checksum" << false << kChecksumError << "4660";
    QTest::newRow("extra read") << "extra" << false << kNoError << "4660";
    QTest::newRow("extra write") << "extra" << true << kEchoError << "(sent value)";
    QTest::newRow("late read") << "late" << false << kTimeoutError << "before";
    QTest::newRow("late write") << "late" << true << kTimeoutError << "(sent value)";
    QTest::newRow("garbage read (reply shifted by one)")
        << "garbage" << false << kChecksumError << "18";
    QTest::newRow("garbage write") << "garbage" << true << kEchoError << "(sent value)";
}

void TestSimDrive::faultModes() {
    QFETCH(QString, fault);
    QFETCH(bool, isWrite);
    QFETCH(QString, result);
    QFETCH(QString, data);
    SimDrive drive;
    drive.setRam(0x0300, 0x1234);
    for (const QString &spec : fault.split(QLatin1Char('+'), Qt::SkipEmptyParts))
        drive.addFault(*ParseFault(spec));
    SimSerialPort port(drive);
    QVERIFY(port.Open());
    const QString sent = isWrite ? QStringLiteral("4660") : QStringLiteral("before");
    const Outcome o = transact(port, 1, 0x0300, isWrite, true, sent);
    QCOMPARE(o.result, result);
    QCOMPARE(o.data, isWrite ? sent : data); // a write never changes its value
}

void TestSimDrive::silenceAfterN() {
    SimDrive drive;
    drive.addFault(*ParseFault(QStringLiteral("silence:after=3")));
    SimSerialPort port(drive);
    port.Open();
    QStringList results;
    for (int i = 0; i < 4; ++i)
        results << readRam(port, 0x0200).result;
    QCOMPARE(results, QStringList({kNoError, kNoError, kNoError, kTimeoutError}));
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
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("readResult");
    QTest::addColumn<bool>("writeTakesEffect");
    QTest::newRow("own number") << 5 << kNoError << true;
    QTest::newRow("number 0 reaches any drive") << 0 << kNoError << true;
    QTest::newRow("broadcast is carried out unanswered") << 63 << kTimeoutError << true;
    QTest::newRow("another drive") << 6 << kTimeoutError << false;
}

void TestSimDrive::driveNumbers() {
    QFETCH(int, number);
    QFETCH(QString, readResult);
    QFETCH(bool, writeTakesEffect);
    SimDrive drive;
    drive.setDriveNumber(5);
    SimSerialPort port(drive);
    port.Open();
    QCOMPARE(transact(port, number, 0x0200, false, true).result, readResult);
    transact(port, number, 0x0300, true, true, QStringLiteral("77"));
    QCOMPARE(drive.ram(0x0300) == 77, writeTakesEffect);
}

void TestSimDrive::parameterCompletionWordCopiesBlocksToRom() {
    SimDrive drive;
    SimSerialPort port(drive);
    port.Open();
    QCOMPARE(transact(port, 1, 0xB800, true, true, QStringLiteral("-5")).result, kNoError);
    QCOMPARE(transact(port, 1, 0xBFFF, true, true, QStringLiteral("321")).result, kNoError);
    QVERIFY(transact(port, 1, 0x3800, false, false).data != QStringLiteral("-5"));
    QCOMPARE(transact(port, 1, 0x0315, true, true, QStringLiteral("-21846")).result, kNoError);
    QCOMPARE(transact(port, 1, 0x3800, false, false).data, QStringLiteral("-5"));
    QCOMPARE(transact(port, 1, 0x3FFF, false, false).data, QStringLiteral("321"));
}

void TestSimDrive::programCompletionWordStartsTheProgram() {
    SimDrive drive;
    drive.setStatus(0);
    SimSerialPort port(drive);
    port.Open();
    QCOMPARE(readRam(port, 0x0280).data, QStringLiteral("0"));
    transact(port, 1, 0x0315, true, true, QStringLiteral("21845"));
    QCOMPARE(readRam(port, 0x0280).data.toInt() & 0x4000, 0x4000);
}

void TestSimDrive::pacedRepliesStillComplete() {
    SimDrive drive;
    drive.setBaud(19200);
    drive.setTurnaround(std::chrono::microseconds(200));
    SimSerialPort port(drive);
    port.Open();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(readRam(port, 0x0200).data, QStringLiteral("1700"));
    QCOMPARE(transact(port, 1, 0x0301, true, true, QStringLiteral("&HFFFF")).result, kNoError);
    QCOMPARE(drive.ram(0x0301), quint16(0xFFFF));
}

void TestSimDrive::damagedWriteIsIgnored() {
    SimDrive drive;
    SimSerialPort port(drive);
    port.Open();
    port.Write(QByteArray::fromHex("8103000001FF")); // checksum should be 0x85
    QVERIFY(port.ReadAvailable().isEmpty());
    QCOMPARE(drive.ram(0x0300), quint16(0));
}

void TestSimDrive::lateReplyLeftoversDoNotDisturbTheNextExchange() {
    SimDrive drive;
    drive.addFault(*ParseFault(QStringLiteral("late:after=0:every=2"))); // every second one late
    SimSerialPort port(drive);
    port.Open();
    drive.setRam(0x0300, 11);
    drive.setRam(0x0301, 22);
    QCOMPARE(readRam(port, 0x0300).result, kNoError);
    QCOMPARE(readRam(port, 0x0301).result, kTimeoutError);
    QTest::qWait(150); // the late reply lands in the receive buffer
    const Outcome next = readRam(port, 0x0300);
    QCOMPARE(next.result, kNoError);
    QCOMPARE(next.data, QStringLiteral("11"));
}

void TestSimDrive::portRules() {
    SimDrive drive;
    SimSerialPort port(drive);
    port.setPortPresent(3, false);
    port.setPortBusy(4, true);
    bool ok = false;
    QVERIFY(port.ReadAvailable(&ok).isEmpty());
    QVERIFY(!ok); // closed
    QVERIFY(port.SetPortNumber(3));
    QVERIFY(!port.Open());
    QVERIFY(!port.IsOpen());
    QVERIFY(port.SetPortNumber(4));
    QVERIFY(!port.Open());
    QVERIFY(!port.lastError().isEmpty());
    QVERIFY(port.SetPortNumber(2)); // present, but no drive on it
    QVERIFY(port.Open());
    QVERIFY(!port.SetPortNumber(1));
    QCOMPARE(port.GetPortNumber(), 2);
    QVERIFY(port.ReadAvailable(&ok).isEmpty());
    QVERIFY(ok);
    QCOMPARE(readRam(port, 0x0200).result, kTimeoutError);
}

void TestSimDrive::parameterFileLoading() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.13d"));
    const QString shortFile = dir.filePath(QStringLiteral("short.13d"));
    QFile f(good);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 1024; ++i)
        f.write(QByteArray::number(i == 0 ? -1 : i) + " comment\r\n");
    f.close();
    QFile s(shortFile);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write(" 1 \r\n 2 \r\n");
    s.close();

    SimDrive drive;
    const quint16 before = drive.rom(0x3C00);
    QString error;
    QVERIFY(!drive.loadParameterFile(shortFile, 0x3C00, &error));
    QVERIFY(error.contains(QLatin1String("1024")));
    QCOMPARE(drive.rom(0x3C00), before);
    QVERIFY(drive.loadParameterFile(good, 0x3800, &error));
    QCOMPARE(drive.rom(0x3800), quint16(0xFFFF));
    QCOMPARE(drive.rom(0x3BFF), quint16(1023));
}

void TestSimDrive::faultSpecs_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("hits"); // which of transactions 1..6 it hits
    QTest::newRow("every one") << "checksum" << true << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("every third") << "checksum:every=3" << true << QList<int>{3, 6};
    QTest::newRow("after two, every other")
        << "noreply:after=2:every=2" << true << QList<int>{4, 6};
    QTest::newRow("silence after 4") << "silence:after=4" << true << QList<int>{5, 6};
    QTest::newRow("one late reply") << "late:after=2:times=1" << true << QList<int>{3};
    QTest::newRow("every other, twice") << "echo:every=2:times=2" << true << QList<int>{2, 4};
    QTest::newRow("silent for a while") << "silence:after=1:times=3" << true << QList<int>{2, 3, 4};
    QTest::newRow("one address, twice") << "echo:at=0x0315:times=2" << true << QList<int>{1, 2};
    QTest::newRow("address beyond 16 bits") << "echo:at=0x10000" << false << QList<int>{};
    QTest::newRow("unknown kind") << "meltdown" << false << QList<int>{};
    QTest::newRow("bad option") << "late:often=2" << false << QList<int>{};
    QTest::newRow("every zero") << "late:every=0" << false << QList<int>{};
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
