#pragma once

// The simulated drive on a pseudo-terminal and the program's real serial port on it, as the
// fault matrix uses them: the port counts the requests it sends, the drive takes faults while it
// serves, and the line can be pulled and plugged in again.

#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "simfaults.h"
#include "simulatedline.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <ctime>

namespace zr::faults {

// The real port with the requests handed to it (one a transaction).
class CountingPort final : public SerialPort {
public:
    explicit CountingPort(SerialPort &inner) : inner_(inner) {}
    QList<QByteArray> frames; // every request handed to the port
    int sentOnLine = 0;       // the requests the port could send

    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Open() override { return inner_.Open(); }
    bool Close() override { return inner_.Close(); }
    bool SetPortNumber(int n) override { return inner_.SetPortNumber(n); }
    int GetPortNumber() const override { return inner_.GetPortNumber(); }
    bool Write(const QByteArray &bytes) override {
        frames << bytes;
        const bool ok = inner_.Write(bytes);
        sentOnLine += ok;
        return ok;
    }
    QByteArray ReadAvailable(bool *ok = nullptr) override { return inner_.ReadAvailable(ok); }
    bool waitForData(int msecs) override { return inner_.waitForData(msecs); }
    QString deviceFor(int n) const override { return inner_.deviceFor(n); }

private:
    SerialPort &inner_;
};

// Port 1 is the simulated drive (unpaced); ports 2 to 4 have no device.
struct FaultRig {
    QTemporaryDir dir;
    sim::SimulatedLine line;
    std::unique_ptr<HardwareSerialPort> hardware;
    std::unique_ptr<CountingPort> port;

    bool start() {
        line.setLinkPath(dir.filePath(QStringLiteral("zr3500")));
        if (!line.start())
            return false;
        PortMap map;
        map.setDevice(1, dir.filePath(QStringLiteral("zr3500")));
        hardware = std::make_unique<HardwareSerialPort>(map);
        port = std::make_unique<CountingPort>(*hardware);
        return port->Open();
    }
    PortMap portMap() const { return hardware->portMap(); }
    QString path(const QString &name) const { return dir.filePath(name); }

    // The fault starts with the drive's next transaction.
    void setFault(sim::Fault fault) {
        line.withDrive([&](sim::SimDrive &d) {
            fault.after += d.transactions();
            d.clearFaults();
            d.addFault(fault);
        });
    }
    void clearFault() {
        line.withDrive([](sim::SimDrive &d) { d.clearFaults(); });
    }
    template <class T> T fromDrive(const std::function<T(sim::SimDrive &)> &read) {
        T value{};
        line.withDrive([&](sim::SimDrive &d) { value = read(d); });
        return value;
    }
    bool lineVanished() {
        return fromDrive<bool>([](sim::SimDrive &d) { return d.vanished(); });
    }
    // The fault cleared, what the drive still had to say said (a late reply), and, when the line
    // went away, the adapter plugged in again; the port opened as the link page opens it.
    bool restore() {
        clearFault();
        QElapsedTimer waited;
        waited.start();
        while (fromDrive<bool>(
                   [](sim::SimDrive &d) { return d.nextDue() != sim::TimePoint::max(); }) &&
               !waited.hasExpired(500))
            QThread::msleep(10);
        if (port->IsOpen())
            port->DiscardInput();
        if (lineVanished()) {
            if (!line.plugIn())
                return false;
            if (port->IsOpen())
                port->Close();
        }
        return port->IsOpen() || port->Open();
    }
};

// The CPU time this process has used, all threads.
inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace zr::faults
