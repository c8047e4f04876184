#pragma once

// The drive's oscilloscope output. Writing 0x55AA to RAM 0x03B7 starts a stream of unsigned 8-bit
// samples, one every 1.024 ms, with no framing; writing 0 there stops it. The samples show the
// speed of the motor answering a square-wave speed command (+5 V / -5 V, a step every second):
// an overshooting second-order response with a little ripple and noise. 127.5 is 0 V, 255 is
// 11.42 V.

#include <QtGlobal>

#include <chrono>
#include <functional>

namespace zr::sim {

class ScopeStream {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr int kCommandAddress = 0x03B7;
    static constexpr quint16 kStartWord = 0x55AA;
    static constexpr quint16 kStopWord = 0;
    static constexpr std::chrono::nanoseconds kSamplePeriod{1'024'000};

    // The sample with the given number, counted from the start of the stream.
    static quint8 SpeedSample(qint64 index);

    // Tests may run the stream faster than the drive does, or feed their own signal.
    void setPeriod(std::chrono::nanoseconds period) { period_ = period; }
    void setSignal(std::function<quint8(qint64 index)> signal) { signal_ = std::move(signal); }

    bool running() const { return running_; }
    // Samples sent since the stream last started.
    qint64 sent() const { return next_; }
    // Starts the stream with its first sample one period after `at`; a running stream goes on.
    void start(TimePoint at);
    void stop() { running_ = false; }

    // When the next sample is due; TimePoint::max() while stopped.
    TimePoint nextDue() const;
    // The next sample (the stream moves on by one).
    char take();

private:
    std::chrono::nanoseconds period_ = kSamplePeriod;
    std::function<quint8(qint64)> signal_;
    bool running_ = false;
    TimePoint origin_{};
    qint64 next_ = 0;
};

} // namespace zr::sim
