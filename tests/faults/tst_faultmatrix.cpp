// The fault matrix: each fault of the simulated drive against the operations that talk to the
// drive. A row names the operation, the fault (in zr3500-sim's --fault form, counted from the
// operation's first transaction), the outcome and the requests it sends. Every row also checks
// that a failure is not reported as success and changes no file, and that the same operation
// succeeds once the fault is gone. What each fault does to a single transaction is held by
// tst_simdrive and tst_driveprotocol; the rows here are those where the operation around the
// transaction does something of its own.
//
// The rows run in process; those where the device vanishes run through the program's real serial
// port on a pseudo-terminal, and so does one wait for a silent drive, so that the check that no
// core spins while the program waits sees a real wait.

#include "datatable.h"
#include "faultrig.h"

#include "driveprotocol.h"
#include "linkcontroller.h"
#include "panelpoll.h"
#include "scopeacquisition.h"
#include "transfersequences.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace zr;
using namespace zr::faults;

namespace {

// Outcomes besides the four result texts: the transfers', who holds the line after startscope,
// and what the line does after stopscope.
const QString kDone = QStringLiteral("Done");
const QString kNotConfirmed = QStringLiteral("Not confirmed");
const QString kCommError = QStringLiteral("Communication error");
const QString kScopeHasLine = QStringLiteral("scope");
const QString kLinkHasLine = QStringLiteral("link");
const QString kSilent = QStringLiteral("silent");
const QString kStreaming = QStringLiteral("streaming");
const QString kGone = QStringLiteral("gone");

constexpr int kLanguage = 2; // French: the communication error must come in the user's language

enum class Op { Upload, Download, Program, LinkPoll, PanelPoll, Start, Stop };
const char *const kOpNames[] = {"upload",     "download",    "program",   "link poll",
                                "panel poll", "scope start", "scope stop"};

bool isTransfer(Op op) {
    return op == Op::Upload || op == Op::Download || op == Op::Program;
}

QString successOf(Op op) {
    return isTransfer(op)    ? kDone
           : op == Op::Start ? kScopeHasLine
           : op == Op::Stop  ? kSilent
                             : kNoError;
}

// A parameter set and a program.
QByteArray parameterFile() {
    QByteArray b;
    for (int i = 0; i < kParameterWords; ++i)
        b += QByteArray::number(i * 7 + 3) + "\r\n";
    return b;
}
QByteArray programFile() {
    return QByteArray("EE").repeated(kProgramSkipPairs) +
           QByteArray("0A05").repeated(kProgramWords);
}
QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool isCompletionWord(const QByteArray &frame) {
    return frame.size() == 6 && (static_cast<quint8>(frame[0]) & 0x80) &&
           frame.mid(1, 2) == QByteArray::fromHex("0315");
}

// Consecutive identical requests at the end: the tries of the last word.
int triesOfLastWord(const QList<QByteArray> &frames) {
    int n = 0;
    while (n < frames.size() && frames[frames.size() - 1 - n] == frames.last())
        ++n;
    return n;
}

struct RecordingView final : TransferView {
    const QList<QByteArray> *frames = nullptr;
    int commErrors = 0;
    int commErrorLanguage = -1;
    qsizetype framesAtCommError = -1;
    int finishes = 0;
    int notConfirmed = 0;
    void finished(bool) override { ++finishes; }
    void showNotConfirmed(bool) override { ++notConfirmed; }
    void ShowCommError(int language) override {
        ++commErrors;
        commErrorLanguage = language;
        framesAtCommError = frames->size();
    }
};

// The front panel's poll as the acquisition sees it.
struct ScopeSide final : scope::ScopeView {
    bool panelPolling = true;
    bool panelPollRunning() const override { return panelPolling; }
    void stopPanelPoll() override { panelPolling = false; }
    void startPanelPoll() override { panelPolling = true; }
};

// One operation of the program on the rig's line, with what it needs around it.
struct Operation {
    explicit Operation(Op kind) : op(kind) {}

    bool prepare(bool pty) {
        if (!rig.start(pty) || !writeFile(file("p.10d"), parameterFile()) ||
            !writeFile(file("prog.hex"), programFile()) ||
            !writeFile(file("up.10d"), QByteArrayLiteral("old file\r\n")))
            return false;
        state.DriveAddress = 1;
        link = std::make_unique<LinkController>(*rig.port, state);
        acquisition = std::make_unique<scope::ScopeAcquisition>(*rig.port, state.DriveAddress,
                                                                state.CommResult, rig.scopePort());
        acquisition->setView(&scopeSide);
        acquisition->setClock([this] { return rig.port->clockNs() / 1000000; });
        return op != Op::Stop || acquisition->startscope();
    }

    QString file(const char *name) const { return rig.path(QString::fromLatin1(name)); }

    // The operation once; its outcome in the table's words.
    QString run() {
        const TransferLink transfer{*rig.port, state.DriveAddress, kLanguage};
        view = RecordingView();
        view.frames = &rig.port->frames;
        switch (op) {
        case Op::Upload:
            return outcomeText(UploadParameters(transfer, file("up.10d"), view));
        case Op::Download:
            return outcomeText(DownloadParameters(transfer, file("p.10d"), view));
        case Op::Program:
            return outcomeText(DownloadProgram(transfer, file("prog.hex"), view));
        case Op::LinkPoll:
            link->pollTick();
            return link->statusText();
        case Op::PanelPoll:
            panel = front::RunPanelTick(*rig.port, 1, panelState, state.CommResult);
            return ResultText(state.CommResult);
        case Op::Start:
            acquisition->startscope();
            return acquisition->ownsLine() ? kScopeHasLine : kLinkHasLine;
        case Op::Stop:
            acquisition->stopscope();
            if (rig.lineVanished())
                return kGone;
            return rig.fromDrive([](sim::SimDrive &d) { return d.scopeStream().running(); })
                       ? kStreaming
                       : kSilent;
        }
        return {};
    }

    // The fault gone, the program gets the line back as it would: the scope gives it back, and
    // the link's poll hunts until it finds the drive again.
    QString runAgain() {
        if (acquisition->ownsLine())
            acquisition->stopscope();
        if (!rig.restore())
            return QStringLiteral("the line did not come back");
        if (op == Op::Stop && !acquisition->startscope())
            return QStringLiteral("the scope did not start again");
        QString outcome = run();
        for (int tick = 0; op == Op::LinkPoll && outcome != kNoError && tick < 4; ++tick)
            outcome = run();
        return outcome;
    }

    static QString outcomeText(TransferOutcome o) {
        return o == TransferOutcome::Done           ? kDone
               : o == TransferOutcome::NotConfirmed ? kNotConfirmed
               : o == TransferOutcome::CommError    ? kCommError
                                                    : QStringLiteral("file refused");
    }

    Op op;
    FaultRig rig;
    LinkState state;
    std::unique_ptr<LinkController> link;
    std::unique_ptr<scope::ScopeAcquisition> acquisition;
    ScopeSide scopeSide;
    RecordingView view;
    front::PanelState panelState;
    front::PanelPoll panel;
};

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cell_data();
    void cell();

private:
    double cpuPerTransaction_ = 0;
};

// What a transaction on the pseudo-terminal costs the program and the drive together on this
// machine, measured on a line without faults: the work a row may do besides waiting.
void TestFaultMatrix::initTestCase() {
    Operation poll(Op::LinkPoll);
    QVERIFY(poll.prepare(true));
    const double cpu0 = cpuSeconds();
    for (int i = 0; i < 100; ++i)
        poll.run();
    QVERIFY(poll.rig.port->sentOnLine > 0);
    cpuPerTransaction_ = (cpuSeconds() - cpu0) / poll.rig.port->sentOnLine;
}

void TestFaultMatrix::cell_data() {
    columns<bool, int, QString, QString, int>("pty", "op", "fault", "outcome", "requests");
    auto row = [](Op op, const char *fault, const QString &outcome, int requests,
                  bool pty = false) {
        QTest::addRow("%s / %s%s", kOpNames[int(op)], fault, pty ? " (real port)" : "")
            << pty << int(op) << QString::fromLatin1(fault) << outcome << requests;
    };
    constexpr bool pty = true;
    constexpr int kTries = kMaxTriesPerWord;
    const int kDownloadWords = 3 * kParameterWords + 1;

    // The upload reads ROM 0x3800-0x3BFF; its fourth word fails five times and ends it, or goes
    // through at its fifth try. A late reply arrives during the retry of the same word, whose
    // request is the same: the retry takes it. Surplus bytes after a read's six are ignored.
    row(Op::Upload, "noreply:at=0x3803", kCommError, 3 + kTries);
    row(Op::Upload, "checksum:at=0x3803", kCommError, 3 + kTries);
    row(Op::Upload, "echo:at=0x3803:times=4", kDone, kParameterWords + 4);
    row(Op::Upload, "extra:at=0x3803", kDone, kParameterWords);
    row(Op::Upload, "late:at=0x3803:times=1", kDone, kParameterWords + 1);
    // On the pseudo-terminal a busy machine can hold a reply past the limit, and a transfer
    // tries that word again: there a row counts the tries of the word that failed.
    row(Op::Upload, "vanish:after=3", kCommError, kTries, pty);
    // The parameter download reads ROM 0x3C00-0x3FFF, writes it to RAM 0xBC00-0xBFFF, then
    // the file to RAM 0xB800-0xBBFF, then the completion word; the fourth write fails. A write's
    // reply is its request again, so surplus bytes make a wrong echo. A late echo arrives
    // together with the retry's own: one echo error more before the third try goes through.
    row(Op::Download, "noreply:at=0xBC03", kCommError, kParameterWords + 3 + kTries);
    row(Op::Download, "extra:at=0xBC03", kCommError, kParameterWords + 3 + kTries);
    row(Op::Download, "late:at=0xBC03:times=1", kDone, kDownloadWords + 2);
    row(Op::Download, "vanish:after=1027", kCommError, kTries, pty);
    row(Op::Download, "noreply:at=0x0315", kNotConfirmed, kDownloadWords);
    // The program download writes RAM 0x9000-0xB7FF, then its completion word (whose loss the
    // transfer page's test holds for the program).
    row(Op::Program, "partial:at=0x9003", kCommError, 3 + kTries);
    row(Op::Program, "echo:at=0x9003:times=4", kDone, kProgramWords + 1 + 4);

    // One tick of the link's poll: the release read, its result the status; a failed tick hunts
    // on the next port.
    row(Op::LinkPoll, "noreply", kTimeoutError, 1);
    row(Op::LinkPoll, "noreply", kTimeoutError, 1, pty);
    row(Op::LinkPoll, "garbage", kChecksumError, 1);
    row(Op::LinkPoll, "trickle", kNoError, 1);
    row(Op::LinkPoll, "vanish", kTimeoutError, 1, pty);
    // One tick of the front panel: sixteen display words, then the backlight words 0x030B and
    // 0x030C. Only the last transaction decides: a failed display read alone does not end the
    // tick.
    row(Op::PanelPoll, "noreply:at=0x030C", kTimeoutError, 18);
    row(Op::PanelPoll, "echo:at=0x030C", kEchoError, 18);
    row(Op::PanelPoll, "vanish:after=17", kTimeoutError, 18, pty);
    row(Op::PanelPoll, "noreply:at=0x0203", kNoError, 18);

    // The scope takes the line once bytes follow the start command, whatever its result (the
    // drive starts streaming when it has answered, or would have); a drive that does not hear it
    // is asked again until 0.5 s have passed (two tries of 0.3 s) and the line stays with the
    // link. A late reply arrives within the second try.
    row(Op::Start, "noreply", kScopeHasLine, 1);
    row(Op::Start, "late", kScopeHasLine, 2);
    row(Op::Start, "silence", kLinkHasLine, 2);
    row(Op::Start, "vanish", kLinkHasLine, 1, pty); // nothing more goes out on a vanished line
    // The stop command goes to drive 63, which no drive answers: faults of the reply change
    // nothing. A drive that does not hear it keeps streaming; stopscope gives up after 100 tries.
    row(Op::Stop, "noreply", kSilent, 1);
    row(Op::Stop, "silence", kStreaming, scope::kMaxStopAttempts);
    row(Op::Stop, "vanish", kGone, 1, pty);
}

void TestFaultMatrix::cell() {
    QFETCH(bool, pty);
    QFETCH(int, op);
    QFETCH(QString, fault);
    QFETCH(int, requests);
    const Op kind = Op(op);
    Operation o(kind);
    QVERIFY(o.prepare(pty));
    const QDir folder(o.rig.dir.path(), {}, QDir::Name, QDir::Files | QDir::NoSymLinks);
    const QStringList filesBefore = folder.entryList();
    const QByteArray uploadTarget = readFile(o.file("up.10d"));
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
    QCOMPARE(pty && isTransfer(kind) ? triesOfLastWord(sent) : sent.size(), requests);
    const bool success = got == successOf(kind);
    if (isTransfer(kind)) {
        const bool failed = got == kCommError;
        QCOMPARE(o.view.commErrors, failed ? 1 : 0);
        QCOMPARE(o.view.finishes, failed ? 0 : 1);
        QCOMPARE(o.view.notConfirmed, got == kNotConfirmed ? 1 : 0);
        // The completion word goes out last, once, and only after every word went through.
        const auto completions = std::count_if(sent.cbegin(), sent.cend(), isCompletionWord);
        QCOMPARE(completions, failed || kind == Op::Upload ? 0 : 1);
        QVERIFY(failed || kind == Op::Upload || isCompletionWord(sent.last()));
        if (failed) { // nothing after the message, and no file touched
            QCOMPARE(o.view.commErrorLanguage, kLanguage);
            QCOMPARE(o.view.framesAtCommError, o.rig.port->frames.size());
            QCOMPARE(readFile(o.file("up.10d")), uploadTarget);
            QCOMPARE(folder.entryList(), filesBefore);
        }
    }
    // No core spinning while the operation waits on the real port: besides the work of the
    // transactions that reached the line (three times what one costs here) and 50 ms for files,
    // the CPU stays below a tenth of the time spent. A loop that spins takes a good part of a
    // core even on a busy machine, so the margin is wide.
    const double idleCpu = cpu - 3 * onLine * cpuPerTransaction_;
    QVERIFY2(!pty || idleCpu < 0.1 * seconds + 0.05,
             qPrintable(QStringLiteral("%1 s CPU in %2 s for %3 transactions")
                            .arg(cpu)
                            .arg(seconds)
                            .arg(onLine)));
    // What the operation says and leaves behind.
    switch (kind) {
    case Op::LinkPoll:
        QCOMPARE(o.state.LinkOk, Flag(success));
        QCOMPARE(o.link->releaseText(), success ? QStringLiteral("1.700") : QStringLiteral("X"));
        QCOMPARE(o.link->portText(), success ? QStringLiteral("1") : QStringLiteral("2"));
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

    // Usable afterwards: the same operation succeeds once the fault is gone (what the transfers
    // carry is held by tst_transfersequences), and the front panel polls a quiet line again.
    QCOMPARE(o.runAgain(), successOf(kind));
    if (kind == Op::Start || kind == Op::Stop) {
        if (o.acquisition->ownsLine())
            o.acquisition->stopscope();
        front::PanelState panel;
        QVERIFY(front::RunPanelTick(*o.rig.port, 1, panel, o.state.CommResult).linkOk);
    }
}

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
