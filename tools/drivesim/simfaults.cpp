#include "simfaults.h"

#include <array>
#include <utility>

namespace zr::sim {

namespace {
constexpr std::array<std::pair<FaultKind, const char *>, 11> kNames{{
    {FaultKind::NoReply, "noreply"},
    {FaultKind::PartialReply, "partial"},
    {FaultKind::Trickle, "trickle"},
    {FaultKind::WrongEcho, "echo"},
    {FaultKind::WrongChecksum, "checksum"},
    {FaultKind::ExtraBytes, "extra"},
    {FaultKind::LateReply, "late"},
    {FaultKind::Garbage, "garbage"},
    {FaultKind::Silence, "silence"},
    {FaultKind::Vanish, "vanish"},
    {FaultKind::WrongStore, "wrongstore"},
}};
} // namespace

bool Fault::hits(int n) const {
    if (n <= after)
        return false;
    if (kind == FaultKind::Silence || kind == FaultKind::Vanish)
        return times == 0 || n - after <= times;
    return every > 0 && (n - after) % every == 0 && (times == 0 || (n - after) / every <= times);
}

QString FaultName(FaultKind kind) {
    for (const auto &[k, name] : kNames)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

QList<FaultKind> AllFaultKinds() {
    QList<FaultKind> all;
    for (const auto &entry : kNames)
        all.append(entry.first);
    return all;
}

std::optional<Fault> ParseFault(const QString &spec, QString *error) {
    const QStringList parts = spec.split(QLatin1Char(':'));
    Fault f;
    bool known = false;
    for (const auto &[k, name] : kNames) {
        if (parts.at(0).compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            f.kind = k;
            known = true;
        }
    }
    auto bad = [&](const QString &why) -> std::optional<Fault> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!known)
        return bad(QStringLiteral("unknown fault \"%1\"").arg(parts.at(0)));
    for (int i = 1; i < parts.size(); ++i) {
        const QStringList kv = parts.at(i).split(QLatin1Char('='));
        bool ok = false;
        int v = 0;
        if (kv.size() == 2 && kv.at(1).startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            v = kv.at(1).mid(2).toInt(&ok, 16);
        else if (kv.size() == 2)
            v = kv.at(1).toInt(&ok);
        if (!ok || v < 0)
            return bad(QStringLiteral("bad fault option \"%1\"").arg(parts.at(i)));
        if (kv.at(0) == QLatin1String("every") && v > 0)
            f.every = v;
        else if (kv.at(0) == QLatin1String("after"))
            f.after = v;
        else if (kv.at(0) == QLatin1String("times"))
            f.times = v;
        else if (kv.at(0) == QLatin1String("at") && v <= 0xFFFF)
            f.address = v;
        else
            return bad(QStringLiteral("bad fault option \"%1\"").arg(parts.at(i)));
    }
    return f;
}

} // namespace zr::sim
