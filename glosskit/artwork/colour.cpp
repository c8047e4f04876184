#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artwork {

Rgb mix(const Rgb &a, const Rgb &b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb fromHsv(double h, double s, double v) {
    QColor c = QColor::fromHsvF(float(h - std::floor(h)), float(std::clamp(s, 0.0, 1.0)),
                                float(std::clamp(v, 0.0, 1.0)));
    return {c.redF(), c.greenF(), c.blueF()};
}

QRgb toQRgb(const Rgb &c, double alpha) {
    auto ch = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return qRgba(ch(c.r), ch(c.g), ch(c.b), ch(alpha));
}

double smoothstep(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

namespace {

double hash3(int x, int y, int z) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(z) * 2147483647u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0xFFFFFF);
}

double fade(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double noise3(double x, double y, double z) {
    const int xi = int(std::floor(x)), yi = int(std::floor(y)), zi = int(std::floor(z));
    const double xf = fade(x - xi), yf = fade(y - yi), zf = fade(z - zi);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    double c[2][2][2];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                c[i][j][k] = hash3(xi + i, yi + j, zi + k);
    const double x00 = lerp(c[0][0][0], c[1][0][0], xf), x10 = lerp(c[0][1][0], c[1][1][0], xf);
    const double x01 = lerp(c[0][0][1], c[1][0][1], xf), x11 = lerp(c[0][1][1], c[1][1][1], xf);
    return lerp(lerp(x00, x10, yf), lerp(x01, x11, yf), zf);
}

double fbm3(double x, double y, double z, int octaves) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise3(x, y, z);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        z *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

} // namespace artwork
