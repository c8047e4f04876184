#include "driveprotocol.h"

#include "serialport.h"

#include <QRegularExpression>

#include <cmath>

namespace zr {

namespace {

constexpr qint64 kTimeoutNs = qint64(kReplyTimeoutMs) * 1000 * 1000;

quint8 byteAt(const QByteArray &bytes, int i) {
    return static_cast<quint8>(bytes.at(i));
}

} // namespace

void SplitWord(double value, int &high, int &low) {
    quint32 bits = 0;
    if (std::isfinite(value)) {
        // nearbyint follows the current rounding mode: to nearest, halves to even.
        const double rounded = std::nearbyint(value);
        const double wrapped = std::fmod(rounded, 4294967296.0);
        bits = static_cast<quint32>(static_cast<qint64>(wrapped));
    }
    high = static_cast<int>((bits >> 8) & 0xFF);
    low = static_cast<int>(bits & 0xFF);
}

int JoinWord(int high, int low) {
    const auto word = static_cast<quint16>(((high & 0xFF) << 8) | (low & 0xFF));
    return static_cast<qint16>(word);
}

std::optional<double> ParseValueText(const QString &text) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(2);
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
        if (!hex.match(digits).hasMatch())
            return std::nullopt;
        const quint32 bits = digits.toUInt(nullptr, 16);
        // Up to four digits make a 16-bit value, more a 32-bit one; the low 16 bits are the same.
        if (digits.size() <= 4)
            return static_cast<double>(static_cast<qint16>(bits));
        return static_cast<double>(static_cast<qint32>(bits));
    }
    static const QRegularExpression dec(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    if (!dec.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return v;
}

std::optional<int> ParseAddressText(const QString &text) {
    QString t = text.trimmed();
    bool ok = false;
    uint v = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
        t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
        if (!hex.match(t).hasMatch())
            return std::nullopt;
        v = t.toUInt(&ok, 16);
    } else {
        static const QRegularExpression dec(QStringLiteral("^[0-9]{1,5}$"));
        if (!dec.match(t).hasMatch())
            return std::nullopt;
        v = t.toUInt(&ok, 10);
    }
    if (!ok || v > 0xFFFF)
        return std::nullopt;
    return static_cast<int>(v);
}

QByteArray BuildRequest(int drive, int address, bool isWrite, bool ramSpace, const QString &data) {
    if (drive < 0 || drive > 63 || address < 0 || address > 0xFFFF)
        return {};
    const int command = drive + (isWrite ? 128 : 0) + (ramSpace ? 0 : 64);
    const int addrHigh = address / 256;
    const int addrLow = address - 256 * addrHigh;
    QByteArray request;
    request.append(static_cast<char>(command));
    request.append(static_cast<char>(addrHigh));
    request.append(static_cast<char>(addrLow));
    if (isWrite) {
        const auto value = ParseValueText(data);
        if (!value)
            return {};
        int high = 0;
        int low = 0;
        SplitWord(*value, high, low);
        request.append(static_cast<char>(high));
        request.append(static_cast<char>(low));
        request.append(static_cast<char>((command + addrHigh + addrLow + high + low) % 256));
    }
    return request;
}

QString ResultText(LinkResult result) {
    switch (result) {
    case LinkResult::NoError:
        return kNoError;
    case LinkResult::Timeout:
        return kTimeoutError;
    case LinkResult::Echo:
        return kEchoError;
    case LinkResult::Checksum:
        return kChecksumError;
    }
    return kTimeoutError;
}

LinkResult Transact(SerialPort &port, int drive, int address, bool isWrite, bool ramSpace,
                    QString &data) {
    const QByteArray request = BuildRequest(drive, address, isWrite, ramSpace, data);
    if (request.isEmpty()) {
        // Nothing that could be put on the line: no frame goes out, as if the drive were silent.
        return LinkResult::Timeout;
    }

    // Port failures have no effect of their own: a dead port simply never answers.
    port.DiscardInput();
    port.Write(request);

    QByteArray reply;
    const qint64 start = port.clockNs();
    bool timedOut = false;
    for (;;) {
        const qint64 elapsed = port.clockNs() - start;
        if (elapsed > kTimeoutNs) {
            timedOut = true;
            break;
        }
        reply += port.ReadAvailable();
        if (reply.size() >= kReplyLength)
            break;
        if (!port.IsOpen()) {
            // Nothing can arrive on a closed port; waiting out the limit would change nothing.
            timedOut = true;
            break;
        }
        const qint64 remainingNs = kTimeoutNs - elapsed;
        port.waitForData(static_cast<int>(remainingNs / 1000000) + 1);
    }

    if (timedOut)
        return LinkResult::Timeout;
    if (isWrite)
        return reply == request ? LinkResult::NoError : LinkResult::Echo;
    LinkResult result = reply.left(3) == request ? LinkResult::NoError : LinkResult::Echo;
    const int high = byteAt(reply, 3);
    const int low = byteAt(reply, 4);
    data = QString::number(JoinWord(high, low));
    if ((high + low) % 256 != byteAt(reply, 5))
        result = LinkResult::Checksum; // replaces an echo error
    return result;
}

void DriveTransaction(SerialPort &port, int drive, int address, bool isWrite, bool ramSpace,
                      QString &data, QString &result) {
    result = ResultText(Transact(port, drive, address, isWrite, ramSpace, data));
}

std::optional<qint16> ReadWord(SerialPort &port, int drive, int address, bool ramSpace,
                               LinkResult *result) {
    QString text;
    const LinkResult r = Transact(port, drive, address, false, ramSpace, text);
    if (result)
        *result = r;
    if (r != LinkResult::NoError)
        return std::nullopt;
    return static_cast<qint16>(text.toInt());
}

qint32 StatusBit14(const QString &valueText) {
    bool ok = false;
    const qint32 v = valueText.trimmed().toInt(&ok);
    return ok ? (v & addr::kStatusBit14) : 0;
}

QString FormatRelease(const QString &valueText) {
    const QString t = valueText.trimmed();
    if (t.isEmpty())
        return {};
    return t.left(1) + QLatin1Char('.') + t.mid(1);
}

} // namespace zr
