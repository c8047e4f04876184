// The editor's file readers and conversions on arbitrary files. The input: a selector byte, the
// data description, a 0xFF byte, the parameter file, and optionally a 0xFF byte and the status
// description (else a shipped one), a 0xFF byte and keys typed into the grid (0xFE moves to the
// next row). Selector bits: 1 click every STATUS value, 2 then click every status bit, 4 type the
// keys, 8 compute the saved file, 16 read with a comma locale.

#include "fuzzcheck.h"

#include "conversions.h"
#include "descriptions.h"
#include "numbers.h"
#include "paramfile.h"

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

using namespace zr::params;

namespace {

constexpr char kShippedStatus[] = "Drive status\tState\tBit 0\tBit 1\tBit\r\n"
                                  "Drive enabled\t\tNo\tYes\t0\r\n"
                                  "Fault\t\tNo\tYes\t0\r\n"
                                  "Speed reached\t\tNo\tYes\t0\r\n"
                                  "Current limit reached\t\tNo\tActive\t0\r\n"
                                  "Torque limit reached\t\tNo\tActive\t0\r\n"
                                  "Overvoltage\t\tNo\tAlarm\t0\r\n"
                                  "Undervoltage\t\tNo\tAlarm\t0\r\n"
                                  "Overtemperature\t\tNo\tAlarm\t0\r\n"
                                  "Encoder fault\t\tNo\tAlarm\t0\r\n"
                                  "IM-2t alarm\t\tNo\tAlarm\t0\r\n"
                                  "Brake released\t\tNo\tYes\t0\r\n"
                                  "Following error\t\tNo\tAlarm\t0\r\n"
                                  "Bit 12\t\tx\tx\t0\r\n"
                                  "Bit 13\t\tx\tx\t0\r\n"
                                  "Drive program running\t\tLoader\tYes\t0\r\n"
                                  "Bit 15\t\tx\tx\t0\r\n";

// The three files live in memory (memfd), named by their /proc path: nothing is left behind
// however the run ends.
struct MemoryFile {
    int fd = -1;
    QString path;
};
MemoryFile files[3];

QString put(MemoryFile &file, const QByteArray &bytes) {
    FUZZ_CHECK(ftruncate(file.fd, 0) == 0);
    FUZZ_CHECK(pwrite(file.fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size());
    return file.path;
}

// The status word the bits show for a shown value: the nearest word a file can hold
// (-32768..65535), its low 16 bits.
quint16 expectedWord(const QString &shown) {
    const double w = std::clamp(RoundHalfEven(LeadingNumber(shown)), -32768.0, 65535.0);
    return quint16(qint32(w) & 0xFFFF);
}

quint16 shownBits(const TextGrid &status) {
    quint16 word = 0;
    for (int b = 0; b < kStatusBits; ++b) {
        const QString bit = status.TextMatrix(b + 1, kBitValue);
        FUZZ_CHECK(bit == QLatin1String("0") || bit == QLatin1String("1"));
        if (bit == QLatin1String("1"))
            word |= quint16(1u << b);
    }
    return word;
}

void clickStatusBits(TextGrid &g1, TextGrid &g2, int row, const QLocale &locale) {
    for (int b = 1; b <= kStatusBits; ++b) {
        FUZZ_CHECK(StatusGridClick(g1, g2, b, kBitShown, locale));
        const QString raw = g1.TextMatrix(row, kRaw);
        FUZZ_CHECK(g1.TextMatrix(row, kShown) == raw);
        const auto word = LocaleNumber(raw, locale);
        FUZZ_CHECK(word && *word >= 0 && *word <= 65535 && *word == std::floor(*word));
        FUZZ_CHECK(shownBits(g2) == quint16(*word));
    }
}

void typeKeys(TextGrid &g1, const QByteArray &keys, const QLocale &locale) {
    ParameterKeys typing([](const QString &, int) {});
    g1.SetRow(1);
    for (const char k : keys) {
        if (quint8(k) == 0xFE)
            g1.SetRow(g1.Row() + 1 < g1.Rows() ? g1.Row() + 1 : 1);
        else
            typing.KeyPress(g1, quint8(k), locale);
        if (typing.lastEditedRow == g1.Row())
            FUZZ_CHECK(g1.TextMatrix(g1.Row(), kShown).size() <= kMaxTypedLength);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    for (MemoryFile &f : files) {
        f.fd = memfd_create("zr-fuzz", 0);
        FUZZ_CHECK(f.fd >= 0);
        f.path = QStringLiteral("/proc/self/fd/%1").arg(f.fd);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const int selector = data[0];
    const QList<QByteArray> parts = fuzz::bytesOf(data + 1, size - 1).split('\xFF');
    if (parts.size() < 2)
        return 0;

    TextGrid g1(kParamColumns), g2(kStatusColumns);
    ParamFileContext ctx(g1, g2);
    ctx.DataDescriptionPath = put(files[0], parts[0]);
    ctx.source = put(files[1], parts[1]);
    ctx.StatusDescriptionPath =
        put(files[2], parts.size() > 2 ? parts[2] : QByteArray(kShippedStatus));
    ctx.locale = selector & 16 ? QLocale(QLocale::French) : QLocale::c();

    if (openfilezr5(ctx)) {
        FUZZ_CHECK(g1.Rows() == 0 && g2.Rows() == 0 && ctx.ParameterRowCount == 0);
        return 0;
    }
    FUZZ_CHECK(g1.Rows() == ctx.ParameterRowCount + 1);
    FUZZ_CHECK(g2.Rows() > kStatusBits);

    if (selector & 1) {
        for (int row = 1; row < g1.Rows(); ++row) {
            if (!IsStatusName(g1.TextMatrix(row, kName)))
                continue;
            g1.SetRow(row);
            StsConv(g1, g2);
            FUZZ_CHECK(shownBits(g2) == expectedWord(g1.TextMatrix(row, kShown)));
            if (selector & 2)
                clickStatusBits(g1, g2, row, ctx.locale);
        }
    }
    if (selector & 4)
        typeKeys(g1, parts.size() > 3 ? parts[3] : QByteArray(), ctx.locale);
    if (selector & 8) {
        QStringList lines;
        if (!SavedLines(ctx, lines))
            FUZZ_CHECK(lines.size() == kFileLines);
    }
    return 0;
}
