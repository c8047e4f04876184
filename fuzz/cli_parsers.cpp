// The command line's address and value readers on arbitrary text: an address is 0..65535 and
// reads back from its own decimal and hexadecimal forms; a value fits the 32-bit range and makes
// a write frame whose data bytes are its low 16 bits and whose checksum adds up.

#include "fuzzcheck.h"

#include "driveprotocol.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));

    if (const auto a = zr::ParseAddressText(text)) {
        FUZZ_CHECK(*a >= 0 && *a <= 0xFFFF);
        FUZZ_CHECK(zr::ParseAddressText(QString::number(*a)) == a);
        FUZZ_CHECK(zr::ParseAddressText(QStringLiteral("0x%1").arg(*a, 4, 16, QLatin1Char('0'))) ==
                   a);
    }

    const auto v = zr::ParseValueText(text);
    const QByteArray frame = zr::BuildRequest(1, 0xB800, true, true, text);
    FUZZ_CHECK(frame.isEmpty() == !v);
    if (v) {
        FUZZ_CHECK(std::isfinite(*v));
        const double r = std::nearbyint(*v);
        FUZZ_CHECK(r >= -2147483648.0 && r <= 2147483647.0);
        FUZZ_CHECK(frame.size() == 6);
        const auto low16 = quint16(qint64(r) & 0xFFFF);
        int high = 0, low = 0;
        zr::SplitWord(*v, high, low);
        FUZZ_CHECK(quint16((high << 8) | low) == low16);
        FUZZ_CHECK(zr::JoinWord(high, low) == qint16(low16));
        FUZZ_CHECK(quint8(frame[3]) == high && quint8(frame[4]) == low);
        int sum = 0;
        for (int i = 0; i < 5; ++i)
            sum += quint8(frame[i]);
        FUZZ_CHECK(quint8(frame[5]) == sum % 256);
    }
    // The release text never fails, whatever was read.
    const QString release = zr::FormatRelease(text);
    FUZZ_CHECK(release.isEmpty() == text.trimmed().isEmpty());
    return 0;
}
