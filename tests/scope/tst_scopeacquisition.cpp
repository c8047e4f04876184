// Scope acquisition: the line hand-over (startscope, stopscope) and the acquisition tick, on the
// simulated drive.

#include "scopefixture.h"

#include <QTest>

using namespace zr;
using namespace zr::scope;
using namespace zr::scope::test;

namespace {
QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}
} // namespace

class TestScopeAcquisition : public QObject {
    Q_OBJECT
private slots:
    // --- trigger analysis ---
    void risingPassage_data();
    void risingPassage();
    void samplesToFill_data();
    void samplesToFill();

    // --- line hand-over ---
    void startTakesTheLine();
    void startWhileScopeOwnsTheLineSendsNothing();
    void startWithoutSamplesLeavesTheLineWithTheLink();
    void startWhenTheScopePortIsTakenGivesTheLineBack();
    void stopAddressesEveryDrive_data();
    void stopAddressesEveryDrive();
    void stopEndsOnALineThatNeverFallsSilent();

    // --- acquisition tick ---
    void rollChartsWhatArrives();
    void rollWithSilentStreamWaitsAndChartsNothing();
    void noTriggReadsOneScreen_data();
    void noTriggReadsOneScreen();
    void normChartsTriggerBlockAndRest();
    void normFindsAPassageBetweenTwoReads();
    void searchEndsWhenTheUserLeaves_data();
    void searchEndsWhenTheUserLeaves();
    void holdingSkipsTheTick();
};

void TestScopeAcquisition::risingPassage_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<double>("level");
    QTest::addColumn<bool>("found");
    QTest::newRow("minimum 120 before maximum 140, level 137")
        << Bytes({130, 120, 128, 140, 135}) << 137.0 << true;
    QTest::newRow("maximum 140 before minimum 120")
        << Bytes({130, 140, 128, 120, 135}) << 137.0 << false;
    QTest::newRow("level on the minimum") << Bytes({120, 140}) << 120.0 << true;
    QTest::newRow("level on the maximum") << Bytes({120, 140}) << 140.0 << true;
    QTest::newRow("level above the block") << Bytes({120, 140}) << 141.0 << false;
    QTest::newRow("level below the block") << Bytes({120, 140}) << 119.0 << false;
    QTest::newRow("flat block") << Bytes({127, 127, 127}) << 127.0 << false;
    QTest::newRow("one sample") << Bytes({127}) << 127.0 << false;
    QTest::newRow("empty block") << QByteArray() << 127.0 << false;
    QTest::newRow("full range, unsigned") << Bytes({0, 255}) << 200.0 << true;
    QTest::newRow("repeated minimum: the first counts") << Bytes({120, 140, 120}) << 130.0 << true;
}

void TestScopeAcquisition::risingPassage() {
    QFETCH(QByteArray, block);
    QFETCH(double, level);
    QFETCH(bool, found);
    QCOMPARE(RisingPassage(block, level), found);
}

void TestScopeAcquisition::samplesToFill_data() {
    QTest::addColumn<double>("xMax");
    QTest::addColumn<int>("len");
    QTest::addColumn<int>("count");
    QTest::newRow("1 Sec, no trigger block: rounded up") << 976.56 << 0 << 977;
    QTest::newRow("20 mSec after 5 samples") << 19.53 << 5 << 15;
    QTest::newRow("whole number") << 200.0 << 10 << 190;
    QTest::newRow("trigger block longer than the screen") << 19.53 << 30 << 0;
}

void TestScopeAcquisition::samplesToFill() {
    QFETCH(double, xMax);
    QFETCH(int, len);
    QFETCH(int, count);
    QCOMPARE(SamplesToFill(xMax, len), count);
}

void TestScopeAcquisition::startTakesTheLine() {
    ScopeLine line;
    QVERIFY(line.acq.startscope());
    QVERIFY(!line.linkPort.IsOpen());
    QVERIFY(line.acq.ownsLine());
    QVERIFY(line.drive.scopeStream().running());
    QVERIFY(line.acq.startCommands() >= 1);
    QVERIFY(!line.view.panelPoll);
    QVERIFY(line.view.tick);
    QCOMPARE(line.drive.ram(kScopeCommandAddress), quint16(0x55AA));
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::startWhileScopeOwnsTheLineSendsNothing() {
    ScopeLine line;
    QVERIFY(line.acq.startscope());
    const int transactions = line.drive.transactions();
    const int commands = line.acq.startCommands();
    const int opens = line.scopeSim.opens();
    line.view.hold = true; // the user held, then runs again
    QVERIFY(line.acq.startscope());
    QCOMPARE(line.drive.transactions(), transactions);
    QCOMPARE(line.acq.startCommands(), commands);
    QVERIFY(line.acq.ownsLine());
    QCOMPARE(line.scopeSim.opens(), opens); // the component stays open
    QVERIFY(!line.linkPort.IsOpen());
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::startWithoutSamplesLeavesTheLineWithTheLink() {
    ScopeLine line;
    // The drive takes the command but no sample comes within the half second.
    line.drive.scopeStream().setPeriod(std::chrono::hours(1));
    line.acq.setClock([&line] { return line.fakeMs += 50; });
    QVERIFY(!line.acq.startscope());
    QCOMPARE(line.view.noSampleCalls, 1);
    QVERIFY(line.linkPort.IsOpen());
    QVERIFY(!line.acq.ownsLine());
    QVERIFY(line.view.panelPoll);
    QVERIFY(!line.view.tick);
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::startWhenTheScopePortIsTakenGivesTheLineBack() {
    ScopeLine line;
    line.scopeSim.setPortBusy(1, true);
    QVERIFY(!line.acq.startscope());
    QCOMPARE(line.view.portFailures, 1);
    QVERIFY(line.linkPort.IsOpen());
    QVERIFY(!line.acq.ownsLine());
    QVERIFY(line.view.panelPoll);
    QVERIFY(!line.drive.scopeStream().running()); // the stream was stopped again
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::stopAddressesEveryDrive_data() {
    QTest::addColumn<int>("driveAddress");
    QTest::newRow("own drive") << 1;
    QTest::newRow("any drive") << 0;
    QTest::newRow("another drive") << 12;
}

void TestScopeAcquisition::stopAddressesEveryDrive() {
    QFETCH(int, driveAddress);
    ScopeLine line;
    line.driveAddress = static_cast<qint16>(driveAddress);
    line.drive.scopeStream().start(std::chrono::steady_clock::now()); // streaming already
    QVERIFY(line.acq.startscope());
    QStringList rx;
    line.drive.setTrace([&rx](const QString &l) {
        if (l.contains(QLatin1String(" RX ")))
            rx << l.section(QLatin1String(" RX "), 1);
    });
    line.acq.stopscope();
    QVERIFY(!rx.isEmpty());
    for (const QString &frame : rx)
        QCOMPARE(frame, QStringLiteral("BF 03 B7 00 00 79")); // drive 63, RAM write of 0
    QVERIFY(!line.drive.scopeStream().running());
    QVERIFY(line.linkPort.IsOpen());
    QVERIFY(!line.acq.ownsLine());
    QVERIFY(line.view.hold);
    QVERIFY(!line.view.tick);
    QVERIFY(line.view.panelPoll);
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::stopEndsOnALineThatNeverFallsSilent() {
    // A line on which something always waits: the stop command is repeated, but not for ever.
    class Babbling final : public SerialPort {
    public:
        bool IsOpen() const override { return open; }
        bool Open() override { return open = true; }
        bool Close() override { return !(open = false); }
        bool Write(const QByteArray &) override { return open; }
        QByteArray ReadAvailable(bool *ok) override {
            if (ok)
                *ok = open;
            return open ? QByteArray("\x55\x55\x55\x55\x55\x55") : QByteArray();
        }
        bool waitForData(int) override { return open; }
        bool open = false;
    };
    Babbling link;
    qint16 address = 1;
    LinkResult result = LinkResult::Timeout;
    ScopeAcquisition acq(link, address, result, std::make_unique<Babbling>());
    FakeView view;
    acq.setView(&view);
    acq.stopscope();
    QCOMPARE(acq.stopCommands(), kMaxStopAttempts);
    QVERIFY(link.IsOpen());
    QVERIFY(view.panelPoll);
    QVERIFY(view.hold);
}

void TestScopeAcquisition::rollChartsWhatArrives() {
    ScopeLine line;
    line.countingSignal();
    QVERIFY(line.acq.startscope());
    for (int i = 0; i < 5; ++i)
        line.acq.tick();
    QVERIFY(!line.view.charted.isEmpty());
    QVERIFY(Consecutive(line.view.charted));
    QCOMPARE(line.view.clears, 0);
}

void TestScopeAcquisition::rollWithSilentStreamWaitsAndChartsNothing() {
    ScopeLine line;
    QVERIFY(line.acq.startscope());
    line.drive.scopeStream().stop();
    line.acq.input().discard();
    const qint64 before = line.fakeMs;
    line.acq.tick();
    QVERIFY(line.view.charted.isEmpty());
    QVERIFY(line.fakeMs - before >= kQuietMs);
    QVERIFY(line.view.eventRuns > 1); // the window stayed usable while it waited
}

void TestScopeAcquisition::noTriggReadsOneScreen_data() {
    QTest::addColumn<double>("xMax");
    QTest::addColumn<int>("samples");
    QTest::newRow("20 mSec") << 19.53 << 20;
    QTest::newRow("1 Sec") << 976.56 << 977;
    QTest::newRow("5 Sec") << 4882.81 << 4883;
}

void TestScopeAcquisition::noTriggReadsOneScreen() {
    QFETCH(double, xMax);
    QFETCH(int, samples);
    ScopeLine line;
    line.countingSignal();
    line.view.scopeMode = kNoTrigg;
    line.view.screen = xMax;
    QVERIFY(line.acq.startscope());
    line.acq.tick();
    QCOMPARE(line.view.clears, 1);
    QCOMPARE(line.view.charted.size(), samples);
    QVERIFY(Consecutive(line.view.charted));
}

void TestScopeAcquisition::normChartsTriggerBlockAndRest() {
    ScopeLine line;
    // A sawtooth 100..159: every tooth rises through 137.
    line.drive.scopeStream().setSignal([](qint64 i) { return static_cast<quint8>(100 + i % 60); });
    line.view.scopeMode = kNorm;
    line.view.triggerLevel = 137;
    line.view.screen = 195.31;
    QVERIFY(line.acq.startscope());
    line.acq.tick();
    QCOMPARE(line.view.clears, 1);
    const QByteArray &shown = line.view.charted;
    QVERIFY(shown.size() >= 196);
    // The picture starts with a block that rises through the level.
    bool passage = false;
    for (qsizetype len = 2; len <= shown.size() && !passage; ++len)
        passage = RisingPassage(shown.left(len), 137);
    QVERIFY(passage);
    // Trigger block and rest follow each other without a gap.
    for (qsizetype i = 1; i < shown.size(); ++i) {
        const int a = static_cast<quint8>(shown.at(i - 1));
        const int b = static_cast<quint8>(shown.at(i));
        QVERIFY2(b == a + 1 || (a == 159 && b == 100), qPrintable(QString::number(i)));
    }
}

void TestScopeAcquisition::normFindsAPassageBetweenTwoReads() {
    // A line that hands over one sample at a time.
    class Trickle final : public SerialPort {
    public:
        bool IsOpen() const override { return open; }
        bool Open() override { return open = true; }
        bool Close() override { return !(open = false); }
        bool Write(const QByteArray &) override { return open; }
        QByteArray ReadAvailable(bool *ok) override {
            if (ok)
                *ok = open;
            if (!open || script.isEmpty())
                return {};
            const QByteArray one = script.left(1);
            script.remove(0, 1);
            return one;
        }
        bool waitForData(int) override { return open && !script.isEmpty(); }
        bool open = false;
        QByteArray script;
    };
    Trickle link; // closed: the scope owns the line already
    auto scopePort = std::make_unique<Trickle>();
    Trickle *scope = scopePort.get();
    // Two samples go to the discards of startscope and of the search.
    scope->script = Bytes({1, 2, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190});
    qint16 address = 1;
    LinkResult result = LinkResult::Timeout;
    ScopeAcquisition acq(link, address, result, std::move(scopePort));
    qint64 fakeMs = 0;
    acq.setClock([&fakeMs] { return fakeMs; });
    acq.setWait([&fakeMs](ScopeInput &, int ms) { fakeMs += ms; });
    FakeView view;
    view.scopeMode = kNorm;
    view.triggerLevel = 137;
    view.screen = 6;
    acq.setView(&view);
    QVERIFY(acq.startscope());
    acq.tick();
    QCOMPARE(view.clears, 1);
    QCOMPARE(view.charted, Bytes({130, 140, 150, 160, 170, 180}));
}

void TestScopeAcquisition::searchEndsWhenTheUserLeaves_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("hold") << QStringLiteral("hold");
    QTest::newRow("close") << QStringLiteral("close");
    QTest::newRow("acquire") << QStringLiteral("acquire");
    QTest::newRow("front panel key") << QStringLiteral("stop");
}

void TestScopeAcquisition::searchEndsWhenTheUserLeaves() {
    QFETCH(QString, how);
    ScopeLine line;
    line.drive.scopeStream().setSignal([](qint64) { return quint8(50); }); // never reaches 137
    line.view.scopeMode = kNorm;
    line.view.triggerLevel = 137;
    QVERIFY(line.acq.startscope());
    line.view.onEvents = [&] {
        if (line.view.eventRuns != 20)
            return;
        if (how == QLatin1String("hold"))
            line.view.hold = true;
        else if (how == QLatin1String("close"))
            line.acq.setView(nullptr);
        else if (how == QLatin1String("acquire"))
            line.acq.abandon();
        else
            line.acq.stopscope();
    };
    line.acq.tick();
    QCOMPARE(line.view.eventRuns, 20);
    QVERIFY(!line.acq.ticking());
    QCOMPARE(line.view.clears, 0);
    QVERIFY(line.view.charted.isEmpty());
    QCOMPARE(line.log.bothOpen, 0);
}

void TestScopeAcquisition::holdingSkipsTheTick() {
    ScopeLine line;
    line.countingSignal();
    QVERIFY(line.acq.startscope());
    line.view.hold = true;
    line.acq.tick();
    QCOMPARE(line.view.eventRuns, 0);
    QVERIFY(line.view.charted.isEmpty());
}

QTEST_GUILESS_MAIN(TestScopeAcquisition)
#include "tst_scopeacquisition.moc"
