#pragma once

// The artwork generator of the control set: every bitmap, mask and clip the controls look up by
// number is drawn here, so the set can be regenerated and changed.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <map>

namespace artwork {

// Everything produced, by resource path ("bmp/300.png", "sound/401.wav", "logo.png").
using Output = std::map<QString, QByteArray>;

void addImage(Output &out, const QString &path, const QImage &image);

// Sphere faces 300-309 (rest), 400-409 (pressed), 600 (disabled), masks 705-707.
void makeSpheres(Output &out);
// Screen frame pieces 500-507, 510-517, 520-527.
void makeFrames(Output &out);
// The width of a screen frame's bezel on every side; inside it the frame is the glass.
constexpr int kScreenBezel = 24;
// Press and release clips 401 and 402.
void makeSounds(Output &out);
// Toolbox icons 30000-30004 and the library logo.
void makeIcons(Output &out);
// The faces and masks of the rectangular, bar and check controls.
void makeButtons(Output &out);

// A glossy sphere of any size with one of the ten surface patterns (for icons and the logo).
QImage glossySphere(int size, int pattern);

// Small colour helpers shared by the generators.
struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb mix(const Rgb &a, const Rgb &b, double t);
Rgb fromHsv(double h, double s, double v);
QRgb toQRgb(const Rgb &c, double alpha = 1.0);
double smoothstep(double e0, double e1, double x);
// Smooth value noise in three dimensions (0..1) and its fractal sum.
double noise3(double x, double y, double z);
double fbm3(double x, double y, double z, int octaves);

} // namespace artwork
