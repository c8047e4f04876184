// What the benchmarks share: zr3500-sim as a child process and the process's CPU time.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <ctime>

namespace zr::bench {

// zr3500-sim (built beside the benchmarks) on a pseudo-terminal, reached through a symbolic link.
class SimProcess {
public:
    SimProcess() = default;
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;
    ~SimProcess() { stop(); }

    // Starts the simulator with --link LINK and the further options; true once it has printed
    // its device path.
    bool start(const QString &link, const QStringList &options = {}) {
        process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zr3500-sim"),
                       QStringList{QStringLiteral("--link"), link} + options);
        return process_.waitForReadyRead(10000) && process_.readLine().startsWith('/');
    }
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        process_.waitForFinished(3000);
    }

private:
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
