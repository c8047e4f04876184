#include "paneldisplay.h"

#include "driveprotocol.h"

namespace zr::front {

namespace {
// Windows-1252 0x80..0x9F; the five unassigned codes keep their C1 control character.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

int TranslateDisplayByte(int byte) {
    switch (byte) {
    case 0:
        return 233;
    case 2:
        return 60;
    case 3:
        return 62;
    case 6:
        return 177;
    case 7:
        return 178;
    case 223:
        return 186;
    case 244:
        return 126;
    default:
        return byte;
    }
}

QChar CharacterForCode(int code) {
    code &= 0xFF;
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHighControls[code - 0x80]);
    return QChar(static_cast<char16_t>(code));
}

int CodeForCharacter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

void AppendDisplayWord(const QString &valueText, QString &rowText) {
    int high = 0;
    int low = 0;
    SplitWord(ParseValueText(valueText).value_or(0.0), high, low);
    rowText += CharacterForCode(TranslateDisplayByte(high));
    rowText += CharacterForCode(TranslateDisplayByte(low));
}

CellLook RenderCharacter(QChar c) {
    switch (CodeForCharacter(c)) {
    case 126:
        return {QStringLiteral("\u03A9"), true}; // capital omega
    case 5:
        return {QStringLiteral("\u00AE"), true}; // registered sign
    case 4:
        return {QStringLiteral("\u00A9"), true}; // copyright sign
    default:
        return {QString(c), false};
    }
}

void RenderRow(const QString &rowText, RowCells &cells) {
    const int n = std::min<int>(static_cast<int>(rowText.size()), kRowLength);
    for (int i = 0; i < n; ++i)
        cells[static_cast<size_t>(i)] = RenderCharacter(rowText.at(i));
}

} // namespace zr::front
