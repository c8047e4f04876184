#include "hardwareserialport.h"

#include "tracingserialport.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#endif

namespace zr {

namespace {

#ifdef Q_OS_LINUX
void setLowLatency(int fd) {
    serial_struct ss{};
    if (::ioctl(fd, TIOCGSERIAL, &ss) == 0) {
        ss.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &ss); // pseudo-terminals and some drivers refuse: harmless
    }
}
#endif

// QSerialPort reports a device held by another program (EBUSY, a lock file) as a permission
// error too; only a device the account may not open is a matter of permissions.
SerialPort::Failure openFailure(QSerialPort::SerialPortError error, const QString &device) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return SerialPort::Failure::Missing;
    case QSerialPort::PermissionError: {
        const QFileInfo info(device);
        if (!info.exists())
            return SerialPort::Failure::Missing;
        return info.isReadable() && info.isWritable() ? SerialPort::Failure::Busy
                                                      : SerialPort::Failure::Permission;
    }
    case QSerialPort::OpenError:
        return SerialPort::Failure::Busy;
    default:
        return SerialPort::Failure::Other;
    }
}

} // namespace

const HardwareSerialPort *HardwarePortOf(const SerialPort &port) {
    if (const auto *traced = dynamic_cast<const TracingSerialPort *>(&port))
        return HardwarePortOf(traced->inner());
    return dynamic_cast<const HardwareSerialPort *>(&port);
}

int ReadUsbLatencyTimer(const QString &device) {
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return -1;
    QFile f(QStringLiteral("/sys/bus/usb-serial/devices/%1/latency_timer").arg(name));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int ms = QString::fromLatin1(f.readAll()).trimmed().toInt(&ok);
    return ok ? ms : -1;
}

HardwareSerialPort::HardwareSerialPort(PortMap map) : map_(std::move(map)) {}

HardwareSerialPort::~HardwareSerialPort() {
    if (port_.isOpen())
        port_.close();
}

bool HardwareSerialPort::IsOpen() const {
    return port_.isOpen() || onNetwork();
}

// Passes on how an operation of the network port went; a lost connection is a vanished device.
bool HardwareSerialPort::fromNetwork(bool ok) {
    if (network_->connectionLost())
        vanished_ = true;
    if (ok)
        clearError();
    else
        fail(network_->lastError(), network_->lastFailure());
    return ok;
}

bool HardwareSerialPort::openNetwork(const QString &device) {
    if (!network_ || network_->device() != device)
        network_ = std::make_unique<NetworkSerialPort>(device);
    if (!fromNetwork(network_->Open()))
        return false;
    latencyTimerMs_ = -1;
    vanished_ = false;
    return true;
}

bool HardwareSerialPort::Open() {
    if (IsOpen())
        return fail(QStringLiteral("the port is already open"));
    const QString device = map_.device(GetPortNumber());
    if (device.isEmpty())
        return fail(QStringLiteral("port %1 has no serial device").arg(GetPortNumber()),
                    Failure::NoDevice);
    if (IsNetworkDevice(device))
        return openNetwork(device);
    network_.reset();
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite))
        return fail(QStringLiteral("%1: %2").arg(device, port_.errorString()),
                    openFailure(port_.error(), device));
    const bool configured = port_.setBaudRate(kBaudRate) && port_.setDataBits(QSerialPort::Data8) &&
                            port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QString why = port_.errorString();
        port_.close();
        return fail(QStringLiteral("%1: %2").arg(device, why));
    }
#ifdef Q_OS_LINUX
    setLowLatency(static_cast<int>(port_.handle()));
#endif
    latencyTimerMs_ = ReadUsbLatencyTimer(device);
    vanished_ = false;
    port_.clearError();
    clearError();
    return true;
}

bool HardwareSerialPort::Close() {
    if (onNetwork())
        return fromNetwork(network_->Close());
    if (!port_.isOpen())
        return fail(QStringLiteral("the port is not open"));
    port_.close();
    clearError();
    return true;
}

QString HardwareSerialPort::deviceName() const {
    return IsOpen() ? map_.device(GetPortNumber()) : QString();
}

// A port whose device went away keeps saying why rather than that it is closed.
bool HardwareSerialPort::notOpen() {
    if (vanished_ && lastFailure() != Failure::None)
        return false;
    return fail(QStringLiteral("the port is not open"));
}

void HardwareSerialPort::markVanished(const QString &why) {
    vanished_ = true;
    port_.close();
    fail(why, Failure::Vanished);
}

QString HardwareSerialPort::deviceFor(int portNumber) const {
    return map_.device(portNumber);
}

bool HardwareSerialPort::Write(const QByteArray &bytes) {
    if (onNetwork())
        return fromNetwork(network_->Write(bytes));
    if (!port_.isOpen())
        return notOpen();
    if (port_.write(bytes) != bytes.size())
        return fail(port_.errorString());
    // Hand the bytes to the driver now rather than at the next turn of the event loop.
    port_.flush();
    if (port_.error() == QSerialPort::ResourceError) {
        markVanished(QStringLiteral("the serial device went away"));
        return false;
    }
    port_.clearError();
    return true;
}

// Polls the device for input. Returns true when bytes can be read; a hang-up closes the port.
bool HardwareSerialPort::pollReadable(int msecs) {
#ifdef Q_OS_LINUX
    pollfd pfd{static_cast<int>(port_.handle()), POLLIN, 0};
    const int n = ::poll(&pfd, 1, msecs);
    if (n <= 0)
        return false;
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        markVanished(QStringLiteral("the serial device went away"));
        return false;
    }
    return (pfd.revents & POLLIN) != 0;
#else
    const bool ready = port_.waitForReadyRead(msecs);
    if (port_.error() == QSerialPort::ResourceError) {
        markVanished(QStringLiteral("the serial device went away"));
        return false;
    }
    port_.clearError();
    return ready;
#endif
}

QByteArray HardwareSerialPort::ReadAvailable(bool *ok) {
    if (ok)
        *ok = false;
    if (onNetwork()) {
        bool read = false;
        QByteArray bytes = network_->ReadAvailable(&read);
        fromNetwork(read);
        if (ok)
            *ok = read;
        return bytes;
    }
    if (!port_.isOpen()) {
        notOpen();
        return {};
    }
    // Bytes an event loop already moved into the port's buffer come first.
    QByteArray bytes = port_.readAll();
    if (pollReadable(0)) {
#ifdef Q_OS_LINUX
        // Move what the driver holds into the port's buffer without waiting.
        port_.waitForReadyRead(0);
        if (port_.error() == QSerialPort::ResourceError)
            markVanished(QStringLiteral("the serial device went away"));
        else
            port_.clearError();
#endif
        if (port_.isOpen())
            bytes += port_.readAll();
    }
    if (!port_.isOpen())
        return bytes;
    if (ok)
        *ok = true;
    return bytes;
}

bool HardwareSerialPort::waitForData(int msecs) {
    if (onNetwork()) {
        const bool ready = network_->waitForData(msecs);
        if (network_->connectionLost())
            fromNetwork(false);
        return ready;
    }
    if (!port_.isOpen())
        return false;
    if (port_.bytesAvailable() > 0)
        return true;
    return pollReadable(qMax(0, msecs));
}

} // namespace zr
