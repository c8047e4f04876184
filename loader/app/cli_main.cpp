// zr3500-cli: the drive link from the command line (probe, read and write words).

#include "cli_transfer.h"
#include "commandline.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "simulatedline.h"
#include "tracingserialport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>
#include <optional>

using namespace zr;

namespace {

QTextStream &out() {
    static QTextStream s(stdout);
    return s;
}
QTextStream &err() {
    static QTextStream s(stderr);
    return s;
}

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitDrive = 2;

int usage(const QString &why) {
    err() << "zr3500-cli: " << why << "\n(see zr3500-cli --help)" << Qt::endl;
    return kExitUsage;
}

class Cli {
public:
    Cli(SerialPort &port, HardwareSerialPort &hw, int drive, bool fixedDevice)
        : port_(port), hw_(hw), drive_(drive), fixedDevice_(fixedDevice) {}

    int probe();
    int session(QStringList tokens, bool verbose);
    int transfer(const QString &command, const QStringList &args);

private:
    bool openPort(int n, bool quiet);
    bool findDrive(bool quiet);
    void reportNoDrive();
    void warnLatency();

    SerialPort &port_;
    HardwareSerialPort &hw_;
    int drive_;
    bool fixedDevice_;
    LinkResult lastResult_ = LinkResult::Timeout;
    QStringList openFailures_; // ports of the last search that did not open, and why
    bool anyPortOpened_ = false;
};

bool Cli::openPort(int n, bool quiet) {
    if (port_.IsOpen())
        port_.Close();
    port_.SetPortNumber(n);
    if (!port_.Open()) {
        const QString why =
            QStringLiteral("port %1: cannot open (%2)").arg(n).arg(port_.lastError());
        openFailures_ << why;
        if (!quiet)
            out() << why << Qt::endl;
        return false;
    }
    anyPortOpened_ = true;
    warnLatency();
    port_.DiscardInput();
    return true;
}

void Cli::warnLatency() {
    const NetworkSerialPort *net = hw_.network();
    if (net && net->roundTripUs() >= NetworkSerialPort::kSlowRoundTripMs * 1000)
        err() << "warning: " << net->device() << " answers in " << net->roundTripUs() / 1000
              << " ms over the network; the drive's answer must be back within " << kReplyTimeoutMs
              << " ms" << Qt::endl;
    const int ms = hw_.latencyTimerMs();
    if (ms > 2)
        err() << "warning: the USB adapter's latency timer is " << ms
              << " ms; every transaction waits for it (set it to 1 in "
                 "/sys/bus/usb-serial/devices/<tty>/latency_timer)"
              << Qt::endl;
}

// Tries ports 1 to 4 in turn, as the link window does, until the drive answers a release read.
bool Cli::findDrive(bool quiet) {
    const int first = fixedDevice_ ? 1 : SerialPort::kFirstPort;
    const int last = fixedDevice_ ? 1 : SerialPort::kLastPort;
    openFailures_.clear();
    anyPortOpened_ = false;
    for (int n = first; n <= last; ++n) {
        if (!openPort(n, quiet))
            continue;
        QString text;
        lastResult_ = Transact(port_, drive_, addr::kRelease, false, true, text);
        const QString device =
            hw_.deviceName().isEmpty() ? hw_.portMap().device(n) : hw_.deviceName();
        if (!quiet)
            out() << "port " << n << " (" << device << "): " << ResultText(lastResult_) << Qt::endl;
        if (lastResult_ == LinkResult::NoError)
            return true;
        if (hw_.deviceVanished() && !quiet)
            out() << "port " << n << ": " << hw_.lastError() << Qt::endl;
    }
    return false;
}

// After a search without an answer: the result of the last port that opened, or, when none
// opened, which devices did not open and why.
void Cli::reportNoDrive() {
    if (!anyPortOpened_) {
        for (const QString &why : std::as_const(openFailures_))
            err() << why << Qt::endl;
        return;
    }
    err() << ResultText(lastResult_) << Qt::endl;
}

int Cli::probe() {
    if (!findDrive(false)) {
        reportNoDrive();
        err() << "no drive " << drive_ << " answers on "
              << (fixedDevice_ ? "this port" : "ports 1 to 4") << Qt::endl;
        return kExitDrive;
    }
    QString release;
    lastResult_ = Transact(port_, drive_, addr::kRelease, false, true, release);
    QString status;
    if (lastResult_ == LinkResult::NoError)
        lastResult_ = Transact(port_, drive_, addr::kStatus, false, true, status);
    if (lastResult_ != LinkResult::NoError) {
        err() << ResultText(lastResult_) << Qt::endl;
        return kExitDrive;
    }
    const bool running = StatusBit14(status) != 0;
    out() << "drive " << drive_ << " on port " << port_.GetPortNumber() << " (" << hw_.deviceName()
          << ")\n"
          << "release " << FormatRelease(release) << "\n"
          << "status bit 14 "
          << (running ? "set: drive program running"
                      : "clear: loader mode, ready for a program download")
          << Qt::endl;
    return kExitOk;
}

int Cli::transfer(const QString &command, const QStringList &args) {
    if (!findDrive(true)) {
        reportNoDrive();
        return kExitDrive;
    }
    return RunTransferCommand(command, args, port_, drive_);
}

// Runs "read [--rom] ADDR" and "write [--rom] ADDR VALUE" commands in one connection.
int Cli::session(QStringList tokens, bool verbose) {
    if (tokens.isEmpty())
        return usage(QStringLiteral("nothing to do"));
    if (!findDrive(true)) {
        reportNoDrive();
        return kExitDrive;
    }
    while (!tokens.isEmpty()) {
        const QString verb = tokens.takeFirst();
        if (verb != QLatin1String("read") && verb != QLatin1String("write"))
            return usage(QStringLiteral("unknown command \"%1\"").arg(verb));
        const bool isWrite = verb == QLatin1String("write");
        bool ram = true;
        if (!tokens.isEmpty() && tokens.first() == QLatin1String("--rom")) {
            ram = false;
            tokens.removeFirst();
        }
        if (tokens.isEmpty())
            return usage(QStringLiteral("%1 needs an address").arg(verb));
        const QString addrText = tokens.takeFirst();
        const auto address = ParseAddressText(addrText);
        if (!address)
            return usage(QStringLiteral("\"%1\" is no address 0..65535 (decimal, 0x0280 or &H0280)")
                             .arg(addrText));
        QString data;
        if (isWrite) {
            if (tokens.isEmpty())
                return usage(QStringLiteral("write needs a value"));
            data = tokens.takeFirst();
            if (!ParseValueText(data))
                return usage(
                    QStringLiteral("\"%1\" is no value (decimal or &H hexadecimal)").arg(data));
        }
        const LinkResult result = Transact(port_, drive_, *address, isWrite, ram, data);
        if (result != LinkResult::NoError) {
            err() << ResultText(result) << Qt::endl;
            if (hw_.deviceVanished())
                err() << hw_.lastError() << Qt::endl;
            return kExitDrive;
        }
        const QString where =
            QStringLiteral("%1 0x%2")
                .arg(ram ? QStringLiteral("RAM") : QStringLiteral("ROM"))
                .arg(QString::number(*address, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        if (verbose)
            out() << verb << " " << where << (isWrite ? " <- " : " -> ") << data << ": "
                  << ResultText(result) << Qt::endl;
        else if (!isWrite)
            out() << data << Qt::endl;
    }
    return kExitOk;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    const QString description = QStringLiteral(
        "Talks to a ZR3500 drive on a serial line.\n\n"
        "Commands:\n"
        "  probe                        find the drive on ports 1 to 4 (or --port DEVICE)\n"
        "  read [--rom] ADDR            print the word at ADDR (RAM unless --rom)\n"
        "  write [--rom] ADDR VALUE     write VALUE (decimal or &H hexadecimal) to ADDR\n"
        "  session CMD...               several read/write commands on one connection\n"
        "  upload-params FILE           save the drive's parameter set into FILE\n"
        "  download-params [--verify] FILE  send FILE's 1024 values into the drive, after a\n"
        "                               backup of the drive's set (--no-backup, --backup-dir DIR)\n"
        "  download-program FILE        send a .hex drive program\n"
        "  compare-params FILE [FILE2]  the rows where FILE and the drive (or FILE2) differ\n"
        "                               (--language ita|eng|fra; exit 3 when they differ)\n"
        "  history                      the transfers made from this account, oldest first\n"
        "  backups                      the drive sets kept before downloads, newest first\n"
        "  new-params FILE              a new file from the defaults of FILE's release (.13d)\n"
        "ADDR: decimal, 0x0280 or &H0280.\n"
        "Exit code 0 = No error / transfer done; 2 = the drive link failed, a file was refused\n"
        "or could not be written, or the drive did not confirm a download (the reason goes to\n"
        "stderr); 1 = bad command line; 3 = compare-params found differences.");
    SetUpCommandLine(p, "zr3500-cli", description);
    const QCommandLineOption portOpt = ValueOption(
        "port",
        "A device to use (/dev/ttyUSB0; tcp://HOST:PORT or rfc2217://HOST:PORT for a line "
        "behind ser2net), or N=DEVICE to map port N (repeatable).",
        "DEVICE");
    const QCommandLineOption driveOpt =
        ValueOption("drive", "Drive number 0..63 (default 1).", "N", "1");
    const QCommandLineOption simOpt(
        QStringLiteral("simulate"),
        QStringLiteral("Start a simulated drive on a pseudo-terminal and use it."));
    const QCommandLineOption simPortOpt = ValueOption(
        "sim-port", "Port number 1..4 the simulated drive appears on (default 1).", "N", "1");
    const QCommandLineOption traceOpt =
        ValueOption("trace", "Write a hex log of every frame sent and received to FILE.", "FILE");
    p.addOptions({portOpt, driveOpt, simOpt, simPortOpt, traceOpt});
    p.addPositionalArgument(QStringLiteral("command"),
                            QStringLiteral("probe, read, write, session, upload-params, "
                                           "download-params or download-program"));
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    p.process(app);

    QStringList args = p.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = args.takeFirst();

    bool ok = false;
    const int drive = p.value(driveOpt).toInt(&ok);
    if (!ok || drive < 0 || drive > 63)
        return usage(QStringLiteral("--drive wants a number 0..63"));

    PortMap map = PortMap::fromSystem();
    bool fixedDevice = false;
    std::unique_ptr<sim::SimulatedLine> sim;
    if (p.isSet(simOpt)) {
        const int simPort = p.value(simPortOpt).toInt(&ok);
        if (!ok || simPort < 1 || simPort > 4)
            return usage(QStringLiteral("--sim-port wants a number 1..4"));
        sim = std::make_unique<sim::SimulatedLine>();
        QString error;
        if (!sim->start(&error)) {
            err() << "zr3500-cli: cannot start the simulated drive: " << error << Qt::endl;
            return kExitDrive;
        }
        map = PortMap();
        map.setDevice(simPort, sim->device());
    }
    for (const QString &spec : p.values(portOpt)) {
        if (spec.contains(QLatin1Char('='))) {
            QString error;
            if (!map.applyOverride(spec, &error))
                return usage(error);
        } else {
            map = PortMap();
            QString error;
            if (!map.applyOverride(QStringLiteral("1=") + spec, &error))
                return usage(error);
            fixedDevice = true;
        }
    }

    HardwareSerialPort hw(map);
    SerialPort *port = &hw;
    LineLog trace;
    std::unique_ptr<TracingSerialPort> tracer;
    if (p.isSet(traceOpt)) {
        if (!trace.openFile(p.value(traceOpt))) {
            err() << "zr3500-cli: cannot write the trace " << trace.fileName() << ": "
                  << trace.errorString() << Qt::endl;
            return kExitDrive;
        }
        tracer = std::make_unique<TracingSerialPort>(
            hw, [&trace](const QString &line) { trace.write(line); });
        port = tracer.get();
    }

    Cli cli(*port, hw, drive, fixedDevice);
    int code = kExitUsage;
    if (command == QLatin1String("probe"))
        code = args.isEmpty() ? cli.probe() : usage(QStringLiteral("probe takes no arguments"));
    else if (command == QLatin1String("read") || command == QLatin1String("write"))
        code = cli.session(QStringList{command} + args, false);
    else if (IsOfflineCommand(command, args))
        code = RunOfflineCommand(command, args);
    else if (IsTransferCommand(command))
        code = cli.transfer(command, args);
    else if (command == QLatin1String("session"))
        code = cli.session(args, true);
    else
        code = usage(QStringLiteral("unknown command \"%1\"").arg(command));
    if (tracer)
        tracer->flush();
    if (port->IsOpen())
        port->Close();
    return code;
}
