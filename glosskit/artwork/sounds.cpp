// Press and release clicks: short 16-bit PCM clips, mono, 44.1 kHz.

#include "artwork.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

QByteArray wav(const std::vector<double> &samples) {
    QByteArray data;
    for (double s : samples) {
        const qint16 v = qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32000));
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    }
    QByteArray out;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(quint32(36 + data.size()));
    out.append("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.append("data", 4);
    u32(quint32(data.size()));
    out.append(data);
    return out;
}

// A damped two-tone click with a short noise transient at its start.
std::vector<double> click(double ms, double f1, double f2, double sweep, double decay) {
    const int n = int(kRate * ms / 1000);
    std::vector<double> s(size_t(n), 0.0);
    double phase1 = 0, phase2 = 0;
    unsigned seed = 12345;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double env = std::exp(-t * decay) * std::min(1.0, i / 40.0);
        phase1 += 2 * kPi * f1 * (1 + sweep * t * 10) / kRate;
        phase2 += 2 * kPi * f2 * (1 + sweep * t * 10) / kRate;
        seed = seed * 1103515245u + 12345u;
        const double noise = (double((seed >> 16) & 0x7FFF) / 16384.0 - 1.0) * std::exp(-t * 900);
        s[size_t(i)] = env * (0.55 * std::sin(phase1) + 0.3 * std::sin(phase2)) + 0.25 * noise;
    }
    return s;
}

} // namespace

void makeSounds(Output &out) {
    out[QStringLiteral("sound/401.wav")] = wav(click(45, 1650, 620, -0.4, 95));
    out[QStringLiteral("sound/402.wav")] = wav(click(70, 980, 1460, 0.5, 70));
}

} // namespace artwork
