// ZR_LOADER_131: the loader with its windows.
//   --simulate         a simulated drive on a pseudo-terminal, mapped to port 2
//   --port N=DEVICE    maps port N (1..4) to DEVICE (repeatable)

#include "dialogs.h"
#include "form.h"
#include "hardwareserialport.h"
#include "loaderroutine.h"
#include "portmap.h"
#include "ptyserver.h"
#include "registerwindows.h"
#include "shell.h"
#include "simdrive.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <memory>
#include <thread>

namespace {

class SimulatedLine {
public:
    bool start(QString *error) {
        if (!server_.open(error))
            return false;
        thread_ = std::thread([this] { server_.run(); });
        return true;
    }
    ~SimulatedLine() {
        server_.stop();
        if (thread_.joinable())
            thread_.join();
    }
    QString device() const { return server_.devicePath(); }

private:
    zr::sim::SimDrive drive_;
    zr::sim::PtyServer server_{drive_};
    std::thread thread_;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZR_LOADER_131"));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Simulated drive on port 2."));
    QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Map port N to DEVICE."),
                            QStringLiteral("N=DEVICE"));
    parser.addOption(simulate);
    parser.addOption(port);
    parser.process(app);

    zr::PortMap map = zr::PortMap::fromSystem();
    std::unique_ptr<SimulatedLine> line;
    if (parser.isSet(simulate)) {
        line = std::make_unique<SimulatedLine>();
        QString error;
        if (!line->start(&error)) {
            QTextStream(stderr) << "cannot start the simulated drive: " << error << Qt::endl;
            return 1;
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

    zr::HardwareSerialPort serial(map);
    zr::shell::LoaderRoutine state;
    zr::shell::QtDialogs dialogs;
    zr::shell::Shell shell(state, dialogs, serial);
    zr::shell::RegisterWindows(shell);
    if (auto *w = shell.forms().form(zr::shell::kLanguageWindow))
        w->show();
    const int rc = app.exec();
    shell.forms().unloadAll();
    serial.Close();
    return rc;
}
