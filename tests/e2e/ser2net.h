#pragma once

// ser2net, the serial-to-network bridge of a plant PC, run by a test on 127.0.0.1 in front of a
// pseudo-terminal. Each instance has its own configuration, TCP port and process.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace e2e {

class Ser2Net {
public:
    // The installed program, or an empty text.
    static QString program() {
        return QStandardPaths::findExecutable(
            QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                        QStringLiteral("/usr/local/sbin")});
    }

    // Bridges `device` to a free TCP port: raw ("tcp") or telnet with com-port control
    // ("rfc2217", the line set to 9600 baud so that the client has to ask for its own). True once
    // ser2net listens.
    bool start(const QString &device, const QString &scheme, const QString &extraOptions = {}) {
        scheme_ = scheme;
        QTcpServer probe; // a port free a moment ago
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        port_ = probe.serverPort();
        probe.close();
        const bool telnet = scheme == QLatin1String("rfc2217");
        const QString config = dir_.filePath(QStringLiteral("ser2net.yaml"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QStringLiteral("connection: &drive\n"
                               "  accepter: %1tcp,127.0.0.1,%2\n"
                               "  connector: serialdev,%3,%4n81,local\n"
                               "  options:\n"
                               "    chardelay: false\n%5")
                    .arg(telnet ? QStringLiteral("telnet(rfc2217),") : QString())
                    .arg(port_)
                    .arg(device, telnet ? QStringLiteral("9600") : QStringLiteral("19200"),
                         extraOptions)
                    .toUtf8());
        f.close();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program(), {QStringLiteral("-u"), QStringLiteral("-n"), QStringLiteral("-d"),
                                   QStringLiteral("-c"), config});
        if (!process_.waitForStarted(5000))
            return false;
        return QTest::qWaitFor([this] { return listening() || !running(); }, 10000) && running();
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
    ~Ser2Net() { stop(); }

    bool running() const { return process_.state() == QProcess::Running; }
    QString url() const { return QStringLiteral("%1://127.0.0.1:%2").arg(scheme_).arg(port_); }
    QString log() { return QString::fromLocal8Bit(process_.readAll()); }

private:
    // True when the kernel lists a socket listening on 127.0.0.1 at the port (no connection is
    // made, so ser2net does not open the device before the test does).
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

} // namespace e2e
