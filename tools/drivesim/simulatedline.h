#pragma once

// A simulated drive on a pseudo-terminal, served from a thread of the calling program: what
// --simulate of the programs opens instead of a real serial device. Its front panel runs the
// drive's menu in English.

#include "frontpanelmenu.h"
#include "ptyserver.h"
#include "simdrive.h"

#include <QString>

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
    QString device() const { return server_.devicePath(); }
    // The drive, to be set up before start().
    SimDrive &drive() { return drive_; }

private:
    SimDrive drive_;
    FrontPanelMenu menu_{drive_, 1};
    PtyServer server_{drive_};
    std::thread thread_;
};

} // namespace zr::sim
