// Whole programs: zr3500-sim on a pseudo-terminal and zr3500-cli against it.

#include "datatable.h"
#include "programs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using e2e::cli;
using e2e::Run;
using e2e::Sim;

class TestCliEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void commands_data();
    void commands();
    void writtenValueReadsBack();
    void traceLogsEveryFrame();
    void simulateHuntsForTheDrive();
    void commandLineFailures_data();
    void commandLineFailures();

private:
    QTemporaryDir dir_;
    QString link_;
};

void TestCliEndToEnd::init() {
    link_ = dir_.filePath(QStringLiteral("drive"));
}

void TestCliEndToEnd::commands_data() {
    columns<QStringList, QStringList, int>("simArgs", "cliArgs", "code");
    QTest::addColumn<QString>("out"); // contained in stdout
    QTest::addColumn<QString>("err"); // contained in stderr

    row("probe in loader mode", QStringList{"--status", "0"}, QStringList{"probe"}, 0,
        "release 1.700\nstatus bit 14 clear", "");
    row("probe, program running", QStringList{"--release", "1310"}, QStringList{"probe"}, 0,
        "release 1.310\nstatus bit 14 set", "");
    row("read release", QStringList(), QStringList{"read", "&H0200"}, 0, "1700\n", "");
    row("read ROM", QStringList(), QStringList{"read", "--rom", "0x3C00"}, 0, "1023\n", "");
    row("other drive is silent", QStringList(), QStringList{"--drive", "7", "read", "0x0200"}, 2,
        "", "Timeout error");
    row("checksum fault", QStringList{"--fault", "checksum:after=1"}, QStringList{"read", "0x0280"},
        2, "", "Checksum error");
    row("bad address", QStringList(), QStringList{"read", "0x10000"}, 1, "", "no address");
    row("bad value", QStringList(), QStringList{"write", "0xB800", "12a"}, 1, "", "no value");
}

void TestCliEndToEnd::commands() {
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, cliArgs);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    Sim sim;
    QVERIFY(sim.start(link_, simArgs));
    const Run r = cli(QStringList{"--port", link_} + cliArgs);
    QVERIFY2(r.code == code, qPrintable(r.out + r.err));
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
}

void TestCliEndToEnd::writtenValueReadsBack() {
    Sim sim;
    QVERIFY(sim.start(link_));
    QCOMPARE(cli({"--port", link_, "write", "0xB801", "-1234"}).code, 0);
    const Run r = cli({"--port", link_, "read", "0xB801"});
    QCOMPARE(r.out, QStringLiteral("-1234\n"));
}

void TestCliEndToEnd::traceLogsEveryFrame() {
    Sim sim;
    QVERIFY(sim.start(link_));
    const QString trace = dir_.filePath(QStringLiteral("trace.txt"));
    QCOMPARE(cli({"--port", link_, "--trace", trace, "session", "read", "0x0200", "write", "0x0315",
                  "-21846"})
                 .code,
             0);
    QFile f(trace);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString log = QString::fromLatin1(f.readAll());
    for (const char *frame : {"> 01 02 00\n", "< 01 02 00 06 A4 AA\n", "> 81 03 15 AA AA ED\n",
                              "< 81 03 15 AA AA ED\n"})
        QVERIFY2(log.contains(QLatin1String(frame)), qPrintable(log));
}

void TestCliEndToEnd::simulateHuntsForTheDrive() {
    const Run r = cli({"--simulate", "--sim-port", "3", "probe"});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1String("port 1: cannot open")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QLatin1String("drive 1 on port 3")), qPrintable(r.out));
}

void TestCliEndToEnd::commandLineFailures_data() {
    columns<QString, QStringList, int>("program", "args", "code");
    QTest::addColumn<QString>("says"); // in stdout or stderr
    row("a port that does not open names the device", "zr3500-cli",
        QStringList{"--port", "/nonexistent", "read", "0x200"}, 2, "/nonexistent");
    row("a trace that cannot be written", "zr3500-cli",
        QStringList{"--simulate", "--trace", "/nonexistent/t", "probe"}, 2,
        "cannot write the trace /nonexistent/t");
    row("lower-case program refused", "zr3500-cli",
        QStringList{"--simulate", "download-program", "LOWER"}, 2, "lower-case letter");
    row("loader version", "ZR_LOADER_131", QStringList{"--version"}, 0, "1.3.1");
}

void TestCliEndToEnd::commandLineFailures() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, says);
    const QString lower = dir_.filePath(QStringLiteral("lower.hex"));
    {
        QFile f(lower);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2 * 28672, 'a'));
    }
    args.replaceInStrings(QStringLiteral("LOWER"), lower);
    const Run r = e2e::run(program, args);
    QVERIFY2(r.code == code, qPrintable(QString::number(r.code) + r.out + r.err));
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (code != 0)
        QVERIFY2(!r.err.contains(QLatin1String("Timeout error")), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestCliEndToEnd)
#include "tst_cli_e2e.moc"
