// ZR_LOADER_131: the loader with its windows.
//   --simulate         a simulated drive on a pseudo-terminal, mapped to port 2
//   --port N=DEVICE    maps port N (1..4) to DEVICE (repeatable)

#include "loaderprogram.h"
#include "portmap.h"
#include "simulatedline.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <memory>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZR_LOADER_131"));
    QApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ZR3500 Loader: program download, parameter transfer and editing, front "
                       "panel and oscilloscope for the ZR3500 drive."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Simulated drive on port 2."));
    QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Map port N to DEVICE."),
                            QStringLiteral("N=DEVICE"));
    parser.addOption(simulate);
    parser.addOption(port);
    parser.process(app);

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
        if (!map.applyOverride(spec)) {
            QTextStream(stderr) << "bad --port " << spec << " (expected N=DEVICE, N 1..4)"
                                << Qt::endl;
            return 1;
        }
    }

    zr::shell::LoaderProgram program(map);
    program.start();
    const int rc = app.exec();
    program.finish();
    return rc;
}
