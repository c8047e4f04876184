// Faces of the rectangular button (101-108, 601), the bar button (550-557 rest, 560-567
// pressed, 602, masks 700-702) and the check boxes (201-204).

#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Field = std::function<Rgb(double u, double v)>; // u, v in 0..1

QImage paint(int w, int h, const Field &f) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, toQRgb(f((x + 0.5) / w, (y + 0.5) / h)));
    return img;
}

// The eight backgrounds of the rectangular button.
const Field kBackgrounds[8] = {
    [](double u, double v) { // spiral rainbow
        const double a = std::atan2(v - 0.5, (u - 0.5) * 2.5),
                     r = std::hypot((u - 0.5) * 2.5, v - 0.5);
        return fromHsv(a / (2 * kPi) + r * 1.5, 0.8, 0.95);
    },
    [](double u, double v) { // cyan water
        const double n = fbm3(u * 6, v * 3, 1.3, 4);
        return mix(Rgb{0.0, 0.45, 0.6}, Rgb{0.55, 0.95, 1.0},
                   smoothstep(0.35, 0.75, n + 0.15 * std::sin(u * 20)));
    },
    [](double u, double v) { // blue bubbly water
        Rgb c = mix(Rgb{0.05, 0.15, 0.55}, Rgb{0.2, 0.5, 0.95}, 1 - v);
        for (int i = 0; i < 14; ++i) {
            const double bx = noise3(i, 0.5, 3) * 1.0, by = noise3(i, 1.5, 7) * 1.0;
            const double r = 0.03 + 0.05 * noise3(i, 2.5, 1);
            const double d = std::hypot((u - bx) * 2.5, v - by) / r;
            if (d < 1)
                c = mix(c, Rgb{0.85, 0.95, 1.0}, smoothstep(0.6, 1.0, d) * 0.8);
        }
        return c;
    },
    [](double u, double v) { // aurora zone
        const double n = fbm3(u * 4, v * 2, 5.0, 4);
        const double curtain =
            smoothstep(0.3, 0.0, std::abs(v - 0.45 - 0.2 * std::sin(u * 7 + n * 3)));
        return mix(Rgb{0.02, 0.03, 0.12}, fromHsv(0.35 + 0.25 * n, 0.8, 1.0), curtain);
    },
    [](double u, double v) { // green water
        const double n = fbm3(u * 5, v * 3, 9.0, 4);
        return mix(Rgb{0.0, 0.3, 0.1}, Rgb{0.5, 0.95, 0.55},
                   smoothstep(0.3, 0.8, n + 0.1 * std::sin(v * 25)));
    },
    [](double u, double v) { // tri-colour temple
        const double b = u + 0.1 * std::sin(v * 6);
        return b < 0.33   ? Rgb{0.1, 0.55, 0.2}
               : b < 0.66 ? Rgb{0.95, 0.95, 0.92}
                          : Rgb{0.8, 0.12, 0.15};
    },
    [](double u, double v) { // underwater clouds
        const double n = fbm3(u * 4, v * 2, 2.0, 5);
        return mix(Rgb{0.0, 0.2, 0.35}, Rgb{0.7, 0.9, 0.95}, smoothstep(0.45, 0.75, n));
    },
    [](double u, double v) { // lollipop land
        const double s = 0.5 + 0.5 * std::sin((u * 2.5 + v) * 18);
        return mix(Rgb{1.0, 0.45, 0.75}, Rgb{1.0, 0.95, 0.6}, smoothstep(0.4, 0.6, s));
    },
};

// The eight bar faces.
const Field kBars[8] = {
    [](double, double v) {
        return mix(Rgb{0.3, 0.9, 1.0}, Rgb{0.0, 0.35, 0.5}, v);
    },
    [](double, double v) {
        return mix(Rgb{0.35, 0.55, 1.0}, Rgb{0.0, 0.08, 0.45}, v);
    },
    [](double u, double v) {
        const Rgb c = u < 0.33   ? Rgb{0.1, 0.6, 0.2}
                      : u < 0.66 ? Rgb{0.95, 0.95, 0.95}
                                 : Rgb{0.85, 0.15, 0.15};
        return mix(c, Rgb{0, 0, 0}, v * 0.45);
    },
    [](double u, double v) {
        return mix(Rgb{0.95, 0.97, 1.0}, Rgb{0.5, 0.6, 0.75},
                   std::abs(std::sin(u * 30 + v * 4)) * 0.6 + v * 0.3);
    },
    [](double u, double v) {
        return mix(Rgb{0.35, 0.6, 0.95}, Rgb{1, 1, 1},
                   smoothstep(0.45, 0.7, fbm3(u * 8, v * 2, 4, 4)));
    },
    [](double u, double v) {
        return mix(
            Rgb{0.45, 0.35, 0.25}, Rgb{0.9, 0.85, 0.75},
            smoothstep(0.2, 0.8, 0.5 + 0.5 * std::sin(u * 12 + fbm3(u * 5, v * 3, 1, 4) * 8)));
    },
    [](double u, double v) {
        return mix(
            Rgb{0.55, 0.25, 0.5}, Rgb{0.95, 0.8, 0.95},
            smoothstep(0.2, 0.8, 0.5 + 0.5 * std::sin(u * 10 + fbm3(u * 5, v * 3, 7, 4) * 9)));
    },
    [](double u, double v) { return fromHsv(u * 0.85, 0.85, 1.0 - v * 0.35); },
};

// A glass highlight across the top of a face and a darker lower edge; pressed faces are darker
// and lit from below.
QImage glossy(QImage img, bool pressed) {
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    if (!pressed) {
        g.setColorAt(0, QColor(255, 255, 255, 150));
        g.setColorAt(0.45, QColor(255, 255, 255, 30));
        g.setColorAt(0.5, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 70));
    } else {
        g.setColorAt(0, QColor(0, 0, 0, 120));
        g.setColorAt(0.5, QColor(0, 0, 0, 40));
        g.setColorAt(1, QColor(255, 255, 255, 60));
    }
    p.fillRect(img.rect(), g);
    return img;
}

QImage barMask(int w, int h) {
    QImage mask(w, h, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRect(0, 0, w, h), h / 2.0, h / 2.0);
    return mask;
}

QImage checkBox(bool checked, bool pushed, bool disabled) {
    QImage img(24, 24, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 2, 0, 22);
    g.setColorAt(0, disabled ? QColor(225, 225, 225) : pushed ? QColor(170, 190, 220) : Qt::white);
    g.setColorAt(1, disabled ? QColor(190, 190, 190)
                    : pushed ? QColor(120, 140, 180)
                             : QColor(205, 215, 230));
    p.setBrush(g);
    p.setPen(QPen(disabled ? QColor(150, 150, 150) : QColor(40, 50, 70), 1.5));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 3, 3);
    if (checked) {
        p.setPen(QPen(disabled ? QColor(140, 140, 140) : QColor(0, 130, 20), 3, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(6.5, 12), QPointF(10.5, 16.5), QPointF(17.5, 6.5)}));
    }
    return img;
}

} // namespace

void makeButtons(Output &out) {
    // The grey face of a custom button: light at the top, darker towards the bottom.
    auto grey = [](int w, int h, double bottom) {
        return glossy(paint(w, h,
                            [bottom](double, double v) {
                                return mix(Rgb{0.8, 0.8, 0.8}, Rgb{bottom, bottom, bottom}, v);
                            }),
                      false);
    };
    for (int i = 0; i < 8; ++i)
        addImage(out, QStringLiteral("bmp/%1.png").arg(101 + i),
                 glossy(paint(250, 100, kBackgrounds[i]), false));
    addImage(out, QStringLiteral("bmp/601.png"), grey(250, 100, 0.6));
    for (int i = 0; i < 8; ++i) {
        addImage(out, QStringLiteral("bmp/%1.png").arg(550 + i),
                 glossy(paint(175, 32, kBars[i]), false));
        addImage(out, QStringLiteral("bmp/%1.png").arg(560 + i),
                 glossy(paint(175, 32, kBars[i]), true));
    }
    addImage(out, QStringLiteral("bmp/602.png"), grey(175, 32, 0.55));
    addImage(out, QStringLiteral("bmp/700.png"), barMask(175, 32));
    addImage(out, QStringLiteral("bmp/701.png"), barMask(88, 16));
    addImage(out, QStringLiteral("bmp/702.png"), barMask(350, 64));
    addImage(out, QStringLiteral("bmp/201.png"), checkBox(false, false, false));
    addImage(out, QStringLiteral("bmp/202.png"), checkBox(true, false, false));
    addImage(out, QStringLiteral("bmp/203.png"), checkBox(false, true, false));
    addImage(out, QStringLiteral("bmp/204.png"), checkBox(false, false, true));
}

} // namespace artwork
