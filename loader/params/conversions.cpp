#include "conversions.h"

#include "descriptions.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace zr::params {

void molconv(TextGrid &grid, int row, const QLocale &locale) {
    grid.SetRow(row);
    const double m = LeadingNumber(grid.TextMatrix(row, kMultiplier));
    const auto decimals = DecimalsFor(m);
    if (!decimals)
        return;
    const double raw = LeadingNumber(grid.TextMatrix(row, kRaw));
    grid.SetTextMatrix(row, kShown, FixedText(raw * m, *decimals, locale));
}

void ParameterKeys::KeyPress(TextGrid &grid, int keyAscii, const QLocale &locale) {
    const int row = grid.Row();
    if (row < 1 || row >= grid.Rows())
        return;
    if (IsStatusName(grid.TextMatrix(row, kName))) {
        // The status word changes through the status grid only; the name column stays current.
        grid.SetCol(kName);
        return;
    }
    grid.SetCol(kShown);

    if (keyAscii == 13) {
        enter(grid, row, locale);
        return;
    }
    if (lastEditedRow != row)
        grid.SetTextMatrix(row, kShown, QString());
    lastEditedRow = row;
    QString text = grid.TextMatrix(row, kShown);
    if (keyAscii == 8) {
        text.chop(1);
    } else {
        grid.SetCellColors(kTypingBack, kTypingFore);
        if (text.size() >= kMaxTypedLength)
            return;
        if (keyAscii >= '0' && keyAscii <= '9')
            text += QChar(keyAscii);
        else if (keyAscii == ',' || keyAscii == '.')
            text += locale.decimalPoint();
    }
    grid.SetTextMatrix(row, kShown, text);
}

void ParameterKeys::enter(TextGrid &grid, int row, const QLocale &locale) {
    const double max = LeadingNumber(grid.TextMatrix(row, kMax));
    const double min = LeadingNumber(grid.TextMatrix(row, kMin));
    const double m = LeadingNumber(grid.TextMatrix(row, kMultiplier));
    const double step = LeadingNumber(grid.TextMatrix(row, kStep));
    const QString name = grid.TextMatrix(row, kName);

    grid.SetCellColors(kEnteredBack, kEnteredFore);
    const auto typed = LocaleNumber(grid.TextMatrix(row, kShown), locale);
    if (!typed)
        return;
    double v = *typed;
    // A value outside the limits is replaced by the limit it passed, in both columns.
    auto refuse = [&](double rawLimit) {
        grid.SetTextMatrix(row, kShown, NumberText(m * rawLimit, locale));
        grid.SetTextMatrix(row, kRaw, NumberText(rawLimit, locale));
        box_(kOutOfRange, kStyleCritical);
        grid.SetCol(kShown);
    };

    if (m != 10.0) {
        if (step == 0.0 || m == 0.0)
            return; // no step grid and no raw value to compute: the typed text stays
        if (m == 1.0)
            v = FloorSteps((v - min) / step) * step + min;
        if (IsStepGridName(name))
            v = FloorSteps((v - min) / step) * step + min;
        const double q = v / m;
        if (q > max || q < min) {
            refuse(q > max ? max : min);
            return;
        }
        // A parameter word is a whole number: a value between two raw steps goes to the nearest.
        const double nearest = std::round(q);
        if (std::fabs(q - nearest) <= 1e-9 * std::max(1.0, std::fabs(q))) {
            grid.SetTextMatrix(row, kShown, NumberText(v, locale));
            grid.SetTextMatrix(row, kRaw, NumberText(nearest, locale));
        } else {
            const double raw = RoundHalfEven(q);
            grid.SetTextMatrix(row, kShown, NumberText(raw * m, locale));
            grid.SetTextMatrix(row, kRaw, NumberText(raw, locale));
        }
    } else {
        // Multiplier-10 rows hold whole tens, and their limits are read as shown values (the
        // shipped maximum 99990 is raw 9999): the shown value and the raw word always agree.
        const double tens = std::floor(v / 10.0);
        const double highest = std::floor(max / 10.0);
        const double lowest = std::ceil(min / 10.0);
        if (tens > highest || tens < lowest) {
            refuse(tens > highest ? highest : lowest);
            return;
        }
        grid.SetTextMatrix(row, kRaw, NumberText(tens, locale));
        grid.SetTextMatrix(row, kShown, NumberText(10.0 * tens, locale));
    }
    grid.SetCol(kShown);
    lastEditedRow = -1;
}

void StsConv(TextGrid &MSFlexGrid1, TextGrid &MSFlexGrid2) {
    const QString shown = MSFlexGrid1.TextMatrix(MSFlexGrid1.Row(), kShown);
    // The status word is one a file can hold; a value beyond -32768..65535 shows the nearest.
    auto w =
        static_cast<qint64>(std::clamp(RoundHalfEven(LeadingNumber(shown)), -32768.0, 65535.0));
    if (w < 0)
        w += 65536;
    for (int r = 1; r <= kStatusBits; ++r) {
        const qint64 b = ((w % 2) + 2) % 2;
        w = (w - b) / 2;
        MSFlexGrid2.SetTextMatrix(r, kBitValue, b ? QStringLiteral("1") : QStringLiteral("0"));
        MSFlexGrid2.SetTextMatrix(r, kBitShown,
                                  MSFlexGrid2.TextMatrix(r, b ? kBitSetText : kBitClearText));
        const bool unused =
            MSFlexGrid2.TextMatrix(r, kBitClearText).trimmed().toUpper() == QLatin1String("X");
        MSFlexGrid2.SetRowHeight(r, unused ? 0 : 250);
    }
}

bool StatusGridClick(TextGrid &MSFlexGrid1, TextGrid &MSFlexGrid2, int row, int col,
                     const QLocale &locale) {
    if (col != kBitShown)
        return false;
    if (row < 1 || row > kStatusBits || row >= MSFlexGrid2.Rows())
        return true;
    const bool wasSet = RoundHalfEven(LeadingNumber(MSFlexGrid2.TextMatrix(row, kBitValue))) != 0;
    MSFlexGrid2.SetTextMatrix(row, kBitValue, wasSet ? QStringLiteral("0") : QStringLiteral("1"));
    MSFlexGrid2.SetTextMatrix(row, kBitShown,
                              MSFlexGrid2.TextMatrix(row, wasSet ? kBitClearText : kBitSetText));
    double w = 0;
    for (int k = 0; k < kStatusBits; ++k)
        w += std::ldexp(1.0, k) * LeadingNumber(MSFlexGrid2.TextMatrix(k + 1, kBitValue));
    const int target = MSFlexGrid1.Row();
    MSFlexGrid1.SetTextMatrix(target, kShown, NumberText(w, locale));
    MSFlexGrid1.SetTextMatrix(target, kRaw, NumberText(w, locale));
    MSFlexGrid1.SetCol(kShown);
    return true;
}

} // namespace zr::params
