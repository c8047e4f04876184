#include "networkserialport.h"

#include <QElapsedTimer>
#include <QHostInfo>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace zr {

namespace {

// Acknowledges what arrives at once rather than up to 40 ms later. A bridge that sends each byte
// of a reply as it comes (ser2net with chardelay off) and keeps Nagle's rule on holds the second
// byte until the first is acknowledged: with delayed acknowledgements every exchange took 45 ms
// instead of 5. Linux falls back to delayed acknowledgements by itself, so this follows each read.
void acknowledgeAtOnce([[maybe_unused]] const QTcpSocket &socket) {
#ifdef Q_OS_LINUX
    const int on = 1;
    ::setsockopt(static_cast<int>(socket.socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &on,
                 sizeof on);
#endif
}

} // namespace

NetworkSerialPort::NetworkSerialPort(QString device)
    : device_(std::move(device)), address_(ParseNetworkAddress(device_)) {}

NetworkSerialPort::~NetworkSerialPort() {
    socket_.abort();
}

// Makes the connection; a host name is looked up once and its addresses kept.
bool NetworkSerialPort::connect() {
    if (resolved_.isEmpty()) {
        const QHostAddress literal(address_->host);
        if (!literal.isNull()) {
            resolved_ = {literal};
        } else {
            const QHostInfo info = QHostInfo::fromName(address_->host);
            resolved_ = info.addresses();
            if (resolved_.isEmpty())
                return fail(QStringLiteral("%1: host %2 not found").arg(device_, address_->host),
                            Failure::Missing);
        }
    }
    QString why;
    for (const QHostAddress &host : std::as_const(resolved_)) {
        socket_.abort();
        QElapsedTimer timer;
        timer.start();
        socket_.connectToHost(host, address_->port);
        if (socket_.waitForConnected(kConnectTimeoutMs)) {
            roundTripUs_ = timer.nsecsElapsed() / 1000;
            return true;
        }
        why = socket_.error() == QAbstractSocket::SocketTimeoutError
                  ? QStringLiteral("no connection within %1 ms").arg(kConnectTimeoutMs)
                  : socket_.errorString();
    }
    socket_.abort();
    if (socket_.error() != QAbstractSocket::ConnectionRefusedError)
        resolved_.clear(); // the host may have moved: look it up again next time
    return fail(QStringLiteral("%1: %2").arg(device_, why), Failure::Missing);
}

bool NetworkSerialPort::Open() {
    if (open_)
        return fail(QStringLiteral("the port is already open"));
    if (!address_)
        return fail(QStringLiteral("%1 is no network address (tcp://HOST:PORT or "
                                   "rfc2217://HOST:PORT)")
                        .arg(device_));
    if (!connect())
        return false;
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    acknowledgeAtOnce(socket_);
    received_.clear();
    sentAtNs_ = -1;
    open_ = true;
    lost_ = false;
    answered_ = false;
    refusal_ = Refusal::None;
    telnet_.reset();
    if (address_->telnet && !send(telnet_.opening()))
        return false;
    clearError();
    return true;
}

bool NetworkSerialPort::Close() {
    if (!open_)
        return fail(QStringLiteral("the port is not open"));
    socket_.abort();
    open_ = false;
    received_.clear();
    clearError();
    return true;
}

void NetworkSerialPort::markLost(const QString &why) {
    lost_ = true;
    open_ = false;
    socket_.abort();
    fail(QStringLiteral("%1: %2").arg(device_, why), Failure::Vanished);
}

bool NetworkSerialPort::send(const QByteArray &raw) {
    if (socket_.write(raw) != raw.size()) {
        markLost(socket_.errorString());
        return false;
    }
    // Out now, not at the next turn of the event loop; a frame is far smaller than the socket's
    // buffer, so this does not wait.
    socket_.flush();
    while (socket_.bytesToWrite() > 0 && socket_.state() == QAbstractSocket::ConnectedState &&
           socket_.waitForBytesWritten(kConnectTimeoutMs)) {
    }
    if (socket_.state() != QAbstractSocket::ConnectedState || socket_.bytesToWrite() > 0) {
        markLost(QStringLiteral("the connection was closed"));
        return false;
    }
    return true;
}

bool NetworkSerialPort::Write(const QByteArray &bytes) {
    if (!open_)
        return fail(QStringLiteral("the port is not open"));
    if (!send(address_->telnet ? TelnetCodec::encode(bytes) : bytes))
        return false;
    if (!bytes.isEmpty())
        sentAtNs_ = clockNs();
    clearError();
    return true;
}

// ser2net accepts a connection it cannot serve and sends one line of text before it closes it.
// Those bytes never reach the drive link; the port closes with the line as its reason.
bool NetworkSerialPort::refused(const QByteArray &data) {
    static const QByteArray inUse("Port already in use");
    static const QByteArray noDevice("Device open failure");
    if (data.startsWith(inUse))
        refusal_ = Refusal::InUse;
    else if (data.startsWith(noDevice))
        refusal_ = Refusal::NoDevice;
    else
        return false;
    const qsizetype end = data.indexOf('\r');
    const QString line = QString::fromLatin1(end < 0 ? data : data.left(end)).trimmed();
    lost_ = true;
    open_ = false;
    socket_.abort();
    fail(QStringLiteral("%1: ser2net: %2").arg(device_, line),
         refusal_ == Refusal::InUse ? Failure::Busy : Failure::Missing);
    return true;
}

void NetworkSerialPort::noteArrival() {
    if (sentAtNs_ < 0)
        return;
    roundTripUs_ = (clockNs() - sentAtNs_) / 1000;
    sentAtNs_ = -1;
}

// Takes what the connection holds into received_, waiting at most `msecs` for drive bytes.
// Returns true when drive bytes wait. A closed connection closes the port.
bool NetworkSerialPort::pull(int msecs) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (socket_.bytesAvailable() == 0) {
            const int left = static_cast<int>(qMax<qint64>(0, msecs - timer.elapsed()));
            const bool arrived = socket_.waitForReadyRead(left);
            if (socket_.state() != QAbstractSocket::ConnectedState &&
                socket_.bytesAvailable() == 0) {
                markLost(QStringLiteral("the connection was closed"));
                return !received_.isEmpty();
            }
            if (!arrived && socket_.bytesAvailable() == 0)
                return !received_.isEmpty();
        }
        const QByteArray raw = socket_.readAll();
        acknowledgeAtOnce(socket_);
        QByteArray data = raw;
        if (address_->telnet) {
            data = telnet_.decode(raw);
            const QByteArray replies = telnet_.takeReplies();
            if (!replies.isEmpty() && !send(replies))
                return !received_.isEmpty();
        }
        if (!answered_ && refused(data))
            return false;
        if (!data.isEmpty()) {
            answered_ = true;
            noteArrival();
            received_ += data;
            return true;
        }
        if (timer.elapsed() >= msecs)
            return !received_.isEmpty();
    }
}

QByteArray NetworkSerialPort::ReadAvailable(bool *ok) {
    if (ok)
        *ok = false;
    if (!open_) {
        fail(QStringLiteral("the port is not open"));
        return {};
    }
    pull(0);
    QByteArray bytes;
    bytes.swap(received_);
    if (!open_)
        return bytes;
    clearError();
    if (ok)
        *ok = true;
    return bytes;
}

bool NetworkSerialPort::waitForData(int msecs) {
    if (!open_)
        return false;
    if (!received_.isEmpty())
        return true;
    return pull(qMax(0, msecs));
}

} // namespace zr
