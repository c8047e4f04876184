// What the benchmarks share: zr3500-sim as a child process and the process's CPU time (ser2net
// in front of it: ser2netbridge.h).
#pragma once

#include "portmap.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <ctime>

namespace zr::bench {

// zr3500-sim (built beside the benchmarks) on a pseudo-terminal, reached through a symbolic link
// in a temporary folder. It may be stopped and started again on the same link.
class SimProcess {
public:
    SimProcess() : link_(dir_.filePath(QStringLiteral("drive"))) {}
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;
    ~SimProcess() { stop(); }

    // Starts the simulator with the options; true once it has printed its device path.
    bool start(const QStringList &options = {}) {
        process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zr3500-sim"),
                       QStringList{QStringLiteral("--link"), link_} + options);
        return process_.waitForReadyRead(10000) && process_.readLine().startsWith('/');
    }
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        process_.waitForFinished(3000);
    }

    const QString &link() const { return link_; }
    // Port 1 on the link.
    PortMap map() const {
        PortMap m;
        m.setDevice(1, link_);
        return m;
    }

private:
    QTemporaryDir dir_;
    QString link_;
    QProcess process_;
};

// The options that pace the simulated line as the drive's: 19200 baud.
inline QStringList Paced() {
    return {QStringLiteral("--baud"), QStringLiteral("19200")};
}

// CPU seconds this process has used so far.
inline double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace zr::bench
