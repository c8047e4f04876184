#pragma once

#include "serialport.h"
#include "simdrive.h"

#include <array>

namespace zr::sim {

// A SerialPort whose line leads to a SimDrive in the same process. Ports 1..4 exist unless
// removed; the drive hangs on one of them (port 1 unless changed), the others are silent lines.
// Waiting really waits (until the next reply byte is due), so timeouts and pacing behave as on a
// real line.
class SimSerialPort final : public SerialPort {
public:
    explicit SimSerialPort(SimDrive &drive);

    bool IsOpen() const override { return open_; }
    bool Open() override;
    bool Close() override;
    bool Write(const QByteArray &bytes) override;
    QByteArray ReadAvailable(bool *ok = nullptr) override;
    bool waitForData(int msecs) override;
    qint64 clockNs() const override;

    // The line keeps a time of its own that moves only when the host waits for bytes (to the
    // next byte due or the end of the wait, whichever comes first), so a silent drive or a
    // timeout costs no real time and every run sees the same times.
    void useOwnTime(bool on);

    void setPortPresent(int n, bool present);
    void setDrivePort(int n) { drivePort_ = n; }
    // Another program holds the port: Open() fails.
    void setPortBusy(int n, bool busy);
    // The account may not open the port: Open() fails.
    void setPortDenied(int n, bool denied);
    // Bytes the drive side puts on the line outside any exchange (leftovers, noise).
    void injectInput(const QByteArray &bytes) { injected_ += bytes; }
    int writes() const { return writes_; }
    int opens() const { return opens_; }

private:
    bool onDriveLine() const { return GetPortNumber() == drivePort_; }
    TimePoint now() const { return ownTime_ ? time_ : Clock::now(); }
    bool checkLine();

    SimDrive &drive_;
    bool open_ = false;
    int drivePort_ = 1;
    std::array<bool, 4> present_{true, true, true, true};
    std::array<bool, 4> busy_{false, false, false, false};
    std::array<bool, 4> denied_{false, false, false, false};
    QByteArray injected_;
    bool ownTime_ = false;
    TimePoint time_{};
    int writes_ = 0;
    int opens_ = 0;
};

} // namespace zr::sim
