// The fault matrix: each fault of the simulated drive against the operations that talk to the
// drive, through the program's real serial port on a pseudo-terminal.
//
// A row names the operation, the fault (in zr3500-sim's --fault form, counted from the
// operation's first transaction), the outcome and the transactions it takes. Every row also
// checks that a failure is not reported as success and changes no file, and that the same
// operation succeeds once the fault is gone. What each fault does to a single transaction is
// held by tst_simdrive (the simulated drive) and tst_driveprotocol (the protocol); the rows here
// are those where the operation around the transaction does something of its own.
//
// On a busy machine the pseudo-terminal now and then holds a reply past the 0.3 s limit, and the
// transfers retry that word. So that such a retry cannot move a fault onto another word, a fault
// meant for one word is pinned to its address (at=), and the transfers' rows count the tries of
// that word (consecutive identical requests), not every transaction of the sequence.

#include "datatable.h"
#include "operation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

using namespace zr;
using namespace zr::faults;

class TestFaultMatrix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cell_data();
    void cell();

private:
    double cpuPerTransaction_ = 0;
};

// What a transaction costs the program and the drive together on this machine, measured on a
// line without faults: the work a row may do besides waiting.
void TestFaultMatrix::initTestCase() {
    Operation poll(Op::LinkPoll);
    QVERIFY(poll.prepare());
    const int before = poll.rig.port->sentOnLine;
    const double cpu0 = cpuSeconds();
    for (int i = 0; i < 100; ++i)
        poll.run();
    const int sent = poll.rig.port->sentOnLine - before;
    QVERIFY(sent > 0);
    cpuPerTransaction_ = (cpuSeconds() - cpu0) / sent;
}

void TestFaultMatrix::cell_data() {
    columns<QString, QString, QString>("op", "fault", "outcome");
    // The transactions of the word the fault hits (the last word when it hits every word from
    // some point on) for the transfers; of the whole operation otherwise.
    QTest::addColumn<int>("tries");
    // ZR_FAULT_SHARD=i/n keeps every n-th row from the i-th on, so that CTest can run the table
    // in two processes side by side.
    const QStringList shard = qEnvironmentVariable("ZR_FAULT_SHARD").split(QLatin1Char('/'));
    const int shardCount = shard.size() == 2 ? std::max(1, shard[1].toInt()) : 1;
    const int shardIndex = shard.size() == 2 ? shard[0].toInt() : 0;
    int rows = 0;
    auto row = [&](const char *op, const char *fault, const QString &outcome, int tries) {
        if (rows++ % shardCount != shardIndex)
            return;
        QTest::addRow("%s / %s", op, fault)
            << QString::fromLatin1(op) << QString::fromLatin1(fault) << outcome << tries;
    };
    const QString timeout = kTimeoutError;

    // The upload reads ROM 0x3800-0x3BFF; its fourth word fails five times and ends it, or goes
    // through at its fifth try. A late reply arrives during the retry of the same word, whose
    // request is the same: the retry takes it. Surplus bytes after a read's six are ignored.
    row("upload", "noreply:at=0x3803", kCommError, 5);
    row("upload", "checksum:at=0x3803", kCommError, 5);
    row("upload", "echo:at=0x3803:times=4", kDone, 5);
    row("upload", "extra:at=0x3803", kDone, 1);
    row("upload", "late:at=0x3803:times=1", kDone, 2);
    row("upload", "vanish:after=3", kCommError, 5);
    // The parameter download reads ROM 0x3C00-0x3FFF and writes it to RAM 0xBC00-0xBFFF, then
    // the file to RAM 0xB800-0xBBFF; the fourth write fails. A write's reply is its request
    // again, so surplus bytes make a wrong echo. A late echo arrives together with the retry's
    // own: one echo error more before the third try goes through.
    row("download", "noreply:at=0xBC03", kCommError, 5);
    row("download", "extra:at=0xBC03", kCommError, 5);
    row("download", "late:at=0xBC03:times=1", kDone, 3);
    row("download", "vanish:after=1027", kCommError, 5);
    row("download", "noreply:at=0x0315", kNotConfirmed, 1);
    // The program download writes RAM 0x9000-0xB7FF, then its completion word (whose loss the
    // transfer page's test holds for the program).
    row("program", "partial:at=0x9003", kCommError, 5);
    row("program", "echo:at=0x9003:times=4", kDone, 5);

    // One tick of the link page: the release read, its result in Stato; a failed tick hunts on
    // the next port.
    row("link poll", "noreply", timeout, 1);
    row("link poll", "garbage", kChecksumError, 1);
    row("link poll", "trickle", kNoError, 1);
    row("link poll", "vanish", timeout, 1);
    // One tick of the front panel: sixteen display words, then the backlight words 0x030B and
    // 0x030C. Only the last transaction decides: a failed display read alone does not end the
    // tick.
    row("panel poll", "noreply:at=0x030C", timeout, 18);
    row("panel poll", "echo:at=0x030C", kEchoError, 18);
    row("panel poll", "vanish:after=17", timeout, 18);
    row("panel poll", "noreply:at=0x0203", kNoError, 18);

    // The scope takes the line once bytes follow the start command, whatever its result (the
    // drive starts streaming when it has answered, or would have); a drive that does not hear it
    // is asked again until 0.5 s have passed (two tries of 0.3 s) and the line stays with the
    // link. A late reply arrives within the second try.
    row("scope start", "noreply", kScopeHasLine, 1);
    row("scope start", "late", kScopeHasLine, 2);
    row("scope start", "silence", kLinkHasLine, 2);
    row("scope start", "vanish", kLinkHasLine, 1); // nothing more goes out on a vanished line
    // The stop command goes to drive 63, which no drive answers: faults of the reply change
    // nothing. A drive that does not hear it keeps streaming; stopscope gives up after 100 tries.
    row("scope stop", "noreply", kSilent, 1);
    row("scope stop", "silence", kStreaming, 100);
    row("scope stop", "vanish", kGone, 1);
}

namespace {

// Consecutive identical requests are the tries of one word.
struct Word {
    QByteArray request;
    int tries = 0;
    int address() const {
        return static_cast<quint8>(request[1]) * 256 + static_cast<quint8>(request[2]);
    }
};
QList<Word> wordsOf(const QList<QByteArray> &frames) {
    QList<Word> words;
    for (const QByteArray &f : frames) {
        if (words.isEmpty() || words.last().request != f)
            words.append({f, 0});
        ++words.last().tries;
    }
    return words;
}

int wordsOfTransfer(Op op) {
    return op == Op::Upload ? kParameterWords
                            : (op == Op::Download ? 3 * kParameterWords + 1 : kProgramWords + 1);
}

int driveWord(FaultRig &rig, bool ram, int address) {
    return rig.fromDrive<int>([=](sim::SimDrive &d) {
        return static_cast<qint16>(ram ? d.ram(address) : d.rom(address));
    });
}

} // namespace

void TestFaultMatrix::cell() {
    QFETCH(QString, op);
    QFETCH(QString, fault);
    QFETCH(int, tries);
    const Op kind = opNamed(op);
    Operation o(kind);
    QVERIFY(o.prepare());
    const QDir folder(o.rig.dir.path(), {}, QDir::Name, QDir::Files | QDir::NoSymLinks);
    const QStringList filesBefore = folder.entryList();
    const QByteArray uploadTarget = readFile(o.rig.path(QStringLiteral("up.10d")));
    const auto parsed = sim::ParseFault(fault);
    QVERIFY(parsed);
    o.rig.setFault(*parsed);

    const qsizetype framesBefore = o.rig.port->frames.size();
    const int onLineBefore = o.rig.port->sentOnLine;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    const QString got = o.run();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    const double cpu = cpuSeconds() - cpu0;
    const QList<QByteArray> sent = o.rig.port->frames.mid(framesBefore);
    const int onLine = o.rig.port->sentOnLine - onLineBefore;

    QTEST(got, "outcome");
    const bool success = got == successOf(kind);
    if (isTransfer(kind)) {
        const QList<Word> words = wordsOf(sent);
        QVERIFY(!words.isEmpty());
        const bool failed = got == kCommError;
        // The word the fault hits: the one at its address, else the last one tried.
        const auto hit = std::find_if(words.cbegin(), words.cend(), [&](const Word &w) {
            return w.address() == parsed->address;
        });
        QVERIFY(parsed->address < 0 || hit != words.cend());
        const int hitTries = parsed->address < 0 ? words.last().tries : hit->tries;
        // A late echo comes together with the retry's own when the drive answers the retry at
        // once; a drive held up by a busy machine sends them apart, and the retry takes the late
        // one alone.
        const bool lateEcho = parsed->kind == sim::FaultKind::LateReply && kind != Op::Upload;
        QVERIFY2(hitTries == tries || (lateEcho && hitTries == tries - 1),
                 qPrintable(QStringLiteral("%1 tries").arg(hitTries)));
        QCOMPARE(o.view.commErrors, failed ? 1 : 0);
        QCOMPARE(o.view.finishes, failed ? 0 : 1);
        QCOMPARE(o.view.notConfirmed, got == kNotConfirmed ? 1 : 0);
        // The completion word goes out last, once, and only after every word went through.
        const auto completions = std::count_if(sent.cbegin(), sent.cend(), isCompletionWord);
        QCOMPARE(completions, failed || kind == Op::Upload ? 0 : 1);
        if (failed) {
            QCOMPARE(o.view.commErrorLanguage, kLanguage);
            // Nothing after the message; the word that failed was the last one tried.
            QCOMPARE(o.view.framesAtCommError, o.rig.port->frames.size());
            if (parsed->address >= 0)
                QCOMPARE(words.last().address(), parsed->address);
            QCOMPARE(readFile(o.rig.path(QStringLiteral("up.10d"))), uploadTarget);
            QCOMPARE(folder.entryList(), filesBefore);
            QCOMPARE(driveWord(o.rig, true, addr::kCompletion), 0);
        } else {
            QCOMPARE(words.size(), wordsOfTransfer(kind));
            QVERIFY(kind == Op::Upload || isCompletionWord(sent.last()));
        }
    } else if ((kind == Op::Start && got == kScopeHasLine) || kind == Op::Stop) {
        // After each start or stop command the scope listens 5 ms for the stream. A busy machine
        // can hold the drive's next sample longer than that: a start then sends its command
        // again, and a stop hears silence early. The row gives the count on a quiet machine: the
        // least for a start that got the line and for a stop that silenced it, the most (the
        // stop's limit) for a drive that streams on.
        if (got == kStreaming)
            QVERIFY(sent.size() >= 1 && sent.size() <= tries);
        else
            QVERIFY(sent.size() >= tries);
    } else {
        QCOMPARE(sent.size(), tries);
    }
    // No core spinning while the operation waits: besides the work of the transactions that
    // reached the line (three times what one costs here) and 50 ms for files and windows, the
    // CPU stays below a tenth of the time spent. A loop that spins takes a good part of a core
    // even on a busy machine, so the margin is wide.
    const double idleCpu = cpu - 3 * onLine * cpuPerTransaction_;
    QVERIFY2(idleCpu < 0.1 * seconds + 0.05,
             qPrintable(QStringLiteral("%1 s CPU in %2 s for %3 transactions")
                            .arg(cpu)
                            .arg(seconds)
                            .arg(onLine)));
    // What the operation says and leaves behind.
    switch (kind) {
    case Op::LinkPoll:
        QCOMPARE(o.state.LinkOk, shell::Flag(success));
        QCOMPARE(zr::test::child<QLabel>(o.linkPage, "SOFTREL")->text(),
                 success ? QStringLiteral("1.700") : QStringLiteral("X"));
        QCOMPARE(zr::test::child<QLabel>(o.linkPage, "numcom")->text(),
                 success ? QStringLiteral("1") : QStringLiteral("2"));
        break;
    case Op::PanelPoll:
        QCOMPARE(o.panel.linkOk, success);
        if (!success) { // row 1 shows the result text, row 2 is cleared
            QCOMPARE(o.panel.label1, got);
            QCOMPARE(o.panel.label2, QString());
        }
        break;
    case Op::Start:
    case Op::Stop:
        // Exactly one side holds the line, and the panel polls whenever the link has it.
        QCOMPARE(o.acquisition->ownsLine(), got == kScopeHasLine);
        QCOMPARE(o.scopeSide.panelPolling, got != kScopeHasLine);
        QCOMPARE(o.rig.port->IsOpen(), got != kScopeHasLine && !o.rig.lineVanished());
        break;
    default:
        break;
    }

    // Usable afterwards: the same operation succeeds once the fault is gone.
    QCOMPARE(o.runAgain(), successOf(kind));
    switch (kind) {
    case Op::Upload: {
        QByteArray expected;
        for (int i = 0; i < kParameterWords; ++i)
            expected += FormatParameterLine(driveWord(o.rig, false, addr::kParamRom + i));
        QCOMPARE(readFile(o.rig.path(QStringLiteral("up.10d"))), expected);
        break;
    }
    case Op::Download:
        for (int i = 0; i < kParameterWords; i += 31)
            QCOMPARE(driveWord(o.rig, false, addr::kParamRom + i), parameterValue(i));
        break;
    case Op::Program:
        QCOMPARE(driveWord(o.rig, true, addr::kCompletion), 0x5555);
        for (int k = 0; k < kProgramWords; k += 311)
            QCOMPARE(driveWord(o.rig, true, addr::kProgramRam + k), programWord(k));
        break;
    case Op::Start:
    case Op::Stop: {
        // The front panel polls the drive on a quiet line again.
        if (o.acquisition->ownsLine())
            o.acquisition->stopscope();
        front::PanelState panel;
        QVERIFY(front::RunPanelTick(*o.rig.port, 1, panel, o.state.CommResult).linkOk);
        break;
    }
    default:
        break;
    }
    for (const QString &name : {QStringLiteral("p.10d"), QStringLiteral("prog.hex")})
        QCOMPARE(readFile(o.rig.path(name)),
                 name == QLatin1String("p.10d") ? parameterFile() : programFile());
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
