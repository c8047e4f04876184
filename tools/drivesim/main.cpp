// zr3500-sim: a simulated ZR3500 drive on a pseudo-terminal. Prints the device path on its
// first line and serves until interrupted.

#include "frontpanelmenu.h"
#include "ptyserver.h"
#include "simdrive.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {
zr::sim::PtyServer *g_server = nullptr;
void onSignal(int) {
    if (g_server)
        g_server->stop();
}

int fail(const QString &why) {
    QTextStream(stderr) << "zr3500-sim: " << why << Qt::endl;
    return 1;
}

int parseNumber(const QString &text, bool *ok) {
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return static_cast<int>(text.mid(2).toUInt(ok, 16));
    return text.toInt(ok);
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zr3500-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Simulated ZR3500 drive on a pseudo-terminal."));
    p.addHelpOption();
    p.addVersionOption();
    const QCommandLineOption linkOpt(
        QStringLiteral("link"),
        QStringLiteral("Also reach the device through a symbolic link at PATH."),
        QStringLiteral("PATH"));
    const QCommandLineOption driveOpt(QStringLiteral("drive"),
                                      QStringLiteral("Drive number (default 1)."),
                                      QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption releaseOpt(QStringLiteral("release"),
                                        QStringLiteral("Software release word, e.g. 1700."),
                                        QStringLiteral("N"));
    const QCommandLineOption statusOpt(
        QStringLiteral("status"),
        QStringLiteral("Status word, e.g. 0x4000 (program running) or 0 (loader mode)."),
        QStringLiteral("VALUE"));
    const QCommandLineOption paramsOpt(
        QStringLiteral("params"), QStringLiteral("Parameter file for the ROM block at 0x3800."),
        QStringLiteral("FILE"));
    const QCommandLineOption secondOpt(
        QStringLiteral("second-block"),
        QStringLiteral("Parameter file for the ROM block at 0x3C00."), QStringLiteral("FILE"));
    const QCommandLineOption baudOpt(
        QStringLiteral("baud"),
        QStringLiteral("Pace both directions at this rate (default: unpaced)."),
        QStringLiteral("RATE"), QStringLiteral("0"));
    const QCommandLineOption turnOpt(
        QStringLiteral("turnaround-us"),
        QStringLiteral("Delay between request and reply in microseconds."), QStringLiteral("US"),
        QStringLiteral("0"));
    const QCommandLineOption faultOpt(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: KIND[:every=K][:after=N][:times=T][:at=ADDR]; kinds noreply, "
                       "partial, trickle, echo, checksum, extra, late, garbage, silence, vanish; "
                       "at= counts only the requests for ADDR. Repeatable."),
        QStringLiteral("SPEC"));
    const QCommandLineOption traceOpt(
        QStringLiteral("trace"),
        QStringLiteral("Write a hex trace of every frame to FILE (- for stderr)."),
        QStringLiteral("FILE"));
    const QCommandLineOption panelLangOpt(
        QStringLiteral("panel-language"),
        QStringLiteral("Language of the drive's front-panel menu: ita, eng or fra (default eng)."),
        QStringLiteral("LANG"), QStringLiteral("eng"));
    const QCommandLineOption scopePeriodOpt(
        QStringLiteral("scope-period-us"),
        QStringLiteral("Time between two scope samples in microseconds (default 1024, the "
                       "drive's); less runs the stream faster than the drive, for benchmarks."),
        QStringLiteral("US"), QStringLiteral("1024"));
    p.addOptions({linkOpt, driveOpt, releaseOpt, statusOpt, paramsOpt, secondOpt, baudOpt, turnOpt,
                  faultOpt, traceOpt, panelLangOpt, scopePeriodOpt});
    p.process(app);

    zr::sim::SimDrive drive;
    bool ok = true;
    drive.setDriveNumber(parseNumber(p.value(driveOpt), &ok));
    if (!ok || drive.driveNumber() < 0 || drive.driveNumber() > 62)
        return fail(QStringLiteral("--drive wants a number 0..62"));
    if (p.isSet(releaseOpt)) {
        drive.setRelease(parseNumber(p.value(releaseOpt), &ok));
        if (!ok)
            return fail(QStringLiteral("--release wants a number"));
    }
    if (p.isSet(statusOpt)) {
        drive.setStatus(static_cast<quint16>(parseNumber(p.value(statusOpt), &ok)));
        if (!ok)
            return fail(QStringLiteral("--status wants a number"));
    }
    QString error;
    if (p.isSet(paramsOpt) && !drive.loadParameterFile(p.value(paramsOpt), 0x3800, &error))
        return fail(error);
    if (p.isSet(secondOpt) && !drive.loadParameterFile(p.value(secondOpt), 0x3C00, &error))
        return fail(error);
    drive.setBaud(parseNumber(p.value(baudOpt), &ok));
    if (!ok)
        return fail(QStringLiteral("--baud wants a number"));
    drive.setTurnaround(std::chrono::microseconds(parseNumber(p.value(turnOpt), &ok)));
    const int scopePeriod = parseNumber(p.value(scopePeriodOpt), &ok);
    if (!ok || scopePeriod < 1)
        return fail(QStringLiteral("--scope-period-us wants a number of 1 or more"));
    drive.scopeStream().setPeriod(std::chrono::microseconds(scopePeriod));
    for (const QString &spec : p.values(faultOpt)) {
        const auto fault = zr::sim::ParseFault(spec, &error);
        if (!fault)
            return fail(error);
        drive.addFault(*fault);
    }

    const auto panelLanguage = zr::sim::FrontPanelMenu::ParseLanguage(p.value(panelLangOpt));
    if (!panelLanguage)
        return fail(QStringLiteral("--panel-language wants ita, eng or fra"));
    zr::sim::FrontPanelMenu panel(drive, *panelLanguage);
    panel.attach();

    QFile traceFile;
    QTextStream traceOut;
    if (p.isSet(traceOpt)) {
        const QString path = p.value(traceOpt);
        const bool opened = path == QLatin1String("-")
                                ? traceFile.open(stderr, QIODevice::WriteOnly)
                                : (traceFile.setFileName(path),
                                   traceFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (!opened)
            return fail(QStringLiteral("cannot write %1").arg(path));
        traceOut.setDevice(&traceFile);
        drive.setTrace([&](const QString &line) { traceOut << line << Qt::endl; });
    }

    zr::sim::PtyServer server(drive);
    if (!server.open(&error))
        return fail(error);
    if (p.isSet(linkOpt) && !server.link(p.value(linkOpt), &error))
        return fail(error);
    std::printf("%s\n", server.devicePath().toLocal8Bit().constData());
    std::fflush(stdout);

    g_server = &server;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    server.run();
    g_server = nullptr;
    return drive.vanished() ? 3 : 0;
}
