#include "scopescales.h"

#include <algorithm>
#include <cmath>

namespace zr::scope {

const std::array<TimeBase, 14> kTimeBases = {{
    {"20 mS", 19.53f, " 20 mSec "},
    {"50 mS", 48.828f, " 50 mSec "},
    {"100 mS", 97.656f, "100 mSec"},
    {"200 mS", 195.31f, "200 mSec"},
    {"500 mS", 488.28f, "500 mSec"},
    {"1 S", 976.56f, " 1 Sec "},
    {"2 S", 1953.125f, " 2 Sec "},
    {"5 S", 4882.81f, " 5 Sec "},
    {"10 S", 9765.62f, " 10 Sec "},
    {"1 Min", 58593.72f, " 1 Min "},
    {"2 Min", 117187.0f, " 2 Min "},
    {"5 Min", 292969.0f, " 5 Min "},
    {"10 Min", 585937.0f, " 10 Min "},
    {"30 Min", 1757810.0f, " 30 Min "},
}};

const std::array<VoltsRange, 4> kVoltsRanges = {{
    {"2 V", 32, "2 V"},
    {"5 V", 64, "5 V"},
    {"10 V", 128, "10 V"},
    {"20 V", 256, "20 V"},
}};

const TimeBase &TimeBaseAt(int position) {
    return kTimeBases[static_cast<size_t>(std::clamp(position, 1, 14) - 1)];
}

const VoltsRange &VoltsRangeAt(int position) {
    return kVoltsRanges[static_cast<size_t>(std::clamp(position, 1, 4) - 1)];
}

VerticalAxes AxesFor(double position, int halfHeight) {
    VerticalAxes a;
    const double centre = 127 + position * 128 / kFullScaleVolts;
    a.samplesMax = centre + halfHeight;
    a.samplesMin = centre - halfHeight;
    a.voltsMin = position - halfHeight * kFullScaleVolts / 128;
    a.voltsMax = position + halfHeight * kFullScaleVolts / 128;
    return a;
}

int AllowedTimeBase(int position, int mode) {
    if (mode != 0 && position >= kLastTriggeredTimeBase)
        return kLastTriggeredTimeBase;
    return position;
}

double CursorVolts(double y) {
    return y * kFullScaleVolts / kZeroSample - kFullScaleVolts;
}

// Int() of a product that should be whole but lands a hair below it in binary (100 x 11.42).
static double IntOf(double x) {
    return std::floor(x + 1e-9);
}

double CutDown(double x) {
    return IntOf(100 * x) / 100;
}

double CutVolts(double y) {
    const double v = CursorVolts(y);
    if (y >= kZeroSample)
        return IntOf(100 * v) / 100;
    return -(IntOf(-100 * v) / 100);
}

QString PlainNumberText(double x) {
    if (x == 0)
        x = 0; // no "-0"
    return QString::number(x, 'g', 15);
}

QString NumberText(double x) {
    const QString t = PlainNumberText(x);
    return t.startsWith(QLatin1Char('-')) ? t : QLatin1Char(' ') + t;
}

QString PositionText(double position) {
    return PlainNumberText(IntOf(position * 10) / 10);
}

std::array<QString, 7> CursorReadings(double x1, double y1, double x2, double y2) {
    std::array<QString, 7> cells;
    const double dx = std::abs(x1 - x2);
    cells[4] = NumberText(CutDown(dx));
    cells[0] = NumberText(CutDown(x1));
    cells[1] = NumberText(CutVolts(y1));
    cells[2] = NumberText(CutDown(x2));
    cells[3] = NumberText(CutVolts(y2));
    cells[5] = NumberText(std::abs(CutDown(CursorVolts(y1) - CursorVolts(y2))));
    if (dx > 0)
        cells[6] = NumberText(CutDown(1000 / (dx * kMsPerSample)));
    return cells;
}

QStringList TableHeadings() {
    return {QString(),
            QStringLiteral("X1"),
            QStringLiteral("Y1"),
            QStringLiteral("X2"),
            QStringLiteral("Y2"),
            QStringLiteral("Diff. X"),
            QStringLiteral("Diff. Y"),
            QStringLiteral("1/Diff. X")};
}

} // namespace zr::scope
