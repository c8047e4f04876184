#include "panelkeys.h"

#include <iterator>

namespace zr::front {

namespace {
// Trims blanks only, as the display pads with blanks; other white space is part of the text.
QString trimBlanks(const QString &s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}
} // namespace

int KeyCodeForIndex(int index) {
    // Indexed by KeyIndex, kMinusKey to kRightKey; the contrast key sends no code.
    static constexpr int kCodes[] = {key::kMinus, key::kPlus, key::kEnter,
                                     key::kEsc,   key::kLeft, key::kRight};
    static_assert(static_cast<int>(std::size(kCodes)) == kContrastKey);
    return index >= 0 && index < static_cast<int>(std::size(kCodes)) ? kCodes[index] : 0;
}

bool IsHeldKey(int code) {
    return code == key::kPlus || code == key::kMinus;
}

int KeyIndexForCharacter(int characterCode) {
    switch (characterCode) {
    case 60:
        return kLeftKey;
    case 62:
        return kRightKey;
    case 32:
        return kEnterKey;
    case 27:
        return kEscKey;
    default:
        return -1;
    }
}

QString KeyValueText(int pendingKey, int holdTicks) {
    if (holdTicks > key::kHoldTicksBeforeBit)
        return QString::number(pendingKey | key::kHeldBit);
    return pendingKey >= 0 ? QLatin1Char(' ') + QString::number(pendingKey)
                           : QString::number(pendingKey);
}

bool EnterAllowed(const QString &row1, const QString &row2, const GuardedTitles &titles) {
    const QString first = trimBlanks(row1).toUpper();
    const QString both = (trimBlanks(row1) + trimBlanks(row2)).toUpper();
    return first != titles.phasing && first != titles.currentOffset &&
           !both.contains(titles.variables);
}

} // namespace zr::front
