#pragma once

// The drive's two-row display as the front panel copies it: drive bytes to characters, and
// characters to what a cell shows. Widget-free.

#include <QChar>
#include <QString>

#include <array>

namespace zr::front {

constexpr int kRowLength = 16;
constexpr int kDisplayWords = 16; // RAM 0x0202..0x0211, two characters a word

// The character code a drive display byte stands for (Windows-1252): 0 -> 233 (é), 2 -> "<",
// 3 -> ">", 6 -> 177 (±), 7 -> 178 (²), 223 -> 186 (º), 244 -> 126 ("~", drawn as omega); every
// other byte unchanged.
int TranslateDisplayByte(int byte);

// The character of a Windows-1252 code 0..255.
QChar CharacterForCode(int code);
// The Windows-1252 code of a character; -1 when it has none.
int CodeForCharacter(QChar c);

// Appends the two characters of one display word given as the value text of a read (decimal,
// signed 16-bit): the high byte first, then the low byte, each translated.
void AppendDisplayWord(const QString &valueText, QString &rowText);

// What one character cell shows. Codes 126, 5 and 4 are signs of the display's symbol set (omega,
// registered, copyright) and are drawn in the smaller symbol font.
struct CellLook {
    QString caption;
    bool symbol = false;

    bool operator==(const CellLook &) const = default;
};

constexpr int kCellPointSize = 10;
constexpr int kSymbolPointSize = 9;

CellLook RenderCharacter(QChar c);

using RowCells = std::array<CellLook, kRowLength>;

// `frontalino` for one row: cells 0..length-1 take the characters of the row text, cells beyond
// its length keep what they showed. Characters past the sixteenth have no cell and are dropped.
void RenderRow(const QString &rowText, RowCells &cells);

} // namespace zr::front
