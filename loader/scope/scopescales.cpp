#include "scopescales.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

TimeUnit TimeUnitFor(double xMax) {
    const double ms = xMax * kMsPerSample;
    if (ms < 1000.5)
        return {"ms", 1};
    if (ms < 60100)
        return {"s", 1000};
    return {"min", 60000};
}

namespace {
int DecimalsFor(const std::vector<double> &values, double step) {
    const double tolerance = std::max(std::abs(step) * 1e-3, 1e-9);
    for (int d = 0; d < 3; ++d) {
        const double scale = std::pow(10.0, d);
        const bool fits = std::all_of(values.begin(), values.end(), [&](double v) {
            return std::abs(v - std::round(v * scale) / scale) <= tolerance;
        });
        if (fits)
            return d;
    }
    return 3;
}

QString Fixed(double v, int decimals) {
    if (std::abs(v) < 0.5 * std::pow(10.0, -decimals))
        v = 0; // no "-0.00"
    return QString::number(v, 'f', decimals);
}
} // namespace

QStringList TickLabels(double minimum, double maximum, int divisions) {
    std::vector<double> values;
    const double step = divisions > 0 ? (maximum - minimum) / divisions : 0;
    for (int k = 0; k <= divisions; ++k)
        values.push_back(minimum + step * k);
    const int d = DecimalsFor(values, step);
    QStringList out;
    for (double v : values)
        out << Fixed(v, d);
    return out;
}

std::array<QString, 7> CursorReadings(double x1, double y1, double x2, double y2,
                                      const TimeUnit &u) {
    const QString unit = QLatin1Char(' ') + QLatin1String(u.name);
    const QString volts = QStringLiteral(" V");
    // Times keep the table's two cut decimals, in the unit of the axis.
    const auto time = [&](double x) { return NumberText(CutDown(SampleTime(x, u))) + unit; };
    std::array<QString, 7> cells;
    const double dx = std::abs(x1 - x2);
    cells[4] = time(dx);
    cells[0] = time(x1);
    cells[1] = NumberText(CutVolts(y1)) + volts;
    cells[2] = time(x2);
    cells[3] = NumberText(CutVolts(y2)) + volts;
    cells[5] = NumberText(std::abs(CutDown(CursorVolts(y1) - CursorVolts(y2)))) + volts;
    if (dx > 0)
        cells[6] = NumberText(CutDown(1000 / (dx * kMsPerSample))) + QStringLiteral(" Hz");
    return cells;
}

std::array<QString, 7> WidestReadings(double xMax) {
    const TimeUnit u = TimeUnitFor(xMax);
    // The longest time is the screen's width; the longest frequency belongs to the shortest
    // distance a cursor drag can make, a hundredth of a pixel column of a 20 ms screen.
    std::array<QString, 7> w = CursorReadings(xMax, 0, xMax, 0, u);
    w[4] = w[0];
    w[5] = NumberText(2 * kFullScaleVolts) + QStringLiteral(" V");
    w[6] = NumberText(99999.99) + QStringLiteral(" Hz");
    return w;
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
