#pragma once

// The conversions between the raw words of a parameter file and what the editor shows: the shown
// value of a row, typing a value (with limits, steps and the "OUT of RANGE" message), and the
// bits of the drive's status word.

#include "textgrid.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace zr::params {

// Recomputes the shown value (column 1) of row from its raw value (column 3) and multiplier
// (column 7), with as many decimals as the multiplier has; row becomes the current row. A
// multiplier without a logarithm (<= 0, missing) leaves column 1 as it was.
void molconv(TextGrid &grid, int row, const QLocale &locale = QLocale());

// Colours the key handler gives the cell being typed into and the cell after Enter.
constexpr Rgb kTypingBack = 0xFFFF1F0F; // RGB(255,31,15)
constexpr Rgb kTypingFore = 0xFFFFFF0F; // RGB(255,255,15)
constexpr Rgb kEnteredBack = 0xFFFFFFFF;
constexpr Rgb kEnteredFore = 0xFF0000FF;

// Keys typed into a value cell beyond this many characters are ignored: no value of a parameter
// word needs more.
constexpr int kMaxTypedLength = 32;

// The text of the range message and the message box style it is shown with.
inline const QString kOutOfRange = QStringLiteral("OUT of RANGE");
constexpr int kStyleCritical = 16; // OK button, critical-stop icon

// The key handling of the parameter grid: typing replaces a row's value on its first key,
// further keys append, Enter converts the typed value into the raw value with the row's limits
// and step.
class ParameterKeys {
public:
    // Shows a message box (text, style); the window supplies it.
    using MessageBox = std::function<void(const QString &text, int style)>;

    explicit ParameterKeys(MessageBox box) : box_(std::move(box)) {}

    // The row being typed into, -1 after Enter, empty before the first key.
    std::optional<int> lastEditedRow;

    // One key press (character code) on the current row of grid.
    void KeyPress(TextGrid &grid, int keyAscii, const QLocale &locale = QLocale());

private:
    void enter(TextGrid &grid, int row, const QLocale &locale);

    MessageBox box_;
};

// Shows the bits of the current parameter-grid row's shown value in the status grid: column 4
// "0"/"1", column 1 the state text for the bit, rows of unused bits ("X") hidden.
void StsConv(TextGrid &MSFlexGrid1, TextGrid &MSFlexGrid2);

// A click on the status grid at row, col. Returns false when the status grid is to be hidden
// (a click outside the state column); otherwise flips the row's bit and writes the new status
// word into the shown and raw value of the current parameter-grid row.
bool StatusGridClick(TextGrid &MSFlexGrid1, TextGrid &MSFlexGrid2, int row, int col,
                     const QLocale &locale = QLocale());

} // namespace zr::params
