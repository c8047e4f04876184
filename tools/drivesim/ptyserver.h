#pragma once

#include "simdrive.h"

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

namespace zr::sim {

// Serves a SimDrive on a pseudo-terminal: the host opens devicePath() as its serial port.
// run() blocks until stop() is called (from any thread or a signal handler) or the line
// vanishes; it sleeps in poll() between bytes, so an idle drive costs no CPU.
class PtyServer {
public:
    explicit PtyServer(SimDrive &drive);
    ~PtyServer();
    PtyServer(const PtyServer &) = delete;
    PtyServer &operator=(const PtyServer &) = delete;

    bool open(QString *error = nullptr);
    QString devicePath() const { return slavePath_; }
    // Makes `path` a symbolic link to the device (replacing an older link); removed on destruction.
    bool link(const QString &path, QString *error = nullptr);

    void run();
    void stop();
    // Runs `change` on the drive between two bytes of the line: how another thread sets faults,
    // memory or hooks, or reads the drive, while run() serves it.
    void withDrive(const std::function<void(SimDrive &)> &change);
    // Closes the pseudo-terminal under the host's feet, as an unplugged adapter would.
    void closeLine() {
        closeRequested_ = true;
        stop();
    }

private:
    void shutdown();

    SimDrive &drive_;
    std::mutex driveMutex_; // held while run() works on the drive
    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    QString slavePath_;
    QString linkPath_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> closeRequested_{false};
};

} // namespace zr::sim
