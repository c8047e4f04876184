#pragma once

// The six keys of the front panel (and the contrast button that sends nothing): key codes,
// keyboard equivalents, the hold rule and the Enter guard. Widget-free.

#include <QString>

namespace zr::front {

// Key codes as the drive reads them from its key word.
namespace key {
constexpr int kMinus = 128;
constexpr int kPlus = 8;
constexpr int kEnter = 4;
constexpr int kEsc = 2;
constexpr int kLeft = 64;
constexpr int kRight = 32;
constexpr int kHeldBit = 0x4000; // set from the eleventh consecutive tick of a held key
constexpr int kHoldTicksBeforeBit = 10;
} // namespace key

// Button index of each key (GlossSphere1_0 .. GlossSphere1_6).
enum KeyIndex : int {
    kMinusKey = 0,
    kPlusKey = 1,
    kEnterKey = 2,
    kEscKey = 3,
    kLeftKey = 4,
    kRightKey = 5,
    kContrastKey = 6,
    kKeyCount = 7,
};

// The key code of a button; 0 for the contrast button and indexes out of range.
int KeyCodeForIndex(int index);
// "+" and "-" stay pending while held; every other key is sent once a press.
bool IsHeldKey(int code);
// The button a key stroke on a focused round button stands for: "<" 4, ">" 5, Space 2 (Enter),
// Esc 3; -1 for every other character.
int KeyIndexForCharacter(int characterCode);

// The key value written to the drive: the code with a blank in front (" 128") while the key has
// been pending for at most ten ticks, then the code with bit 14 set ("16512").
QString KeyValueText(int pendingKey, int holdTicks);

// The three screen titles of the chosen language on which Enter is refused.
struct GuardedTitles {
    QString phasing;       // capPhasing
    QString currentOffset; // capCurrentOffset
    QString variables;     // capVariables
};

// Whether Enter may go to the drive with the display showing row1/row2: row 1 (blanks trimmed,
// upper case) must differ from the phasing and the current-offset titles, and both rows joined
// (each trimmed, upper case) must not contain the variables title. Exact comparisons.
bool EnterAllowed(const QString &row1, const QString &row2, const GuardedTitles &titles);

} // namespace zr::front
