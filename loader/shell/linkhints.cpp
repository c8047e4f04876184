#include "linkhints.h"

#include "languages.h"
#include "serialport.h"

namespace zr::shell {

QString PortFailureHint(const SerialPort &port, int language) {
    using F = SerialPort::Failure;
    const int n = port.GetPortNumber();
    QString device = port.deviceFor(n);
    if (device.isEmpty())
        device = QStringLiteral("%1").arg(n);
    switch (port.lastFailure()) {
    case F::None:
        return {};
    case F::NoDevice:
        return Pick(language,
                    "Nessun dispositivo seriale per la porta %1: collegare l'adattatore o "
                    "indicarlo con --port %1=DISPOSITIVO.",
                    "No serial device for port %1: plug in the adapter or name it with "
                    "--port %1=DEVICE.",
                    "Aucun périphérique série pour le port %1 : brancher l'adaptateur ou "
                    "l'indiquer avec --port %1=PERIPHERIQUE.")
            .arg(n);
    case F::Missing:
    case F::Vanished:
        return Pick(language, "La porta %1 (%2) non esiste più: l'adattatore è scollegato?",
                    "Port %1 (%2) is not there: is the adapter unplugged?",
                    "Le port %1 (%2) n'existe pas : l'adaptateur est-il débranché ?")
            .arg(n)
            .arg(device);
    case F::Permission:
        return Pick(language,
                    "Accesso negato alla porta %1 (%2): aggiungere l'utente al gruppo dialout "
                    "e rientrare nella sessione.",
                    "Port %1 (%2) may not be opened: add your user to the dialout group, then "
                    "log in again.",
                    "Accès refusé au port %1 (%2) : ajouter l'utilisateur au groupe dialout, "
                    "puis rouvrir la session.")
            .arg(n)
            .arg(device);
    case F::Busy:
        return Pick(language, "La porta %1 (%2) è occupata da un altro programma.",
                    "Port %1 (%2) is in use by another program.",
                    "Le port %1 (%2) est occupé par un autre programme.")
            .arg(n)
            .arg(device);
    case F::Other:
        break;
    }
    return Pick(language, "La porta %1 (%2) non si apre: %3", "Port %1 (%2) does not open: %3",
                "Le port %1 (%2) ne s'ouvre pas : %3")
        .arg(n)
        .arg(device, port.lastError());
}

QString LatencyHint(int latencyMs, int language) {
    if (latencyMs <= 2)
        return {};
    return Pick(language,
                "Il latency timer dell'adattatore USB è %1 ms: impostarlo a 1 ms "
                "(/sys/bus/usb-serial/devices/<tty>/latency_timer), i trasferimenti saranno tre "
                "volte più rapidi.",
                "The USB adapter's latency timer is %1 ms: set it to 1 ms "
                "(/sys/bus/usb-serial/devices/<tty>/latency_timer) and transfers run three "
                "times faster.",
                "Le latency timer de l'adaptateur USB est de %1 ms : le régler à 1 ms "
                "(/sys/bus/usb-serial/devices/<tty>/latency_timer), les transferts seront trois "
                "fois plus rapides.")
        .arg(latencyMs);
}

} // namespace zr::shell
