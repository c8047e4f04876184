#include "linkhints.h"

#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "languages.h"
#include "networkserialport.h"
#include "portmap.h"
#include "serialport.h"

namespace zr::shell {

QString PortFailureHint(const SerialPort &port, int language) {
    using F = SerialPort::Failure;
    const int n = port.GetPortNumber();
    QString device = port.deviceFor(n);
    if (device.isEmpty())
        device = QStringLiteral("%1").arg(n);
    if (IsNetworkDevice(device))
        return NetworkFailureHint(port, language);
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

QString NetworkFailureHint(const SerialPort &port, int language) {
    using F = SerialPort::Failure;
    const int n = port.GetPortNumber();
    const QString device = port.deviceFor(n);
    const HardwareSerialPort *hw = HardwarePortOf(port);
    const bool bridgeLacksDevice =
        hw && hw->network() &&
        hw->network()->bridgeRefusal() == NetworkSerialPort::Refusal::NoDevice;
    switch (port.lastFailure()) {
    case F::None:
        return {};
    case F::Busy:
        return Pick(language,
                    "La porta %1 (%2) è occupata: un altro programma è collegato a ser2net, che "
                    "accetta una connessione alla volta.",
                    "Port %1 (%2) is in use: another program is connected to ser2net, which "
                    "takes one connection at a time.",
                    "Le port %1 (%2) est occupé : un autre programme est connecté à ser2net, qui "
                    "n'accepte qu'une connexion à la fois.")
            .arg(n)
            .arg(device);
    case F::Missing:
        if (bridgeLacksDevice)
            return Pick(language,
                        "ser2net risponde sulla porta %1 (%2) ma non apre la sua seriale: "
                        "l'adattatore è collegato a quel PC?",
                        "ser2net answers on port %1 (%2) but cannot open its serial device: is the "
                        "adapter plugged into that PC?",
                        "ser2net répond sur le port %1 (%2) mais n'ouvre pas son port série : "
                        "l'adaptateur est-il branché sur ce PC ?")
                .arg(n)
                .arg(device);
        return Pick(language,
                    "La porta %1 (%2) non si collega: il PC è acceso e in rete, ser2net vi gira "
                    "con questa porta TCP?",
                    "Port %1 (%2) does not connect: is the PC on and on the network, and ser2net "
                    "running there on this TCP port?",
                    "Le port %1 (%2) ne se connecte pas : le PC est-il allumé et sur le réseau, "
                    "et ser2net y tourne-t-il sur ce port TCP ?")
            .arg(n)
            .arg(device);
    case F::Vanished:
        return Pick(language,
                    "La connessione della porta %1 (%2) si è interrotta: il PC della seriale, "
                    "ser2net o la rete si sono fermati. Il collegamento riprova da solo.",
                    "The connection of port %1 (%2) was lost: the PC with the serial line, "
                    "ser2net or the network stopped. The link tries again by itself.",
                    "La connexion du port %1 (%2) a été perdue : le PC de la liaison série, "
                    "ser2net ou le réseau s'est arrêté. La liaison réessaie d'elle-même.")
            .arg(n)
            .arg(device);
    default:
        break;
    }
    return Pick(language, "La porta %1 (%2) non si apre: %3", "Port %1 (%2) does not open: %3",
                "Le port %1 (%2) ne s'ouvre pas : %3")
        .arg(n)
        .arg(device, port.lastError());
}

QString NetworkDelayHint(const SerialPort &port, qint64 roundTripUs, int language) {
    if (roundTripUs < qint64(NetworkSerialPort::kSlowRoundTripMs) * 1000)
        return {};
    const int n = port.GetPortNumber();
    return Pick(language,
                "La porta %1 (%2) risponde in %3 ms attraverso la rete: il drive deve rispondere "
                "entro %4 ms, quindi gli scambi possono finire in \"Timeout error\" e i "
                "trasferimenti sono lenti. Usare una rete più veloce o un PC più vicino al drive.",
                "Port %1 (%2) answers in %3 ms over the network: the drive's answer must be back "
                "within %4 ms, so exchanges may end in \"Timeout error\" and transfers run slowly. "
                "Use a faster network or a PC closer to the drive.",
                "Le port %1 (%2) répond en %3 ms à travers le réseau : la réponse du variateur "
                "doit arriver en %4 ms, les échanges peuvent donc finir en \"Timeout error\" et "
                "les transferts sont lents. Utiliser un réseau plus rapide ou un PC plus proche "
                "du variateur.")
        .arg(n)
        .arg(port.deviceFor(n))
        .arg(roundTripUs / 1000)
        .arg(kReplyTimeoutMs);
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
