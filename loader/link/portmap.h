#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace zr {

// Maps the loader's port numbers 1..4 to the operating system's serial devices.
// Windows: port n is "COMn". Elsewhere: the n-th serial device, USB adapters first, then the
// built-in ports. ZR_LOADER_PORTS=dev1,dev2,dev3,dev4 and --port N=DEVICE replace entries.
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
    // "N=DEVICE" with N in 1..4; false (and a reason) when malformed.
    bool applyOverride(const QString &spec, QString *error = nullptr);

    void setDevice(int n, const QString &device);
    // The device of port n, or an empty text when port n has none.
    QString device(int n) const;

private:
    std::array<QString, 4> devices_;
};

} // namespace zr
