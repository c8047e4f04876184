// zr3500-cli's transfer commands against zr3500-sim on a pseudo-terminal.

#include "datatable.h"
#include "programs.h"
#include "smalldisk.h"
#include "transferfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zr;

namespace {
bool writeFile(const QString &path, const QByteArray &content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}
} // namespace

class TestCliTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void transfers_data();
    void transfers();
    void uploadOntoAFullDisk();
    void downloadKeepsABackup();
    void compareParams_data();
    void compareParams();
    void historyRecordsEachTransfer();
    void newParams_data();
    void newParams();
};

void TestCliTransfer::transfers_data() {
    columns<QStringList, QString>("simArgs", "command");
    QTest::addColumn<QByteArray>("file"); // written to FILE first unless empty
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says"); // in stdout or stderr

    QByteArray params;
    for (int i = 0; i < 1024; ++i)
        params += FormatParameterLine(1000 - i * 5);
    QByteArray program;
    for (int i = 0; i < kProgramSkipPairs + kProgramPairs; ++i)
        program += (i % 32 == 31) ? "5A\r\n" : "5A";

    row("download and verify", QStringList(), "download-params --verify", params, 0,
        "holds all 1024 values");
    row("program download", QStringList{"--status", "0"}, "download-program", program, 0, "");
    row("short parameter file", QStringList(), "download-params", params.left(100), 2,
        "Nothing was sent to the drive.");
    row("drive falls silent", QStringList{"--fault", "silence:after=1500"}, "download-params",
        params, 2, "Communication error between ZR3500 and PC.");
    row("backup fails: nothing sent", QStringList{"--fault", "silence:after=300"},
        "download-params", params, 2, "could not be backed up before the download");
    row("upload", QStringList(), "upload-params", QByteArray(), 0, "");
    // Two release reads (finding the drive, naming the transfer), then 3072 words go out.
    row("completion word unanswered", QStringList{"--fault", "silence:after=3074"},
        "download-params --no-backup", params, 2,
        "The drive did not confirm the end of the parameter download");
}

// The old file survives an upload onto a disk without room, byte for byte and with no scrap
// beside it, and the command fails saying why.
void TestCliTransfer::uploadOntoAFullDisk() {
    QTemporaryDir dir;
    SmallDisk disk(dir.filePath(QStringLiteral("small")), 8);
    if (!disk.mounted())
        QSKIP("no tmpfs can be mounted here");
    const QString path = dir.filePath(QStringLiteral("small/T.10d"));
    const QByteArray old(6 * 1024, 'o');
    QVERIFY(writeFile(path, old));
    const e2e::Run r = e2e::cli({"--simulate", "upload-params", path});
    QVERIFY2(r.code == 2, qPrintable(r.out + r.err));
    QVERIFY2(r.err.contains(QLatin1String("the disk is full")), qPrintable(r.err));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("small"))).entryList(QDir::Files),
             QStringList{QStringLiteral("T.10d")});
}

void TestCliTransfer::transfers() {
    QFETCH(QStringList, simArgs);
    QFETCH(QString, command);
    QFETCH(QByteArray, file);
    QFETCH(int, code);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("drive"));
    const QString path = dir.filePath(QStringLiteral("file"));
    if (!file.isEmpty())
        QVERIFY(writeFile(path, file));
    e2e::Sim sim;
    QVERIFY(sim.start(link, simArgs));
    const e2e::Run r = e2e::cli(QStringList{QStringLiteral("--port"), link} +
                                command.split(QLatin1Char(' ')) + QStringList{path});
    sim.stop();
    QVERIFY2(r.code == code, qPrintable(r.out + r.err));
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (command == QLatin1String("upload-params")) {
        QFile up(path);
        QVERIFY(up.open(QIODevice::ReadOnly));
        QCOMPARE(up.readAll().count("\r\n"), 1024);
    }
}

// The drive's set is kept in the folder given before the download overwrites it.
void TestCliTransfer::downloadKeepsABackup() {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("drive"));
    QByteArray before, after;
    for (int i = 0; i < 1024; ++i) {
        before += FormatParameterLine(i * 7 - 300);
        after += FormatParameterLine(i);
    }
    QVERIFY(writeFile(dir.filePath(QStringLiteral("before.10d")), before));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("after.10d")), after));
    e2e::Sim sim;
    QVERIFY(sim.start(link, {"--params", dir.filePath(QStringLiteral("before.10d"))}));
    const QString backups = dir.filePath(QStringLiteral("kept"));
    const e2e::Run r = e2e::cli({"--port", link, "download-params", "--backup-dir", backups,
                                 "--verify", dir.filePath(QStringLiteral("after.10d"))});
    sim.stop();
    QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
    const QStringList kept = QDir(backups).entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{8}-\\d{6}_drive1_rel1700\\.10d$"))
                 .match(kept.first())
                 .hasMatch(),
             qPrintable(kept.first()));
    QVERIFY(r.out.contains(QDir(backups).filePath(kept.first())));
    QFile f(QDir(backups).filePath(kept.first()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

// FILE against FILE2 or the drive: a table of the rows that differ, exit 0 when equal, 3 when
// they differ, 2 when a side cannot be read.
void TestCliTransfer::compareParams_data() {
    columns<QString, QString, int, int, QString>("drive", "language", "changedLine", "code",
                                                 "says");
    row("file and file equal", "", "eng", -1, 0, "The two parameter sets are equal.");
    row("file and file, one row", "", "eng", 1, 3, "Speed loop gain Kp");
    row("file and drive, a status bit, Italian", "running", "ita", 24, 3, "bit 1 Allarme");
    row("file and drive equal, French", "running", "fra", -1, 0, "identiques");
    row("a hidden line", "", "eng", 600, 3, "601  (hidden line)");
    row("the drive is silent", "silent", "eng", -1, 2, "does not answer (ROM 0x3800)");
    row("second file missing", "", "eng", -2, 2, "cannot be opened");
    row("unknown language", "", "deu", -1, 1, "--language wants ita, eng or fra");
}

void TestCliTransfer::compareParams() {
    QFETCH(QString, drive);
    QFETCH(QString, language);
    QFETCH(int, changedLine);
    QFETCH(int, code);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QByteArray a, b;
    for (int i = 0; i < 1024; ++i) {
        const int w = i == 24 ? 5 : 1000 + i;
        a += FormatParameterLine(w);
        b += FormatParameterLine(i == changedLine ? (i == 24 ? 7 : 1) : w);
    }
    const QString fileA = dir.filePath(QStringLiteral("a.10d"));
    const QString fileB = dir.filePath(QStringLiteral("b.10d"));
    QVERIFY(writeFile(fileA, a));
    if (changedLine != -2)
        QVERIFY(writeFile(fileB, b));
    QStringList args{"compare-params", "--language", language, fileA};
    e2e::Sim sim;
    if (drive.isEmpty()) {
        args << fileB;
    } else {
        const QString link = dir.filePath(QStringLiteral("drive"));
        QStringList simArgs{"--params", fileB};
        if (drive == QLatin1String("silent"))
            simArgs << "--fault"
                    << "silence:after=1";
        QVERIFY(sim.start(link, simArgs));
        args = QStringList{"--port", link} + args;
    }
    const e2e::Run r = e2e::cli(args);
    sim.stop();
    QVERIFY2(r.code == code, qPrintable(r.out + r.err));
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
}

// Each transfer leaves a line in the history, failed ones too; "history" lists them.
void TestCliTransfer::historyRecordsEachTransfer() {
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
    const QString link = dir.filePath(QStringLiteral("drive"));
    QByteArray params;
    for (int i = 0; i < 1024; ++i)
        params += FormatParameterLine(i);
    const QString good = dir.filePath(QStringLiteral("good.10d"));
    const QString shortFile = dir.filePath(QStringLiteral("short.10d"));
    QVERIFY(writeFile(good, params));
    QVERIFY(writeFile(shortFile, params.left(50)));
    e2e::Sim sim;
    QVERIFY(sim.start(link));
    QCOMPARE(e2e::cli({"--port", link, "download-params", "--verify", good}).code, 0);
    QCOMPARE(e2e::cli({"--port", link, "download-params", shortFile}).code, 2);
    sim.stop();
    const e2e::Run r = e2e::cli({"history"});
    const e2e::Run kept = e2e::cli({"backups"});
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(kept.out.count(QLatin1String("_drive1_rel1700.10d\n")), 1);
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    const QStringList expected{"backup  done", "download  done", "verify  done",
                               "download  refused"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(lines[i].contains(expected[i]) && lines[i].contains(QLatin1String("drive 1")) &&
                     lines[i].contains(QLatin1String("release 1700")),
                 qPrintable(lines[i]));
    QVERIFY(lines[1].contains(good));
    QVERIFY(lines[1].contains(
        QString::fromLatin1(QCryptographicHash::hash(params, QCryptographicHash::Sha256).toHex())));
}

// new-params FILE: the defaults of the release FILE's extension names; an existing file is kept.
void TestCliTransfer::newParams_data() {
    columns<QString, bool, int, QString>("name", "exists", "code", "says");
    row("release 1.3", "fresh.13d", false, 0, "");
    row("an existing file is kept", "fresh.13d", true, 2, "exists; nothing was written");
    row("a release without defaults", "fresh.99d", false, 2, "newRel99eng.txt");
}

void TestCliTransfer::newParams() {
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QFETCH(int, code);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (exists)
        QVERIFY(writeFile(path, "old"));
    const e2e::Run r = e2e::cli({"new-params", path});
    QVERIFY2(r.code == code, qPrintable(r.out + r.err));
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly) || code != 0);
    const QByteArray content = f.readAll();
    if (code == 0)
        QVERIFY(content.startsWith(" 3000\r\n") || content.startsWith("3000\r\n"));
    if (exists)
        QCOMPARE(content, QByteArray("old"));
    if (code == 0)
        QCOMPARE(content.count("\r\n"), 1024);
}

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_cli_transfer_e2e.moc"
