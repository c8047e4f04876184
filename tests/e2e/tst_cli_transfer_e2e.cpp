// zr3500-cli's transfer commands against zr3500-sim on a pseudo-terminal.

#include "datatable.h"
#include "programs.h"
#include "smalldisk.h"
#include "transferfiles.h"

#include <QDir>
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
    row("drive falls silent", QStringList{"--fault", "silence:after=300"}, "download-params",
        params, 2, "Communication error between ZR3500 and PC.");
    row("upload", QStringList(), "upload-params", QByteArray(), 0, "");
    // One release read finds the drive, then 3072 words go out.
    row("completion word unanswered", QStringList{"--fault", "silence:after=3073"},
        "download-params", params, 2,
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

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_cli_transfer_e2e.moc"
