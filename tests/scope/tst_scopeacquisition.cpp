// Scope acquisition: the line hand-over (startscope, stopscope) and the acquisition tick, on the
// simulated drive.

#include "datatable.h"
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
    void risingPassage_data();
    void risingPassage();
    void samplesToFill();

    void startHandsTheLineOver_data();
    void startHandsTheLineOver();
    void stopAddressesEveryDrive();
    void stopEndsOnALineThatNeverFallsSilent();

    void rollChartsWhatArrivesUntilHeld();
    void noTriggReadsOneScreen_data();
    void noTriggReadsOneScreen();
    void normChartsTriggerBlockAndRest();
    void normFindsAPassageBetweenTwoReads();
    void searchEndsWhenTheUserLeaves_data();
    void searchEndsWhenTheUserLeaves();
};

void TestScopeAcquisition::risingPassage_data() {
    columns<QByteArray, double, bool>("block", "level", "found");
    row("minimum 120 before maximum 140, level 137", Bytes({130, 120, 128, 140, 135}), 137.0, true);
    row("maximum 140 before minimum 120", Bytes({130, 140, 128, 120, 135}), 137.0, false);
    row("level on the minimum", Bytes({120, 140}), 120.0, true);
    row("level above the block", Bytes({120, 140}), 141.0, false);
    row("flat block", Bytes({127, 127, 127}), 127.0, false);
    row("empty block", QByteArray(), 127.0, false);
    row("full range, unsigned", Bytes({0, 255}), 200.0, true);
    row("repeated minimum: the first counts", Bytes({120, 140, 120}), 130.0, true);
}

void TestScopeAcquisition::risingPassage() {
    QFETCH(QByteArray, block);
    QFETCH(double, level);
    QTEST(RisingPassage(block, level), "found");
}

void TestScopeAcquisition::samplesToFill() {
    QCOMPARE(SamplesToFill(19.53, 5), qsizetype(15)); // 20 mSec after a trigger block of 5
    QCOMPARE(SamplesToFill(19.53, 30), qsizetype(0)); // a trigger block longer than the screen
}

// Whatever startscope meets, exactly one port is open afterwards, and the panel polls exactly
// when the line is the link's.
void TestScopeAcquisition::startHandsTheLineOver_data() {
    columns<QString, bool, bool>("line", "started", "streaming");
    row("samples come", "stream", true, true);
    row("again after a hold: nothing is sent", "again", true, true);
    row("no sample within the half second", "silent", false, true);
    row("scope port taken: the stream is stopped again", "busy", false, false);
}

void TestScopeAcquisition::startHandsTheLineOver() {
    QFETCH(QString, line);
    QFETCH(bool, started);
    ScopeLine l;
    if (line == QLatin1String("silent")) {
        l.drive.scopeStream().setPeriod(std::chrono::hours(1));
        l.acq.setClock([&l] { return l.fakeMs += 50; });
    }
    if (line == QLatin1String("busy"))
        l.scopeSim.setPortBusy(1, true);
    int transactions = 0, opens = 0;
    if (line == QLatin1String("again")) {
        QVERIFY(l.acq.startscope());
        transactions = l.drive.transactions();
        opens = l.scopeSim.opens();
        l.view.hold = true; // the user held, then runs again
    }
    QCOMPARE(l.acq.startscope(), started);
    if (line == QLatin1String("again")) {
        QCOMPARE(l.drive.transactions(), transactions);
        QCOMPARE(l.scopeSim.opens(), opens); // the scope's port stays open
    }
    QCOMPARE(l.acq.ownsLine(), started);
    QCOMPARE(l.linkPort.IsOpen(), !started);
    QCOMPARE(l.view.panelPoll, !started);
    QCOMPARE(l.view.tick, started);
    QTEST(l.drive.scopeStream().running(), "streaming");
    QCOMPARE(l.view.noSampleCalls, line == QLatin1String("silent") ? 1 : 0);
    QCOMPARE(l.view.portFailures, line == QLatin1String("busy") ? 1 : 0);
    QCOMPARE(l.log.bothOpen, 0);
}

// The stop goes to every drive, not only the one the link talks to. Started on a line that streams
// already, so the drain at the start must end too.
void TestScopeAcquisition::stopAddressesEveryDrive() {
    ScopeLine line;
    line.driveAddress = 12;
    line.drive.scopeStream().start(std::chrono::steady_clock::now());
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

// A line on which something always waits: the stop command is repeated, but not for ever.
void TestScopeAcquisition::stopEndsOnALineThatNeverFallsSilent() {
    ScriptPort link;
    link.endless = true;
    link.script = QByteArray(6, '\x55');
    auto scopePort = std::make_unique<ScriptPort>();
    scopePort->endless = true;
    scopePort->script = link.script;
    qint16 address = 1;
    LinkResult result = LinkResult::Timeout;
    ScopeAcquisition acq(link, address, result, std::move(scopePort));
    FakeView view;
    acq.setView(&view);
    acq.stopscope();
    QCOMPARE(acq.stopCommands(), kMaxStopAttempts);
    QVERIFY(link.IsOpen());
    QVERIFY(view.panelPoll);
    QVERIFY(view.hold);
}

void TestScopeAcquisition::rollChartsWhatArrivesUntilHeld() {
    ScopeLine line;
    line.countingSignal();
    QVERIFY(line.acq.startscope());
    for (int i = 0; i < 5; ++i)
        line.acq.tick();
    QVERIFY(!line.view.charted.isEmpty());
    QVERIFY(Consecutive(line.view.charted));
    QCOMPARE(line.view.clears, 0);
    // A tick that comes while the picture is held reads nothing.
    const QByteArray shown = line.view.charted;
    const int runs = line.view.eventRuns;
    line.view.hold = true;
    line.acq.tick();
    QCOMPARE(line.view.eventRuns, runs);
    QCOMPARE(line.view.charted, shown);
}

void TestScopeAcquisition::noTriggReadsOneScreen_data() {
    columns<double, int>("xMax", "samples");
    row("20 mSec", 19.53, 20);
    row("1 Sec", 976.56, 977);
    row("5 Sec", 4882.81, 4883);
}

void TestScopeAcquisition::noTriggReadsOneScreen() {
    QFETCH(double, xMax);
    ScopeLine line;
    line.countingSignal();
    line.view.scopeMode = kNoTrigg;
    line.view.screen = xMax;
    QVERIFY(line.acq.startscope());
    line.acq.tick();
    QCOMPARE(line.view.clears, 1);
    QTEST(int(line.view.charted.size()), "samples");
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

// A line that hands over one sample at a time: the passage lies between two reads.
void TestScopeAcquisition::normFindsAPassageBetweenTwoReads() {
    ScriptPort link; // closed: the scope owns the line already
    auto scopePort = std::make_unique<ScriptPort>();
    // Two samples go to the discards of startscope and of the search.
    scopePort->script = Bytes({1, 2, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190});
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
    row("hold", QStringLiteral("hold"));
    row("close", QStringLiteral("close"));
    row("acquire", QStringLiteral("acquire"));
    row("front panel key", QStringLiteral("stop"));
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

QTEST_GUILESS_MAIN(TestScopeAcquisition)
#include "tst_scopeacquisition.moc"
