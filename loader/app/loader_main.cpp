// ZR_LOADER_131: the loader with its windows.
//   --simulate         a simulated drive on a pseudo-terminal, mapped to port 2
//   --port N=DEVICE    maps port N (1..4) to DEVICE (repeatable), tcp://HOST:PORT or
//                      rfc2217://HOST:PORT for a serial line behind ser2net
//   --trace FILE       writes every frame sent and received to FILE
//   --check-data       lists what the program finds in its data folder; exit 2 when something lacks
// --help and --version need no display.

#include "commandline.h"
#include "datacheck.h"
#include "datadir.h"
#include "loaderprogram.h"
#include "portmap.h"
#include "simulatedline.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace {

// --help, --version and --check-data only print: they run without a display.
bool OnlyPrints(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char *option :
             {"--help", "-h", "-?", "--help-all", "--version", "-v", "--check-data"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv) {
    std::unique_ptr<QCoreApplication> application =
        OnlyPrints(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                               : std::make_unique<QApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("ZR_LOADER_131"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Service tool for the ZR3500 brushless servo drive on an RS-232 line: program "
        "download, parameter upload and download, an off-line parameter editor, a "
        "live front panel, an oscilloscope and a drive finder over ports 1 to 4. "
        "Every window speaks Italian, English or French, chosen at start; F1 opens "
        "the help of the chosen language."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Simulated drive on port 2."));
    QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Map port N to DEVICE: a serial device, or tcp://HOST:PORT or "
                       "rfc2217://HOST:PORT for a drive behind ser2net on another PC."),
        QStringLiteral("N=DEVICE"));
    QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write a hex log of every frame sent and received to FILE."),
        QStringLiteral("FILE"));
    QCommandLineOption checkData(
        QStringLiteral("check-data"),
        QStringLiteral("List what the program finds in its data folder (help files, description "
                       "files, examples, report database, clips) and exit: 0 when everything is "
                       "there, 2 otherwise."));
    parser.addOption(simulate);
    parser.addOption(port);
    parser.addOption(trace);
    parser.addOption(checkData);
    parser.process(app);

    if (parser.isSet(checkData)) {
        QTextStream out(stdout);
        return zr::shell::CheckData(zr::DataDirectory(), out) ? 0 : 2;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zr3500-loader.png")));

    zr::PortMap map = zr::PortMap::fromSystem();
    std::unique_ptr<zr::sim::SimulatedLine> line;
    if (parser.isSet(simulate)) {
        line = std::make_unique<zr::sim::SimulatedLine>();
        QString error;
        if (!line->start(&error)) {
            QTextStream(stderr) << "cannot start the simulated drive: " << error << Qt::endl;
            return 2;
        }
        map.setDevice(2, line->device());
    }
    for (const QString &spec : parser.values(port)) {
        QString why;
        if (!map.applyOverride(spec, &why)) {
            QTextStream(stderr) << "bad --port " << spec << ": " << why << Qt::endl;
            return 1;
        }
    }
    zr::LineLog traceLog;
    zr::TracingSerialPort::Sink traceSink;
    if (parser.isSet(trace)) {
        if (!traceLog.openFile(parser.value(trace))) {
            QTextStream(stderr) << "cannot write the trace " << traceLog.fileName() << ": "
                                << traceLog.errorString() << Qt::endl;
            return 2;
        }
        traceSink = [&traceLog](const QString &line) { traceLog.write(line); };
    }

    zr::shell::LoaderProgram program(map, traceSink);
    program.start();
    const int rc = app.exec();
    program.finish();
    return rc;
}
