#include "ansitext.h"

#include "savefile.h"

namespace zr::params {

namespace {
// Code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 has no character (kept as the
// control code of the same value).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString FromWindows1252(const QByteArray &bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            text += QChar(kHigh[b - 0x80]);
        else
            text += QChar(char16_t(b));
    }
    return text;
}

QByteArray ToWindows1252(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        char out = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i))
                out = char(0x80 + i);
        bytes += out;
    }
    return bytes;
}

bool ReadAnsiLines(const QString &path, QStringList &lines, QString &error,
                   LimitedRead::Outcome *outcome) {
    lines.clear();
    const LimitedRead r = ReadFileLimited(path, kMaxTextFileBytes);
    if (outcome)
        *outcome = r.outcome;
    switch (r.outcome) {
    case LimitedRead::Read:
        break;
    case LimitedRead::Missing:
        error = QStringLiteral("No such file");
        return false;
    case LimitedRead::NotAFile:
        error = QStringLiteral("not a file");
        return false;
    case LimitedRead::TooLarge:
        error = QStringLiteral("%1 bytes").arg(r.size);
        return false;
    case LimitedRead::Unreadable:
        error = r.error;
        return false;
    }
    const QByteArray &all = r.bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] != '\r' && all[i] != '\n')
            continue;
        lines << FromWindows1252(all.mid(start, i - start));
        if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        lines << FromWindows1252(all.mid(start));
    return true;
}

bool WriteAnsiLines(const QString &path, const QStringList &lines, QString &error) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += ToWindows1252(line) + "\r\n";
    return WriteFileSafely(path, bytes, &error);
}

} // namespace zr::params
