#pragma once

// ser2net, the serial-to-network bridge of a plant PC, run on 127.0.0.1 in front of a device (the
// simulated drive's pseudo-terminal) by the tests and the benchmarks. Each instance has its own
// configuration, TCP port and process.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

namespace zr::sim {

class Ser2NetBridge {
public:
    struct Options {
        // Keep ser2net's default wait of two characters (at least 1 ms) before it passes what
        // the device sent on to the network.
        bool chardelay = false;
        // More lines of the connection's options section.
        QString extraOptions;
    };

    Ser2NetBridge() = default;
    Ser2NetBridge(const Ser2NetBridge &) = delete;
    Ser2NetBridge &operator=(const Ser2NetBridge &) = delete;
    ~Ser2NetBridge() { stop(); }

    // The installed program, or an empty text.
    static QString program() {
        return QStandardPaths::findExecutable(
            QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                        QStringLiteral("/usr/local/sbin")});
    }

    // Bridges `device` to a free TCP port: raw ("tcp") or telnet with com-port control
    // ("rfc2217", the line set to 9600 baud so that the client has to ask for its own). True once
    // ser2net listens.
    bool start(const QString &device, const QString &scheme, const Options &options) {
        scheme_ = scheme;
        QTcpServer probe; // a port free a moment ago
        if (program().isEmpty() || !probe.listen(QHostAddress::LocalHost))
            return false;
        port_ = probe.serverPort();
        probe.close();
        const bool telnet = scheme == QLatin1String("rfc2217");
        QFile f(dir_.filePath(QStringLiteral("ser2net.yaml")));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QStringLiteral("connection: &drive\n"
                               "  accepter: %1tcp,127.0.0.1,%2\n"
                               "  connector: serialdev,%3,%4n81,local\n"
                               "  options:\n"
                               "    chardelay: %5\n%6")
                    .arg(telnet ? QStringLiteral("telnet(rfc2217),") : QString())
                    .arg(port_)
                    .arg(device, telnet ? QStringLiteral("9600") : QStringLiteral("19200"),
                         options.chardelay ? QStringLiteral("true") : QStringLiteral("false"),
                         options.extraOptions)
                    .toUtf8());
        f.close();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program(), {QStringLiteral("-u"), QStringLiteral("-n"), QStringLiteral("-d"),
                                   QStringLiteral("-c"), f.fileName()});
        if (!process_.waitForStarted(5000))
            return false;
        const QDeadlineTimer deadline(10000);
        while (!listening() && running() && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        return listening() && running();
    }
    bool start(const QString &device, const QString &scheme) {
        return start(device, scheme, Options{});
    }
    void stop() {
        if (!running())
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    bool running() const { return process_.state() == QProcess::Running; }
    QString url() const { return QStringLiteral("%1://127.0.0.1:%2").arg(scheme_).arg(port_); }
    quint16 tcpPort() const { return port_; }
    QString log() { return QString::fromLocal8Bit(process_.readAll()); }

private:
    // True when the kernel lists a socket listening on 127.0.0.1 at the port (no connection is
    // made, so ser2net does not open the device before its client does).
    bool listening() const {
        QFile tcp(QStringLiteral("/proc/net/tcp"));
        if (!tcp.open(QIODevice::ReadOnly))
            return false;
        const QByteArray local =
            QStringLiteral("0100007F:%1").arg(port_, 4, 16, QLatin1Char('0')).toUpper().toLatin1();
        for (const QByteArray &line : tcp.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 3 && fields.at(1) == local && fields.at(3) == "0A")
                return true;
        }
        return false;
    }

    QTemporaryDir dir_;
    QProcess process_;
    QString scheme_;
    quint16 port_ = 0;
};

} // namespace zr::sim
