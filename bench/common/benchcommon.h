// What the benchmarks share: zr3500-sim and ser2net as child processes and the process's CPU
// time.
#pragma once

#include "portmap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

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

// ser2net bridging a device to a free TCP port on 127.0.0.1: "tcp" (raw) or "rfc2217" (telnet
// with com-port control). `chardelay` keeps ser2net's default wait of two characters (at least
// 1 ms) before it passes what the device sent on to the network.
class Ser2NetProcess {
public:
    Ser2NetProcess() = default;
    Ser2NetProcess(const Ser2NetProcess &) = delete;
    Ser2NetProcess &operator=(const Ser2NetProcess &) = delete;
    ~Ser2NetProcess() { stop(); }

    static QString program() {
        return QStandardPaths::findExecutable(
            QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    }

    bool start(const QString &device, const QString &scheme, bool chardelay = false) {
        scheme_ = scheme;
        QTcpServer probe;
        if (program().isEmpty() || !probe.listen(QHostAddress::LocalHost))
            return false;
        port_ = probe.serverPort();
        probe.close();
        QFile f(dir_.filePath(QStringLiteral("ser2net.yaml")));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QStringLiteral("connection: &drive\n"
                               "  accepter: %1tcp,127.0.0.1,%2\n"
                               "  connector: serialdev,%3,19200n81,local\n"
                               "  options:\n"
                               "    chardelay: %4\n")
                    .arg(scheme == QLatin1String("rfc2217") ? QStringLiteral("telnet(rfc2217),")
                                                            : QString())
                    .arg(port_)
                    .arg(device, chardelay ? QStringLiteral("true") : QStringLiteral("false"))
                    .toUtf8());
        f.close();
        process_.start(program(), {QStringLiteral("-u"), QStringLiteral("-n"), QStringLiteral("-d"),
                                   QStringLiteral("-c"), f.fileName()});
        if (!process_.waitForStarted(5000))
            return false;
        // Ready once it accepts a connection.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port_);
            if (s.waitForConnected(500)) {
                s.abort();
                QThread::msleep(100); // ser2net closes the device again
                return true;
            }
            QThread::msleep(20);
        }
        return false;
    }
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        process_.waitForFinished(3000);
    }
    QString url() const { return QStringLiteral("%1://127.0.0.1:%2").arg(scheme_).arg(port_); }
    quint16 tcpPort() const { return port_; }
    // Port 1 on the bridge.
    PortMap map() const {
        PortMap m;
        m.setDevice(1, url());
        return m;
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString scheme_;
    quint16 port_ = 0;
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
