// What protects a drive's set around a parameter download: the backup before it and the
// read-back after it, on the in-process simulated drive.

#include "datatable.h"
#include "driveprotocol.h"
#include "parambackup.h"
#include "parameterset.h"
#include "recordingport.h"
#include "simdrive.h"
#include "simserialport.h"
#include "transfertexts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace zr;
using namespace zr::sim;

namespace {

// A drive on its own line, its frames recorded.
struct Rig {
    SimDrive drive;
    SimSerialPort sim{drive};
    RecordingPort port{sim};
    TransferView view;
    Rig() {
        sim.useOwnTime(true);
        port.Open();
    }
    TransferLink link() { return TransferLink{port, 1, 1}; }
};

std::vector<int> fileWords() {
    std::vector<int> words(1024);
    for (int i = 0; i < 1024; ++i)
        words[static_cast<size_t>(i)] = i * 3 - 500;
    return words;
}

QString writeSet(const QString &path, const std::vector<int> &words) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    for (const int w : words)
        f.write(FormatParameterLine(w));
    return path;
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime kWhen(QDate(2026, 12, 7), QTime(14, 30, 5));

} // namespace

class TestParamSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void backupHoldsTheDriveSetAndLeavesTheDownloadAsItWas();
    void failedBackupWritesNothing_data();
    void failedBackupWritesNothing();
    void theNewestHundredAreKept();
    void readBack_data();
    void readBack();
};

// The backup reads ROM 0x3800-0x3BFF into a file; the download after it sends exactly the frames
// a download without a backup sends.
void TestParamSafety::backupHoldsTheDriveSetAndLeavesTheDownloadAsItWas() {
    QTemporaryDir dir;
    const QString file = writeSet(dir.filePath(QStringLiteral("p.10d")), fileWords());
    Rig plain, guarded;
    QCOMPARE(DownloadParameters(plain.link(), file, plain.view), TransferOutcome::Done);

    const BackupResult r = BackupParameterSet(
        guarded.link(), 1700, dir.filePath(QStringLiteral("b")), guarded.view, kWhen);
    QVERIFY(r.ok);
    QCOMPARE(r.path, dir.filePath(QStringLiteral("b/20261207-143005_drive1_rel1700.10d")));
    QByteArray expected;
    for (int i = 0; i < 1024; ++i)
        expected += FormatParameterLine(static_cast<qint16>(guarded.drive.rom(0x3800 + i)));
    QCOMPARE(readFile(r.path), expected);
    QCOMPARE(guarded.port.frames.size(), 1024);
    for (int i = 0; i < 1024; ++i)
        QCOMPARE(guarded.port.frames.at(i), BuildRequest(1, 0x3800 + i, false, false, QString()));

    QCOMPARE(DownloadParameters(guarded.link(), file, guarded.view), TransferOutcome::Done);
    QCOMPARE(guarded.port.frames.mid(1024), plain.port.frames);
    // A second backup in the same second takes a name of its own.
    QCOMPARE(QFileInfo(BackupParameterSet(guarded.link(), 1700, dir.filePath(QStringLiteral("b")),
                                          guarded.view, kWhen)
                           .path)
                 .fileName(),
             QStringLiteral("20261207-143005-2_drive1_rel1700.10d"));
}

void TestParamSafety::failedBackupWritesNothing_data() {
    columns<QString, bool, QString>("fault", "folderIsAFile", "says");
    row("drive silent", "silence", false, "the drive does not answer (ROM 0x3800)");
    row("drive silent halfway", "silence:after=500", false, "(ROM 0x39F4)");
    row("folder cannot be made", "", true, "could not be backed up");
}

void TestParamSafety::failedBackupWritesNothing() {
    QFETCH(QString, fault);
    QFETCH(bool, folderIsAFile);
    QFETCH(QString, says);
    QTemporaryDir dir;
    Rig rig;
    if (!fault.isEmpty())
        rig.drive.addFault(*ParseFault(fault));
    QString folder = dir.filePath(QStringLiteral("b"));
    if (folderIsAFile)
        folder = writeSet(folder, {}) + QStringLiteral("/inner");
    const BackupResult r = BackupParameterSet(rig.link(), 1700, folder, rig.view, kWhen);
    QVERIFY(!r.ok);
    QVERIFY(!QFileInfo::exists(r.path));
    QVERIFY(ListBackups(folder).isEmpty());
    const QString text = BackupFailedText(r, 1);
    QVERIFY2(text.contains(says), qPrintable(text));
    for (const QByteArray &frame : std::as_const(rig.port.frames))
        QVERIFY(!(static_cast<quint8>(frame.at(0)) & 0x80)); // nothing written
}

// Old backups beyond the newest hundred go; other files in the folder stay.
void TestParamSafety::theNewestHundredAreKept() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("b"));
    QDir().mkpath(folder);
    for (int k = 0; k < 105; ++k)
        writeSet(
            QDir(folder).filePath(BackupFileName(kWhen.addSecs(-3600 - k), 1, k % 2 ? 1700 : 1310)),
            {});
    writeSet(QDir(folder).filePath(QStringLiteral("notes.10d")), {});
    Rig rig;
    QVERIFY(BackupParameterSet(rig.link(), 1700, folder, rig.view, kWhen).ok);
    const QStringList kept = ListBackups(folder);
    QCOMPARE(kept.size(), 100);
    QCOMPARE(QFileInfo(kept.first()).fileName(),
             QStringLiteral("20261207-143005_drive1_rel1700.10d"));
    QCOMPARE(QFileInfo(kept.last()).fileName(), BackupFileName(kWhen.addSecs(-3600 - 98), 1, 1310));
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("notes.10d"))));
}

// After a download the set is read back: a drive that stored one wrong word is caught and named,
// a drive slow to answer is given the five tries, a silent one is reported as such.
void TestParamSafety::readBack_data() {
    columns<QString, int, QList<int>, QString>("fault", "kind", "differing", "says");
    row("stored as sent", "", int(VerifyResult::Equal), QList<int>{}, "");
    row("one word stored wrong", "wrongstore:at=0xB805:times=1", int(VerifyResult::Differ),
        QList<int>{5}, "1 lines: line 6 (drive -486, file -485).\nThe drive may hold a mixed");
    row("slow to store: four tries", "noreply:at=0x3800:times=4", int(VerifyResult::Equal),
        QList<int>{}, "");
    row("silent after the download", "noreply:at=0x3802", int(VerifyResult::NoAnswer), QList<int>{},
        "does not answer (ROM 0x3802)");
}

void TestParamSafety::readBack() {
    QFETCH(QString, fault);
    QFETCH(int, kind);
    QFETCH(QList<int>, differing);
    QFETCH(QString, says);
    QTemporaryDir dir;
    Rig rig;
    if (!fault.isEmpty())
        rig.drive.addFault(*ParseFault(fault));
    const std::vector<int> words = fileWords();
    const QString file = writeSet(dir.filePath(QStringLiteral("p.10d")), words);
    QCOMPARE(DownloadParameters(rig.link(), file, rig.view), TransferOutcome::Done);
    const VerifyResult r = VerifyParameterSet(rig.link(), words, rig.view);
    QCOMPARE(int(r.kind), kind);
    QCOMPARE(r.differing, differing);
    const QString text = r.kind == VerifyResult::Differ
                             ? VerifyDifferText(r.differing, r.driveWords, words, 1)
                             : VerifyNoAnswerText(r.failedAddress, 1);
    if (!says.isEmpty())
        QVERIFY2(text.contains(says), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestParamSafety)
#include "tst_paramsafety.moc"
