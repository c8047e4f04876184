#include "scopestream.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zr::sim {

namespace {
constexpr double kSampleSeconds = 0.001024;
constexpr double kStepSeconds = 1.0;  // the speed command changes sign every second
constexpr double kCommandVolts = 5.0; // +5 V / -5 V
constexpr double kNaturalHz = 6.0;    // of the speed loop
constexpr double kDamping = 0.35;     // about 30 % overshoot
constexpr double kRippleVolts = 0.15; // 50 Hz
constexpr double kNoiseVolts = 0.12;  // peak, uniform
constexpr double kFullScaleVolts = 11.42;

// Response of the loop to a unit step, t seconds after it.
double StepResponse(double t) {
    const double wn = 2 * std::numbers::pi * kNaturalHz;
    const double wd = wn * std::sqrt(1 - kDamping * kDamping);
    const double decay = std::exp(-kDamping * wn * t);
    return 1 - decay * (std::cos(wd * t) +
                        kDamping / std::sqrt(1 - kDamping * kDamping) * std::sin(wd * t));
}

// A repeatable value in -1..1 for each sample number.
double Noise(qint64 index) {
    quint64 x = static_cast<quint64>(index) * 0x9E3779B97F4A7C15ULL;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 29;
    return static_cast<double>(x % 2001) / 1000.0 - 1.0;
}
} // namespace

quint8 ScopeStream::SpeedSample(qint64 index) {
    const double t = static_cast<double>(index) * kSampleSeconds;
    const auto step = static_cast<qint64>(std::floor(t / kStepSeconds));
    const double since = t - static_cast<double>(step) * kStepSeconds;
    const double to = (step % 2 == 0) ? kCommandVolts : -kCommandVolts;
    const double from = step == 0 ? 0.0 : -to;
    double volts = from + (to - from) * StepResponse(since);
    volts += kRippleVolts * std::sin(2 * std::numbers::pi * 50 * t);
    volts += kNoiseVolts * Noise(index);
    const double sample = 127.5 + volts * 127.5 / kFullScaleVolts;
    return static_cast<quint8>(std::clamp(std::lround(sample), 0L, 255L));
}

void ScopeStream::start(TimePoint at) {
    if (running_)
        return;
    running_ = true;
    origin_ = at;
    next_ = 0;
}

ScopeStream::TimePoint ScopeStream::nextDue() const {
    if (!running_)
        return TimePoint::max();
    return origin_ + period_ * (next_ + 1);
}

char ScopeStream::take() {
    const qint64 i = next_++;
    return static_cast<char>(signal_ ? signal_(i) : SpeedSample(i));
}

} // namespace zr::sim
