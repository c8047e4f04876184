#pragma once

// Positions and sizes are given in twips; 15 twips make one pixel.

#include <QtMath>

namespace zr::shell {

constexpr int kTwipsPerPixel = 15;

inline int TwipsToPx(double twips) {
    return qRound(twips / kTwipsPerPixel);
}
inline float PxToTwips(int px) {
    return float(px * kTwipsPerPixel);
}

} // namespace zr::shell
