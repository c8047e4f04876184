#pragma once

#include "simdrive.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace zr::sim {

// The drive's own front-panel menu, as far as the loader's front panel sees it: a two-row,
// sixteen-character display in RAM 0x0202..0x0211 (two characters a word, high byte first), the
// key word RAM 0x0317 (a written key code is acted on and stays readable) and the backlight words
// RAM 0x030B (alarm code) and 0x030C (alarm latched), both 0 while no alarm is active.
//
// Screens, in the order ">" walks through them ("<" walks back, Esc returns to the status screen,
// Enter on the status screen opens the first parameter):
//   status (release, live speed and temperature) - six parameter pages ("+"/"-" change the value,
//   ten times faster while the key code carries bit 14; the sixth switches a test alarm) - a
//   display test with the special signs - the phasing, current-offset and variables screens.
// Texts follow the display language (0 Italian, 1 English, 2 French).
class FrontPanelMenu {
public:
    static constexpr int kKeyWord = 0x0317;
    static constexpr int kDisplayFirst = 0x0202;
    static constexpr int kBacklight1 = 0x030B;
    static constexpr int kBacklight2 = 0x030C;

    enum Screen : int {
        kStatus = 0,
        kFirstParameter = 1,
        kAlarmParameter = 6,
        kDisplayTest = 7,
        kPhasing = 8,
        kCurrentOffset = 9,
        kVariables = 10,
        kScreenCount = 11,
    };
    static constexpr int kParameterCount = 6;

    FrontPanelMenu(SimDrive &drive, int language);

    // Puts the menu on the drive's write and request hooks (replacing what was there) and draws
    // the first screen. Without attach(), call onWrite() / onRequest() from hooks of your own.
    void attach();
    void onWrite(bool ram, int address, quint16 value);
    void onRequest(bool write, bool ram, int address, TimePoint at);

    // Acts on a key code as the drive's keypad would (bit 14 = key held).
    void key(int code);
    // Redraws the display words; the live values follow `at`.
    void draw(TimePoint at);

    int language() const { return language_; }
    int screen() const { return screen_; }
    int parameter(int i) const { return values_[static_cast<size_t>(i)]; }
    bool alarm() const { return values_[kAlarmParameter - 1] != 0; }
    // The 32 drive bytes of the two rows as they are drawn now.
    QByteArray displayBytes() const;

    // "ita"/"it"/"0", "eng"/"en"/"1", "fra"/"fr"/"2".
    static std::optional<int> ParseLanguage(const QString &text);

private:
    QByteArray row(int r, TimePoint at) const;
    void setBacklight();

    SimDrive &drive_;
    int language_;
    int screen_ = kStatus;
    std::array<int, kParameterCount> values_;
    bool procedureDone_ = false;
    TimePoint lastDraw_{};
    TimePoint start_;
};

} // namespace zr::sim
