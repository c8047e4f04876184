// The transfer sequences frame by frame against the in-process simulated drive.

#include "datatable.h"
#include "driveprotocol.h"
#include "recordingport.h"
#include "simdrive.h"
#include "simserialport.h"
#include "transfersequences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

using namespace zr;
using namespace zr::sim;

namespace {

struct RecordingView : TransferView {
    int progressMax = -1;
    int progressValue = -1;
    int progressSteps = 0; // values that were one more than the one before
    int notConfirmed = 0;
    int commErrors = 0;
    QList<FileProblem> problems;
    bool pollEnabled = true;
    QStringList labels;
    void setProgressRange(int, int max) override { progressMax = max; }
    void setProgressValue(int v) override {
        progressSteps += v > 0 && v == progressValue + 1;
        progressValue = v;
    }
    void showNotConfirmed(bool) override { ++notConfirmed; }
    void setPollEnabled(bool on) override { pollEnabled = on; }
    void setLabel(const QString &t, bool visible) override {
        if (visible)
            labels << t;
    }
    void showFileProblem(const FileProblem &p) override { problems << p; }
    void ShowCommError(int) override { ++commErrors; }
};

QByteArray frameRead(bool rom, int address) {
    return BuildRequest(1, address, false, !rom, QString());
}
QByteArray frameWrite(int address, int value) {
    return BuildRequest(1, address, true, true, QString::number(value));
}

QByteArray parameterFile(int count) {
    QByteArray b;
    for (int i = 0; i < count; ++i)
        b += QByteArray::number(i * 3 - 500) + "\r\n";
    return b;
}

// 8192 filler pairs, then 10240 words: word k = k, except the last, which is FFFF.
QByteArray programFile(bool separators) {
    QByteArray b;
    for (int i = 0; i < kProgramSkipPairs; ++i)
        b += "EE";
    for (int k = 0; k < kProgramWords; ++k) {
        const int w = k == kProgramWords - 1 ? 0xFFFF : k;
        b += QByteArray::number(w, 16).toUpper().rightJustified(4, '0');
        if (separators)
            b += (k % 8 == 7) ? "\r\n" : " ";
    }
    return b;
}

bool writeFile(const QString &path, const QByteArray &content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestTransferSequences : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void downloadParametersFrameByFrame();
    void uploadGivesBackTheDownloadedBytes();
    void programDownload();
    void parameterFileForms_data();
    void parameterFileForms();
    void badFilesSendNothing_data();
    void badFilesSendNothing();
    void fileCutWhileTheProgramGoesOut();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SimDrive> drive_;
    std::unique_ptr<SimSerialPort> sim_;
    std::unique_ptr<RecordingPort> port_;
    RecordingView view_;
    TransferLink link() { return TransferLink{*port_, 1, 1}; }
    QString path(const char *name) { return dir_->filePath(QString::fromLatin1(name)); }
};

void TestTransferSequences::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    drive_ = std::make_unique<SimDrive>();
    sim_ = std::make_unique<SimSerialPort>(*drive_);
    port_ = std::make_unique<RecordingPort>(*sim_);
    QVERIFY(port_->Open());
    view_ = RecordingView();
}

void TestTransferSequences::cleanup() {
    port_.reset();
    sim_.reset();
    drive_.reset();
    dir_.reset();
}

// Values beyond the first 1024 are not sent.
void TestTransferSequences::downloadParametersFrameByFrame() {
    QVERIFY(writeFile(path("p.10d"), parameterFile(1030)));
    QCOMPARE(DownloadParameters(link(), path("p.10d"), view_), TransferOutcome::Done);
    const auto &f = port_->frames;
    QCOMPARE(f.size(), 3073);
    for (int i = 0; i < 1024; ++i) {
        QCOMPARE(f.at(i), frameRead(true, 0x3C00 + i));
        QCOMPARE(f.at(1024 + i), frameWrite(0xBC00 + i, static_cast<qint16>(1023 - i)));
        QCOMPARE(f.at(2048 + i), frameWrite(0xB800 + i, i * 3 - 500));
    }
    QCOMPARE(f.last(), QByteArray::fromHex("810315AAAAED"));
    QCOMPARE(view_.progressMax, 3072);
    QCOMPARE(view_.progressValue, 3072);
    QCOMPARE(view_.progressSteps, 3072);
    QCOMPARE(view_.labels, QStringList{QStringLiteral("Download.......")});
}

// The completion word copies the blocks into ROM, where the upload reads them in line form.
void TestTransferSequences::uploadGivesBackTheDownloadedBytes() {
    QByteArray original; // the line form: a blank for the sign of a positive value, one after
    for (int i = 0; i < 1024; ++i) {
        const int v = (i * 7919) % 65536 - 32768;
        original += (v < 0 ? "" : " ") + QByteArray::number(v) + " \r\n";
    }
    QVERIFY(writeFile(path("in.10d"), original));
    QCOMPARE(DownloadParameters(link(), path("in.10d"), view_), TransferOutcome::Done);
    port_->frames.clear();
    view_ = RecordingView();
    QCOMPARE(UploadParameters(link(), path("out.10d"), view_), TransferOutcome::Done);
    QCOMPARE(readFile(path("out.10d")), original);
    QCOMPARE(port_->frames.size(), 1024);
    QCOMPARE(port_->frames.first(), frameRead(true, 0x3800));
    QCOMPARE(port_->frames.last(), frameRead(true, 0x3BFF));
    QCOMPARE(view_.progressMax, 1024);
    QCOMPARE(view_.progressSteps, 1024); // after every word
    QCOMPARE(view_.labels, QStringList{QStringLiteral("Upload.......")});
    QVERIFY(view_.pollEnabled);
}

// Pairs only; blanks and line ends between pairs go out in fileCutWhileTheProgramGoesOut.
void TestTransferSequences::programDownload() {
    drive_->setStatus(0);
    QVERIFY(writeFile(path("prog.hex"), programFile(false)));
    QCOMPARE(DownloadProgram(link(), path("prog.hex"), view_), TransferOutcome::Done);
    const auto &f = port_->frames;
    QCOMPARE(f.size(), 10241);
    QCOMPARE(f.first(), frameWrite(0x9000, 0));
    QCOMPARE(f.at(10239),
             QByteArray::fromHex("81B7FFFFFF") + char((0x81 + 0xB7 + 0xFF + 0xFF + 0xFF) % 256));
    QCOMPARE(f.last(), QByteArray::fromHex("810315555543"));
    QCOMPARE(drive_->ram(0x9123), quint16(0x123));
    QCOMPARE(drive_->ram(0xB7FF), quint16(0xFFFF));
    QCOMPARE(drive_->ram(0x0280) & 0x4000, 0x4000);
    QCOMPARE(view_.progressMax, 20480);
    QCOMPARE(view_.progressValue, 20480);
    QCOMPARE(view_.progressSteps, 20480);
    QCOMPARE(view_.notConfirmed, 0);
}

// The forms of a parameter file a download takes: the first 1024 values whatever separates them.
void TestTransferSequences::parameterFileForms_data() {
    columns<QByteArray, int>("content", "first");
    QByteArray commas;
    for (int i = 0; i < 1024; ++i)
        commas += QByteArray::number(i * 3 - 500) + ((i % 8 == 7) ? "\n" : ",");
    row("commas and LF", commas, -500);
    row("blank lines skipped", "\r\n  \r\n" + parameterFile(1024), -500);
    row("anything after 1024 values", parameterFile(1024) + "not a number\r\n", -500);
    row("blanks around", "  -500  \r\n" + parameterFile(1024).mid(6), -500);
}

void TestTransferSequences::parameterFileForms() {
    QFETCH(QByteArray, content);
    QFETCH(int, first);
    QVERIFY(writeFile(path("p.10d"), content));
    QCOMPARE(DownloadParameters(link(), path("p.10d"), view_), TransferOutcome::Done);
    QCOMPARE(drive_->ram(0xB800), static_cast<quint16>(first));
    QCOMPARE(drive_->ram(0xBBFF), static_cast<quint16>(1023 * 3 - 500));
}

void TestTransferSequences::badFilesSendNothing_data() {
    QTest::addColumn<int>("sequence");
    QTest::addColumn<QByteArray>("content"); // empty = no file at all
    QTest::addColumn<int>("problem");
    row("parameters: missing file", 1, QByteArray(), int(FileProblem::CannotOpen));
    row("parameters: 1000 values", 1, parameterFile(1000), int(FileProblem::TooFewValues));
    row("parameters: word", 1, QByteArray("abc\r\n") + parameterFile(1024),
        int(FileProblem::NotANumber));
    row("parameters: 70000", 1, QByteArray("70000\r\n") + parameterFile(1024),
        int(FileProblem::OutOfRange));
    row("program: missing file", 2, QByteArray(), int(FileProblem::CannotOpen));
    row("program: ends early", 2, programFile(false).chopped(2), int(FileProblem::TooShort));
    QByteArray bad = programFile(false);
    bad[2 * kProgramSkipPairs + 401] = 'x';
    row("program: broken pair", 2, bad, int(FileProblem::BadPair));
    // A lower-case letter is skipped where a pair starts, so every later pair would shift.
    QByteArray lower = programFile(false);
    lower[2 * kProgramSkipPairs + 400] = 'e';
    row("program: lower-case pair start", 2, lower, int(FileProblem::LowerCase));
    lower = programFile(false);
    lower[100] = 'a';
    row("program: lower case among the skipped pairs", 2, lower, int(FileProblem::LowerCase));
    row("upload: cannot create", 0, QByteArray(), int(FileProblem::CannotCreate));
    row("program: a device that never ends", 2, QByteArray("/dev/zero"),
        int(FileProblem::NotAFile));
    row("parameters: a pipe without a writer", 1, QByteArray("FIFO"), int(FileProblem::NotAFile));
    row("parameters: a folder", 1, QByteArray("DIR"), int(FileProblem::NotAFile));
    row("program: larger than 1 MB", 2, programFile(false) + QByteArray(1024 * 1024, ' '),
        int(FileProblem::TooLarge));
}

void TestTransferSequences::badFilesSendNothing() {
    QFETCH(int, sequence);
    QFETCH(QByteArray, content);
    QString file = path("f");
    if (content == "/dev/zero")
        file = QString::fromLatin1(content);
    else if (content == "FIFO")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (content == "DIR")
        QVERIFY(QDir().mkpath(file));
    else if (!content.isEmpty())
        QVERIFY(writeFile(file, content));
    TransferOutcome outcome = TransferOutcome::Done;
    if (sequence == 0)
        outcome = UploadParameters(link(), path("no-such-dir/f"), view_);
    else if (sequence == 1)
        outcome = DownloadParameters(link(), file, view_);
    else
        outcome = DownloadProgram(link(), file, view_);
    QCOMPARE(outcome, TransferOutcome::BadFile);
    QVERIFY(port_->frames.isEmpty());
    QCOMPARE(view_.problems.size(), 1);
    QTEST(int(view_.problems.first().kind), "problem");
    QVERIFY(view_.pollEnabled);
    QCOMPARE(view_.commErrors, 0);
}

// Another program cuts the file as soon as it is opened a second time: the download sends what
// it checked, all of it, from one reading.
void TestTransferSequences::fileCutWhileTheProgramGoesOut() {
    const QByteArray program = programFile(true);
    QVERIFY(writeFile(path("prog.hex"), program));
    const int watch = ::inotify_init1(IN_NONBLOCK);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(path("prog.hex")).constData(), IN_OPEN) >=
            0);
    int opens = 0;
    const auto countOpens = [&] {
        char buf[4096];
        ssize_t n = 0;
        while ((n = ::read(watch, buf, sizeof buf)) > 0)
            for (char *p = buf; p < buf + n;) {
                const auto *e = reinterpret_cast<inotify_event *>(p);
                opens += (e->mask & IN_OPEN) != 0;
                p += sizeof(inotify_event) + e->len;
            }
    };
    struct Cutter : RecordingView {
        std::function<void()> onProgress;
        void setProgressValue(int v) override {
            RecordingView::setProgressValue(v);
            if (onProgress)
                onProgress();
        }
    } view;
    view.onProgress = [&] {
        countOpens();
        if (opens >= 2)
            QFile::resize(path("prog.hex"), 7063);
    };
    QCOMPARE(DownloadProgram(link(), path("prog.hex"), view), TransferOutcome::Done);
    countOpens();
    ::close(watch);
    QCOMPARE(opens, 1);
    QCOMPARE(drive_->ram(0x9123), quint16(0x123));
    QCOMPARE(drive_->ram(0xB7FE), quint16(kProgramWords - 2));
    QCOMPARE(drive_->ram(0xB7FF), quint16(0xFFFF));
}

QTEST_GUILESS_MAIN(TestTransferSequences)
#include "tst_transfersequences.moc"
