#pragma once

// The scales of the scope window: time bases, volts ranges, the axis formulas, the cursor
// readings and the way numbers are written into the measurement table.

#include <QString>
#include <QStringList>

#include <array>

namespace zr::scope {

constexpr double kFullScaleVolts = 11.42; // sample 255
constexpr double kZeroSample = 127.5;     // 0 V for the cursors
constexpr double kMsPerSample = 1.024;

struct TimeBase {
    const char *knobLabel; // on the Xscale knob
    float value;           // XAxis maximum: samples a screen (single precision, as stored)
    const char *text;      // into xvalore
};
// Positions 1..14 of Xscale.
extern const std::array<TimeBase, 14> kTimeBases;
constexpr int kLastTriggeredTimeBase = 8; // " 5 Sec ": the longest outside Roll
constexpr int kLoadTimeBase = 6;          // " 1 Sec "

struct VoltsRange {
    const char *knobLabel;
    int halfHeight; // H: half the height of the sample axis
    const char *text;
};
// Positions 1..4 of Yscale.
extern const std::array<VoltsRange, 4> kVoltsRanges;
constexpr int kLoadVoltsRange = 3; // "10 V"

const TimeBase &TimeBaseAt(int position);     // position clamped to 1..14
const VoltsRange &VoltsRangeAt(int position); // position clamped to 1..4

// YAxis-1 (samples) and YAxis-2 (volts) for vertical position p (volts) and range h.
struct VerticalAxes {
    double samplesMin = 0;
    double samplesMax = 0;
    double voltsMin = 0;
    double voltsMax = 0;
};
VerticalAxes AxesFor(double position, int halfHeight);

// The time base a mode allows: outside Roll nothing beyond " 5 Sec ".
int AllowedTimeBase(int position, int mode);

// Volts of a cursor at y sample units.
double CursorVolts(double y);
// Int(100 x) / 100, Int rounding down.
double CutDown(double x);
// Volts cut to two decimals toward zero, by the side of 0 V the cursor is on.
double CutVolts(double y);
// The table's number form: a blank in front of numbers that are not negative (" 5", "-0.94").
QString NumberText(double x);
// The plain number form of a text box ("0", "-1.3").
QString PlainNumberText(double x);
// allposition: Int(p * 10) / 10.
QString PositionText(double position);

// The time unit the X axis and the measurement table use for a screen of xMax samples: ms up to
// one second, s up to one minute, min beyond.
struct TimeUnit {
    const char *name;
    double ms; // milliseconds in one unit
};
TimeUnit TimeUnitFor(double xMax);
// The time of sample x in unit u.
inline double SampleTime(double x, const TimeUnit &u) {
    return x * kMsPerSample / u.ms;
}

// The labels of the ticks minimum + k (maximum - minimum) / divisions, k = 0..divisions, all in
// one number format: the fewest decimals (at most 3) that show every tick to a thousandth of the
// distance between two ticks.
QStringList TickLabels(double minimum, double maximum, int divisions);

// Row 1 of the measurement table, columns 1..7, from the cursor positions (X in samples, Y in
// sample units): X1, Y1, X2, Y2, Diff. X, Diff. Y and 1/Diff. X (empty for no distance). Times
// are in unit u, volts in V and the frequency in Hz, each with its unit.
std::array<QString, 7> CursorReadings(double x1, double y1, double x2, double y2,
                                      const TimeUnit &u);
// The widest text each of the seven columns can show for a screen of xMax samples.
std::array<QString, 7> WidestReadings(double xMax);
// Row 0 of the table, columns 0..7.
QStringList TableHeadings();
inline const QString kRealValue = QStringLiteral("Real Value");

} // namespace zr::scope
