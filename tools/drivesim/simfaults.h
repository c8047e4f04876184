#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace zr::sim {

// Misbehaviours the simulated drive can show on demand.
enum class FaultKind {
    NoReply,       // the request is carried out but never answered
    PartialReply,  // only the first five reply bytes are sent
    Trickle,       // the reply arrives one byte at a time, spread over ~75 ms
    WrongEcho,     // the echoed address high byte is changed
    WrongChecksum, // the last reply byte is changed
    ExtraBytes,    // two surplus bytes follow the reply
    LateReply,     // the reply comes after the host's 0.3 s limit
    Garbage,       // a stray byte precedes the reply
    Silence,       // no answer at all once `after` transactions have been served
    Vanish,        // the line disappears once `after` transactions have been served
    WrongStore,    // a written word is answered as usual but stored with its lowest bit flipped
};

// A fault hits the transactions after the first `after`, every `every`-th of them, and at most
// `times` of them (0: no limit). Silence and vanish hit every transaction after the first `after`.
// With an `address`, only requests for that address (RAM or ROM) count and can be hit.
struct Fault {
    FaultKind kind = FaultKind::NoReply;
    int every = 1;
    int after = 0;
    int times = 0;
    int address = -1; // -1: any address

    // `n` counts the transactions addressed to this drive, from 1 (with an `address`: the requests
    // for that address since the fault was added).
    bool hits(int n) const;
};

// Parses "kind[:every=K][:after=N][:times=T][:at=ADDR]", e.g. "checksum:every=3",
// "silence:after=10", "late:after=3:times=1" (only the fourth transaction is answered late) or
// "noreply:at=0x0315" (the completion word is never answered; ADDR decimal or 0x hexadecimal).
// Kinds: noreply, partial, trickle, echo, checksum, extra, late, garbage, silence, vanish,
// wrongstore ("wrongstore:at=0xB805:times=1": the drive stores one wrong word of a download).
std::optional<Fault> ParseFault(const QString &spec, QString *error = nullptr);
QString FaultName(FaultKind kind);
QList<FaultKind> AllFaultKinds();

} // namespace zr::sim
