#pragma once

// A simulated drive on a pseudo-terminal, served from a thread of the calling program: what
// --simulate of the programs opens instead of a real serial device. Its front panel runs the
// drive's menu in English. The line can be pulled away and plugged in again, as an adapter can.

#include "frontpanelmenu.h"
#include "ptyserver.h"
#include "simdrive.h"

#include <QString>

#include <functional>
#include <memory>
#include <thread>

namespace zr::sim {

class SimulatedLine {
public:
    SimulatedLine() = default;
    ~SimulatedLine();
    SimulatedLine(const SimulatedLine &) = delete;
    SimulatedLine &operator=(const SimulatedLine &) = delete;

    // Opens the pseudo-terminal and starts serving; false (and a reason) when it cannot.
    bool start(QString *error = nullptr);
    // The device the host opens as its serial port.
    QString device() const { return server_ ? server_->devicePath() : QString(); }
    // The drive, to be set up before start(); afterwards reach it through withDrive().
    SimDrive &drive() { return drive_; }
    // Also reach the device through a symbolic link at `path`, which follows the line when it is
    // plugged in again. Set before start().
    void setLinkPath(const QString &path) { linkPath_ = path; }

    // Runs `change` on the drive from the calling thread while the line is served.
    void withDrive(const std::function<void(SimDrive &)> &change);
    // Closes the pseudo-terminal under the host's feet, as an unplugged adapter would.
    void pull();
    // Serves the drive on a new pseudo-terminal (at the same link path), as an adapter plugged in
    // again; a line that vanished by a fault is restored first.
    bool plugIn(QString *error = nullptr);

private:
    void halt();

    SimDrive drive_;
    FrontPanelMenu menu_{drive_, 1};
    std::unique_ptr<PtyServer> server_;
    std::thread thread_;
    QString linkPath_;
};

} // namespace zr::sim
