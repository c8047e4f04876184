// zr3500-sim: a simulated ZR3500 drive on a pseudo-terminal. Prints the device path on its
// first line and serves until interrupted.

#include "commandline.h"
#include "frontpanelmenu.h"
#include "ptyserver.h"
#include "simdrive.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <optional>

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
    QCommandLineParser p;
    zr::SetUpCommandLine(p, "zr3500-sim",
                         QStringLiteral("Simulated ZR3500 drive on a pseudo-terminal."));
    using zr::ValueOption;
    const QCommandLineOption linkOpt =
        ValueOption("link", "Also reach the device through a symbolic link at PATH.", "PATH");
    const QCommandLineOption driveOpt = ValueOption("drive", "Drive number (default 1).", "N", "1");
    const QCommandLineOption releaseOpt =
        ValueOption("release", "Software release word, e.g. 1700.", "N");
    const QCommandLineOption statusOpt = ValueOption(
        "status", "Status word, e.g. 0x4000 (program running) or 0 (loader mode).", "VALUE");
    const QCommandLineOption paramsOpt =
        ValueOption("params", "Parameter file for the ROM block at 0x3800.", "FILE");
    const QCommandLineOption secondOpt =
        ValueOption("second-block", "Parameter file for the ROM block at 0x3C00.", "FILE");
    const QCommandLineOption baudOpt =
        ValueOption("baud", "Pace both directions at this rate (default: unpaced).", "RATE", "0");
    const QCommandLineOption turnOpt =
        ValueOption("turnaround-us", "Delay between request and reply in microseconds.", "US", "0");
    const QCommandLineOption faultOpt =
        ValueOption("fault",
                    "Misbehave: KIND[:every=K][:after=N][:times=T][:at=ADDR]; kinds noreply, "
                    "partial, trickle, echo, checksum, extra, late, garbage, silence, vanish, "
                    "wrongstore (a write answered but stored with bit 0 flipped); "
                    "at= counts only the requests for ADDR. Repeatable.",
                    "SPEC");
    const QCommandLineOption traceOpt =
        ValueOption("trace", "Write a hex trace of every frame to FILE (- for stderr).", "FILE");
    const QCommandLineOption panelLangOpt = ValueOption(
        "panel-language",
        "Language of the drive's front-panel menu: ita, eng or fra (default eng).", "LANG", "eng");
    const QCommandLineOption scopePeriodOpt =
        ValueOption("scope-period-us",
                    "Time between two scope samples in microseconds (default 1024, the "
                    "drive's); less runs the stream faster than the drive, for benchmarks.",
                    "US", "1024");
    p.addOptions({linkOpt, driveOpt, releaseOpt, statusOpt, paramsOpt, secondOpt, baudOpt, turnOpt,
                  faultOpt, traceOpt, panelLangOpt, scopePeriodOpt});
    p.process(app);

    zr::sim::SimDrive drive;
    const auto number = [&p](const QCommandLineOption &option) {
        bool ok = false;
        const int value = parseNumber(p.value(option), &ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    };
    const auto driveNumber = number(driveOpt);
    if (!driveNumber || *driveNumber < 0 || *driveNumber > 62)
        return fail(QStringLiteral("--drive wants a number 0..62"));
    drive.setDriveNumber(*driveNumber);
    if (p.isSet(releaseOpt)) {
        const auto release = number(releaseOpt);
        if (!release)
            return fail(QStringLiteral("--release wants a number"));
        drive.setRelease(*release);
    }
    if (p.isSet(statusOpt)) {
        const auto status = number(statusOpt);
        if (!status)
            return fail(QStringLiteral("--status wants a number"));
        drive.setStatus(static_cast<quint16>(*status));
    }
    QString error;
    if (p.isSet(paramsOpt) && !drive.loadParameterFile(p.value(paramsOpt), 0x3800, &error))
        return fail(error);
    if (p.isSet(secondOpt) && !drive.loadParameterFile(p.value(secondOpt), 0x3C00, &error))
        return fail(error);
    const auto baud = number(baudOpt);
    if (!baud)
        return fail(QStringLiteral("--baud wants a number"));
    drive.setBaud(*baud);
    drive.setTurnaround(std::chrono::microseconds(number(turnOpt).value_or(0)));
    const auto scopePeriod = number(scopePeriodOpt);
    if (!scopePeriod || *scopePeriod < 1)
        return fail(QStringLiteral("--scope-period-us wants a number of 1 or more"));
    drive.scopeStream().setPeriod(std::chrono::microseconds(*scopePeriod));
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

    zr::LineLog trace;
    if (p.isSet(traceOpt)) {
        const QString path = p.value(traceOpt);
        if (!(path == QLatin1String("-") ? trace.openStderr() : trace.openFile(path)))
            return fail(QStringLiteral("cannot write %1").arg(path));
        drive.setTrace([&trace](const QString &line) { trace.write(line); });
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
