#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zr {

// A port that leads over the network to a serial bridge (ser2net on the PC beside the drive):
// "tcp://HOST:PORT", the bytes as they are, the bridge sets the line; or "rfc2217://HOST:PORT",
// telnet with com-port control, the loader asks for 19200 8N1 itself. IPv6 hosts in brackets.
struct NetworkAddress {
    bool telnet = false;
    QString host;
    quint16 port = 0;
};
// Empty unless `device` is such an address.
std::optional<NetworkAddress> ParseNetworkAddress(const QString &device);
// True for a text that names a network port, well formed or not.
bool IsNetworkDevice(const QString &device);

// Maps the loader's port numbers 1..4 to the operating system's serial devices.
// Windows: port n is "COMn". Elsewhere: the n-th serial device, USB adapters first, then the
// built-in ports. ZR_LOADER_PORTS=dev1,dev2,dev3,dev4 and --port N=DEVICE replace entries; a
// DEVICE may be a network address (above).
class PortMap {
public:
    struct Device {
        QString location; // e.g. /dev/ttyUSB0
        bool usb = false;
    };

    // The map of this machine, with ZR_LOADER_PORTS applied.
    static PortMap fromSystem();
    // Orders devices as the default map does: USB adapters first, then by name, numbers compared
    // as numbers (ttyS2 before ttyS10).
    static QStringList orderDevices(QList<Device> devices);

    // "dev1,dev2,dev3,dev4": non-empty entries replace ports 1..4.
    void applyEnvironment(const QString &value);
    // "N=DEVICE" with N in 1..4; false (and a reason) when malformed, a network address too.
    bool applyOverride(const QString &spec, QString *error = nullptr);

    void setDevice(int n, const QString &device);
    // The device of port n, or an empty text when port n has none.
    QString device(int n) const;

private:
    std::array<QString, 4> devices_;
};

} // namespace zr
