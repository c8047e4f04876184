#pragma once

// The fault matrix's line to the simulated drive. In process, the line keeps a clock of its own
// that moves only while the program waits: a timeout costs no real time and every run takes the
// same turns. On a pseudo-terminal the program's real serial port talks to the drive, for the
// faults where a real device goes away under the program's feet.

#include "hardwareserialport.h"
#include "simfaults.h"
#include "simserialport.h"
#include "simulatedline.h"

#include <QTemporaryDir>
#include <QThread>

#include <ctime>
#include <memory>

namespace zr::faults {

// One holder of the line, the drive link or the scope, counting the requests it hands on. In
// process both hold the one simulated port, so that they share its clock; each end is open only
// while it opened it, as with two ports on one device.
class LineEnd final : public SerialPort {
public:
    explicit LineEnd(SerialPort &line) : line_(line) {}
    QList<QByteArray> frames; // every request handed to this end
    int sentOnLine = 0;       // those the line took
    const LineEnd *other = nullptr;

    bool IsOpen() const override { return open_ && line_.IsOpen(); }
    bool Open() override {
        open_ = line_.IsOpen() || line_.Open();
        return relay(open_);
    }
    bool Close() override {
        open_ = false;
        return (other && other->IsOpen()) || relay(line_.Close());
    }
    bool SetPortNumber(int n) override { return relay(line_.SetPortNumber(n)); }
    int GetPortNumber() const override { return line_.GetPortNumber(); }
    bool Write(const QByteArray &bytes) override {
        frames << bytes;
        const bool ok = IsOpen() && line_.Write(bytes);
        sentOnLine += ok;
        return relay(ok);
    }
    QByteArray ReadAvailable(bool *ok = nullptr) override {
        if (ok)
            *ok = false;
        return IsOpen() ? line_.ReadAvailable(ok) : QByteArray();
    }
    bool waitForData(int msecs) override { return IsOpen() && line_.waitForData(msecs); }
    qint64 clockNs() const override { return line_.clockNs(); }

private:
    bool relay(bool ok) { return ok || fail(line_.lastError(), line_.lastFailure()); }
    SerialPort &line_;
    bool open_ = false;
};

// Port 1 leads to the drive; ports 2 to 4 have no device.
struct FaultRig {
    bool pty = false;
    QTemporaryDir dir;
    sim::SimDrive drive; // in process
    sim::SimSerialPort simPort{drive};
    sim::SimulatedLine line; // on a pseudo-terminal
    std::unique_ptr<HardwareSerialPort> hardware;
    std::unique_ptr<LineEnd> port; // the drive link's end

    bool start(bool onPty) {
        pty = onPty;
        if (!pty) {
            simPort.useOwnTime(true);
            for (int n = 2; n <= SerialPort::kLastPort; ++n)
                simPort.setPortPresent(n, false);
            port = std::make_unique<LineEnd>(simPort);
            return port->Open();
        }
        line.setLinkPath(path(QStringLiteral("zr3500")));
        if (!line.start())
            return false;
        PortMap map;
        map.setDevice(1, path(QStringLiteral("zr3500")));
        hardware = std::make_unique<HardwareSerialPort>(map);
        port = std::make_unique<LineEnd>(*hardware);
        return port->Open();
    }
    // The scope's own port on the same line.
    std::unique_ptr<SerialPort> scopePort() {
        if (pty)
            return std::make_unique<HardwareSerialPort>(hardware->portMap());
        auto end = std::make_unique<LineEnd>(simPort);
        end->other = port.get();
        port->other = end.get();
        return end;
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    template <class F> auto fromDrive(F read) {
        decltype(read(drive)) value{};
        if (pty)
            line.withDrive([&](sim::SimDrive &d) { value = read(d); });
        else
            value = read(drive);
        return value;
    }
    // The fault starts with the drive's next transaction.
    void setFault(sim::Fault fault) {
        fromDrive([&](sim::SimDrive &d) {
            fault.after += d.transactions();
            d.clearFaults();
            d.addFault(fault);
            return 0;
        });
    }
    bool lineVanished() {
        return fromDrive([](sim::SimDrive &d) { return d.vanished(); });
    }
    // The fault cleared, the adapter plugged in again when the line went away, the port open
    // again, and what the drive still had to say (a late reply) said and dropped.
    bool restore() {
        fromDrive([](sim::SimDrive &d) { return (d.clearFaults(), 0); });
        if (lineVanished()) {
            if (!line.plugIn())
                return false;
            if (port->IsOpen())
                port->Close();
        }
        if (!port->IsOpen() && !port->Open())
            return false;
        for (int i = 0; i < 50 && fromDrive([](sim::SimDrive &d) { return d.nextDue(); }) !=
                                      sim::TimePoint::max();
             ++i) {
            if (pty)
                QThread::msleep(10);
            else
                port->waitForData(10);
            port->DiscardInput();
        }
        return true;
    }
};

// The CPU time this process has used, all threads.
inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace zr::faults
