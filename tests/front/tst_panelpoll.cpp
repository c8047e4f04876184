// One front-panel poll against the simulated drive behind the in-process port: the frames of a
// tick, key delivery over many ticks, and how failures end a tick or the load.

#include "datatable.h"
#include "driveprotocol.h"
#include "paneldisplay.h"
#include "panelkeys.h"
#include "panelpoll.h"
#include "simdrive.h"
#include "simserialport.h"

#include <QTest>

using namespace zr;
using namespace zr::front;
using namespace zr::sim;

namespace {
// The frames a tick put on the line, as "W0317" / "R0202" (from the drive's trace).
QStringList framesOf(const QStringList &trace) {
    QStringList frames;
    for (const QString &line : trace) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 5 || f.at(1) != QLatin1String("RX"))
            continue;
        const bool write = f.at(2).toInt(nullptr, 16) & 0x80;
        frames << QStringLiteral("%1%2%3").arg(write ? 'W' : 'R').arg(f.at(3), f.at(4));
    }
    return frames;
}

QStringList displayReads() {
    QStringList frames;
    for (int a = word::kDisplayFirst; a <= word::kDisplayLast; ++a)
        frames << QStringLiteral("R%1").arg(a, 4, 16, QLatin1Char('0')).toUpper();
    return frames;
}

void putRow(SimDrive &drive, int firstWord, const QByteArray &text) {
    for (int i = 0; i < 8; ++i) {
        const auto hi = static_cast<quint8>(text.at(2 * i));
        const auto lo = static_cast<quint8>(text.at(2 * i + 1));
        drive.setRam(firstWord + i, static_cast<quint16>(hi << 8 | lo));
    }
}

struct Rig {
    SimDrive drive;
    SimSerialPort port{drive};
    PanelState state;
    LinkResult commResult = LinkResult::Timeout;
    QStringList trace;
    QList<quint16> keyWrites;

    Rig() {
        port.Open();
        drive.setTrace([this](const QString &line) { trace << line; });
        drive.setWriteHook([this](bool ram, int address, quint16 value) {
            if (ram && address == word::kKeyWord)
                keyWrites << value;
        });
        putRow(drive, 0x0202, "  STATUS  READY ");
        putRow(drive, 0x020A, QByteArray("n= 1500 rpm  40") + char(223));
    }
    PanelPoll tick() { return RunPanelTick(port, 1, state, commResult); }
    // A fault on the given transaction of the next tick only (1 is the first).
    void faultAt(const QString &kind, int transaction) {
        auto f = ParseFault(kind);
        QVERIFY(f);
        f->every = 1000;
        f->after = transaction - 1000;
        drive.addFault(*f);
    }
};
} // namespace

class TestPanelPoll : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framesOfOneTick_data();
    void framesOfOneTick();
    void heldKeys_data();
    void heldKeys();
    void oneShotKeysAreSentOnce();
    void failures_data();
    void failures();
    void load_data();
    void load();
};

void TestPanelPoll::framesOfOneTick_data() {
    QTest::addColumn<int>("keyIndex"); // -1: no key pending
    QTest::addColumn<QStringList>("frames");

    const QStringList tail = displayReads() << "R030B"
                                            << "R030C";
    row("no key", -1, tail);
    row("contrast button sends nothing", int(kContrastKey), tail);
    row("key pending", int(kEscKey), (QStringList{"W0317", "R0317", "R0317"} + tail));
}

void TestPanelPoll::framesOfOneTick() {
    QFETCH(int, keyIndex);
    Rig rig;
    if (keyIndex >= 0)
        PressKey(rig.state, keyIndex);
    QVERIFY(rig.tick().linkOk);
    QTEST(framesOf(rig.trace), "frames");
}

void TestPanelPoll::heldKeys_data() {
    columns<int, int>("index", "code");

    row("plus", int(kPlusKey), 8);
    row("minus", int(kMinusKey), 128);
}

// Ten ticks of the plain code, then the held bit; a new press counts afresh; a long hold does not
// overflow the count.
void TestPanelPoll::heldKeys() {
    QFETCH(int, index);
    QFETCH(int, code);
    Rig rig;
    PressKey(rig.state, index);
    for (int t = 0; t < 15; ++t)
        QVERIFY(rig.tick().linkOk);
    QList<quint16> expected;
    for (int t = 1; t <= 15; ++t)
        expected << static_cast<quint16>(t <= 10 ? code : code | 0x4000);
    QCOMPARE(rig.keyWrites, expected);
    QCOMPARE(rig.state.holdTicks, qint16(15));

    ReleaseKey(rig.state);
    rig.tick();
    QCOMPARE(rig.keyWrites.size(), 15);
    QCOMPARE(rig.state.holdTicks, qint16(0));
    PressKey(rig.state, index);
    rig.tick();
    QCOMPARE(rig.keyWrites.last(), quint16(code));
    // Held for about 46 minutes: the count stops at its limit and the held bit stays.
    rig.state.holdTicks = 32767;
    QVERIFY(rig.tick().linkOk);
    QCOMPARE(rig.state.holdTicks, qint16(32767));
    QCOMPARE(rig.keyWrites.last(), quint16(code | 0x4000));
}

void TestPanelPoll::oneShotKeysAreSentOnce() {
    Rig rig;
    PressKey(rig.state, kRightKey);
    rig.tick();
    rig.tick();
    QCOMPARE(rig.keyWrites, QList<quint16>{32});
    QCOMPARE(rig.state.pendingKey, 0);
    // A one-shot key pressed while "+" has long been pending goes out without the held bit.
    PressKey(rig.state, kPlusKey);
    for (int t = 0; t < 12; ++t)
        rig.tick();
    PressKey(rig.state, kEnterKey);
    rig.tick();
    QCOMPARE(rig.keyWrites.last(), quint16(4));
}

void TestPanelPoll::failures_data() {
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<QString>("fault"); // kind and the transaction of the tick it hits
    columns<int, QString>("hits", "result");
    QTest::addColumn<int>("transactions"); // made by the tick
    // A failed last read without a key is a row of tst_faultmatrix.

    row("key write not answered", true, "noreply", 1, kTimeoutError, 1);
    row("key read-back with a bad echo", true, "echo", 2, kEchoError, 2);
    row("second read-back is not looked at", true, "checksum", 3, kNoError, 21);
    row("a middle display word repeats the one before", false, "checksum", 2, kNoError, 18);
    row("last read fails after a key", true, "echo", 21, kEchoError, 21);
}

void TestPanelPoll::failures() {
    QFETCH(bool, withKey);
    QFETCH(QString, fault);
    QFETCH(int, hits);
    QFETCH(QString, result);
    Rig rig;
    rig.faultAt(fault, hits);
    if (withKey)
        PressKey(rig.state, kPlusKey);
    const PanelPoll poll = rig.tick();
    QCOMPARE(ResultText(rig.commResult), result);
    QTEST(rig.drive.transactions(), "transactions");
    QCOMPARE(poll.linkOk, result == kNoError);
    if (poll.linkOk) {
        QCOMPARE(poll.label1.left(4), QStringLiteral("  ST")); // the drive's data is shown
    } else {
        QCOMPARE(poll.label1, result);
        QCOMPARE(poll.label2, QString());
        QCOMPARE(poll.backlightRead, rig.drive.transactions() > 3);
    }
}

void TestPanelPoll::load_data() {
    columns<QString, int, QString>("fault", "hits", "result");

    row("fine", "", 0, kNoError);
    row("first word fails", "checksum", 1, kChecksumError);
    row("second word fails", "echo", 2, kEchoError);
}

void TestPanelPoll::load() {
    QFETCH(QString, fault);
    QFETCH(int, hits);
    QFETCH(QString, result);
    Rig rig;
    rig.state.pendingKey = 8;
    if (!fault.isEmpty())
        rig.faultAt(fault, hits);
    rig.drive.setRam(word::kBacklight1, 0);
    rig.drive.setRam(word::kBacklight2, 0);
    const PanelPoll poll = RunPanelLoad(rig.port, 1, rig.state, rig.commResult);
    QCOMPARE(rig.state.pendingKey, 0);
    QCOMPARE(ResultText(rig.commResult), result);
    QCOMPARE(poll.linkOk, result == kNoError);
    QCOMPARE(poll.lit, result == kNoError);
    QCOMPARE(poll.label1, result == kNoError ? QString() : result);
    QCOMPARE(framesOf(rig.trace).size(), hits == 1 ? 1 : 2);
}

QTEST_GUILESS_MAIN(TestPanelPoll)
#include "tst_panelpoll.moc"
