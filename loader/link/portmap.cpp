#include "portmap.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace zr {

bool IsNetworkDevice(const QString &device) {
    return device.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive) ||
           device.startsWith(QLatin1String("rfc2217://"), Qt::CaseInsensitive);
}

std::optional<NetworkAddress> ParseNetworkAddress(const QString &device) {
    static const QRegularExpression form(
        QStringLiteral("^(tcp|rfc2217)://(\\[[0-9A-Fa-f:.]+\\]|[^/:\\[\\]\\s]+):([0-9]{1,5})/?$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(device.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int port = m.captured(3).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    NetworkAddress address;
    address.telnet = m.captured(1).compare(QLatin1String("rfc2217"), Qt::CaseInsensitive) == 0;
    address.host = m.captured(2);
    if (address.host.startsWith(QLatin1Char('[')))
        address.host = address.host.mid(1, address.host.size() - 2);
    address.port = static_cast<quint16>(port);
    return address;
}

PortMap PortMap::fromSystem() {
    PortMap map;
#ifdef Q_OS_WIN
    for (int n = 1; n <= 4; ++n)
        map.setDevice(n, QStringLiteral("COM%1").arg(n));
#else
    QList<Device> found;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        const bool usb = info.hasVendorIdentifier() || name.startsWith(QLatin1String("ttyUSB")) ||
                         name.startsWith(QLatin1String("ttyACM"));
        found.append({info.systemLocation(), usb});
    }
    const QStringList ordered = orderDevices(found);
    for (int i = 0; i < 4 && i < ordered.size(); ++i)
        map.setDevice(i + 1, ordered.at(i));
#endif
    map.applyEnvironment(qEnvironmentVariable("ZR_LOADER_PORTS"));
    return map;
}

namespace {
// Compares names with runs of digits taken as numbers: ttyS2 before ttyS10.
bool naturalLess(const QString &a, const QString &b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a.at(ei).isDigit())
                ++ei;
            while (ej < b.size() && b.at(ej).isDigit())
                ++ej;
            const qulonglong na = a.mid(i, ei - i).toULongLong();
            const qulonglong nb = b.mid(j, ej - j).toULongLong();
            if (na != nb)
                return na < nb;
            i = ei;
            j = ej;
        } else {
            if (a.at(i) != b.at(j))
                return a.at(i) < b.at(j);
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}
} // namespace

QStringList PortMap::orderDevices(QList<Device> devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const Device &a, const Device &b) {
        if (a.usb != b.usb)
            return a.usb;
        return naturalLess(a.location, b.location);
    });
    QStringList out;
    for (const Device &d : devices)
        out.append(d.location);
    return out;
}

void PortMap::applyEnvironment(const QString &value) {
    const QStringList parts = value.split(QLatin1Char(','));
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        const QString dev = parts.at(i).trimmed();
        if (!dev.isEmpty())
            setDevice(i + 1, dev);
    }
}

bool PortMap::applyOverride(const QString &spec, QString *error) {
    static const QRegularExpression form(QStringLiteral("^([1-4])=(.+)$"));
    const auto m = form.match(spec.trimmed());
    if (!m.hasMatch()) {
        if (error)
            *error = QStringLiteral("expected N=DEVICE with N in 1..4, got \"%1\"").arg(spec);
        return false;
    }
    const QString device = m.captured(2);
    if (IsNetworkDevice(device) && !ParseNetworkAddress(device)) {
        if (error)
            *error = QStringLiteral("expected tcp://HOST:PORT or rfc2217://HOST:PORT with PORT in "
                                    "1..65535, got \"%1\"")
                         .arg(device);
        return false;
    }
    setDevice(m.captured(1).toInt(), device);
    return true;
}

void PortMap::setDevice(int n, const QString &device) {
    if (n >= 1 && n <= 4)
        devices_[n - 1] = device;
}

QString PortMap::device(int n) const {
    if (n < 1 || n > 4)
        return {};
    return devices_[n - 1];
}

} // namespace zr
