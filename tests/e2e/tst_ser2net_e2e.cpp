// zr3500-cli through the real ser2net to zr3500-sim on a pseudo-terminal, raw and with telnet
// com-port control, held against the same commands on the pseudo-terminal itself.

#include "datatable.h"
#include "programs.h"
#include "ser2netbridge.h"
#include "transferfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace zr;

namespace {

bool writeFile(const QString &path, const QByteArray &content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Parameter words whose bytes a telnet or text layer would touch: 0xFF (IAC), CR NUL, CR LF.
QByteArray awkwardParameters() {
    // FF FF, FF FE, 0D 00, 0D 0A, FF 0D, 00 FF, FF 00, 7F FF, 80 00, then a count
    const int awkward[] = {-1, -2, 0x0D00, 0x0D0A, -243, 0x00FF, -256, 0x7FFF, -32768, 0};
    QByteArray file;
    for (int i = 0; i < 1024; ++i)
        file += FormatParameterLine(awkward[i % 10] + (i % 10 == 9 ? i : 0));
    return file;
}

struct Outcome {
    e2e::Run run;
    QString frames; // the trace without its times
    QByteArray written;
};

} // namespace

class TestSer2Net : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sameBytesAsTheDirectLine_data();
    void sameBytesAsTheDirectLine();
    void bridgeStoppedMidTransfer_data();
    void bridgeStoppedMidTransfer();
    void lineHeldByAnotherClient();

private:
    Outcome runThrough(const QString &scheme, const QString &command);

    QTemporaryDir dir_;
};

void TestSer2Net::initTestCase() {
    if (zr::sim::Ser2NetBridge::program().isEmpty())
        QSKIP("ser2net is not installed (scripts/setup installs it)");
    QVERIFY(writeFile(dir_.filePath(QStringLiteral("awkward.10d")), awkwardParameters()));
    QByteArray program;
    for (int i = 0; i < kProgramSkipPairs + kProgramPairs; ++i)
        program += QByteArray::number((i * 37) % 256, 16).toUpper().rightJustified(2, '0');
    QVERIFY(writeFile(dir_.filePath(QStringLiteral("drive.hex")), program));
}

// One command of zr3500-cli with a trace, on a fresh drive whose ROM holds the awkward words:
// directly on the pseudo-terminal ("pty") or through ser2net ("tcp", "rfc2217").
Outcome TestSer2Net::runThrough(const QString &scheme, const QString &command) {
    QTemporaryDir work;
    const QString link = work.filePath(QStringLiteral("drive"));
    const QString params = dir_.filePath(QStringLiteral("awkward.10d"));
    e2e::Sim sim;
    Outcome o;
    if (!sim.start(link, {"--status", "0", "--params", params, "--second-block", params}))
        return o;
    zr::sim::Ser2NetBridge bridge;
    if (scheme != QLatin1String("pty") && !bridge.start(link, scheme))
        return o;
    const QString trace = work.filePath(QStringLiteral("trace"));
    const QString out = work.filePath(QStringLiteral("upload.10d"));
    QStringList args{"--port", scheme == QLatin1String("pty") ? link : bridge.url(), "--trace",
                     trace, command};
    if (command == QLatin1String("upload-params"))
        args << out;
    else if (command == QLatin1String("download-params"))
        args << params;
    else if (command == QLatin1String("download-program"))
        args << dir_.filePath(QStringLiteral("drive.hex"));
    o.run = e2e::cli(args);
    static const QRegularExpression time(QStringLiteral("^ *[0-9]+\\.[0-9]+ "),
                                         QRegularExpression::MultilineOption);
    o.frames = QString::fromLatin1(readFile(trace)).remove(time);
    o.written = readFile(out);
    return o;
}

void TestSer2Net::sameBytesAsTheDirectLine_data() {
    columns<QString, QString>("scheme", "command");
    for (const char *scheme : {"tcp", "rfc2217"}) {
        for (const char *command :
             {"probe", "upload-params", "download-params", "download-program"}) {
            QTest::addRow("%s %s", scheme, command)
                << QString::fromLatin1(scheme) << QString::fromLatin1(command);
        }
    }
}

// Every frame sent and received, the exit code and the file written are those of the direct run.
void TestSer2Net::sameBytesAsTheDirectLine() {
    QFETCH(QString, scheme);
    QFETCH(QString, command);
    const Outcome direct = runThrough(QStringLiteral("pty"), command);
    QVERIFY2(direct.run.code == 0, qPrintable(direct.run.out + direct.run.err));
    const Outcome bridged = runThrough(scheme, command);
    QVERIFY2(bridged.run.code == 0, qPrintable(bridged.run.out + bridged.run.err));
    QVERIFY(direct.frames.count(QLatin1Char('\n')) > 2);
    QVERIFY(bridged.frames == direct.frames); // QCOMPARE would print megabytes
    QCOMPARE(bridged.written, direct.written);
    if (command == QLatin1String("upload-params"))
        QCOMPARE(bridged.written, awkwardParameters());
}

void TestSer2Net::bridgeStoppedMidTransfer_data() {
    columns<QString, QString>("scheme", "command");
    row("tcp, upload", "tcp", "upload-params");
    row("rfc2217, upload", "rfc2217", "upload-params");
    row("tcp, download", "tcp", "download-params");
}

// ser2net going away in the middle is the communication error, and an upload leaves no file.
void TestSer2Net::bridgeStoppedMidTransfer() {
    QFETCH(QString, scheme);
    QFETCH(QString, command);
    QTemporaryDir work;
    const QString link = work.filePath(QStringLiteral("drive"));
    e2e::Sim sim;
    QVERIFY(sim.start(link, {"--baud", "19200"})); // a transfer at line speed takes seconds
    zr::sim::Ser2NetBridge bridge;
    QVERIFY2(bridge.start(link, scheme), qPrintable(bridge.log()));
    const QString trace = work.filePath(QStringLiteral("trace"));
    const QString file = command == QLatin1String("upload-params")
                             ? work.filePath(QStringLiteral("upload.10d"))
                             : dir_.filePath(QStringLiteral("awkward.10d"));
    // A download goes without its backup, so the line goes away under the download itself.
    QStringList args{"--port", bridge.url(), "--trace", trace, command, file};
    if (command == QLatin1String("download-params"))
        args << QStringLiteral("--no-backup");
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(e2e::bin(QStringLiteral("zr3500-cli")), args);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(trace).size() > 4000; }, 30000));
    bridge.stop();
    QVERIFY(cli.waitForFinished(60000));
    const QString said = QString::fromLocal8Bit(cli.readAll());
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY2(said.contains(QLatin1String("Communication error between ZR3500 and PC.")),
             qPrintable(said));
    QCOMPARE(
        QDir(work.path())
            .entryList({QStringLiteral("*upload*")}, QDir::Files | QDir::Hidden | QDir::System),
        QStringList());
}

// ser2net serves one client at a time; the second is told why it cannot have the line.
void TestSer2Net::lineHeldByAnotherClient() {
    QTemporaryDir work;
    const QString link = work.filePath(QStringLiteral("drive"));
    e2e::Sim sim;
    QVERIFY(sim.start(link));
    zr::sim::Ser2NetBridge bridge;
    QVERIFY2(bridge.start(link, QStringLiteral("tcp")), qPrintable(bridge.log()));
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, QUrl(bridge.url()).port());
    QVERIFY(first.waitForConnected(5000));
    first.write(QByteArray::fromHex("010200"));
    QVERIFY(first.waitForReadyRead(5000)); // ser2net has given it the line
    const e2e::Run r = e2e::cli({"--port", bridge.url(), "probe"});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.out.contains(QLatin1String("ser2net: Port already in use")), qPrintable(r.out));
}

QTEST_GUILESS_MAIN(TestSer2Net)
#include "tst_ser2net_e2e.moc"
