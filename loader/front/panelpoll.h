#pragma once

// One poll of the front panel over the drive link: deliver the pending key, read the display and
// the two backlight words. Widget-free; the window shows what a tick returns.

#include "driveprotocol.h"

#include <QString>

namespace zr {
class SerialPort;
}

namespace zr::front {

// Drive words of the front panel (RAM).
namespace word {
constexpr int kKeyWord = 0x0317;
constexpr int kDisplayFirst = 0x0202; // row 1 in 0x0202..0x0209, row 2 in 0x020A..0x0211
constexpr int kDisplayLast = 0x0211;
constexpr int kBacklight1 = 0x030B; // shown in Text4
constexpr int kBacklight2 = 0x030C; // shown in Text3
} // namespace word

// Display background colours (0xBBGGRR).
constexpr unsigned kLitColour = 0x01FF00;
constexpr unsigned kDarkColour = 0x018000;

// The window's fields the poll works on.
struct PanelState {
    int pendingKey = 0;      // key code waiting to be sent; 0 = none
    qint16 holdTicks = 0;    // consecutive ticks on which a key was pending
    QString backlight1 = {}; // last text read from 0x030B
    QString backlight2 = {}; // last text read from 0x030C
};

// A press of button `index` (0..5; 6, the contrast button, sends nothing). Starts a new hold count.
void PressKey(PanelState &state, int index);
// The release of any button: "+" and "-" stop being sent.
void ReleaseKey(PanelState &state);

// The background is lit when both backlight words read "0".
bool BacklightLit(const QString &backlight1, const QString &backlight2);

// What a tick or the load leaves for the window to show.
struct PanelPoll {
    bool linkOk = false;        // false: show label1 in row 1 and go back to the link page
    QString label1;             // row 1 text (or the result text)
    QString label2;             // row 2 text ("" after a failed tick)
    bool backlightRead = false; // the backlight words were read: colour by `lit`
    bool lit = false;
};

// The timer tick: the key write and its two read-backs when a key is pending, the sixteen display
// reads, 0x030B, 0x030C. A failing key write or first read-back ends the tick at once; otherwise
// only the result of the last transaction decides. `commResult` holds the last result.
PanelPoll RunPanelTick(SerialPort &port, int drive, PanelState &state, LinkResult &commResult);

// The load's reads: 0x030B, and 0x030C when that succeeded. On failure label1 holds the result
// text for row 1 (row 2 keeps what it shows) and the background is dark.
PanelPoll RunPanelLoad(SerialPort &port, int drive, PanelState &state, LinkResult &commResult);

} // namespace zr::front
