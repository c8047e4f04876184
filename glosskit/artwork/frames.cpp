// Screen frames: a whole glass bezel is drawn at a reference size for each screen colour, and the
// corner pieces and one-pixel strips are cut out of it where the control will place them, so the
// pieces join without seams at any size.
//
// The control paints the face colour first and the pieces over it; when it is smaller than its
// corner pieces they overlap, the later ones over the earlier ones. So that any overlap still
// shows one frame:
// - everything inside the bezel is transparent (a piece never paints the glass over a part of the
//   bezel another piece drew), as are the parts of the strips beyond the bezel's width;
// - the bezel is four battens of equal width whose shading runs only across their width: the top
//   one from the left edge to the right batten, the right one from the top down to the bottom
//   batten, the bottom one across the whole width, the left one between the top and the bottom
//   ones. Wherever a corner piece's long arm lands on another corner, it paints what belongs there
//   (the bottom-right piece, painted last, reaches the top-right corner with the right batten and
//   the bottom-left corner with the bottom batten);
// - the battens are thinner than the smallest corner piece and than any strip, so the top-right
//   piece of the cyan frame, stretched by one row, repeats a row of its plain right batten.

#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace artwork {

namespace {

struct PieceCut {
    int id, w, h;
    enum Anchor {
        TopLeft,
        BottomLeft,
        TopRight,
        BottomRight,
        TopStrip,
        BottomStrip,
        LeftStrip,
        RightStrip
    } anchor;
};

struct FrameStyle {
    QColor face;
    PieceCut pieces[8];
    bool glareTopLeft;    // a glass reflection in the big top-left piece
    bool glowBottomRight; // a soft reflection in the big bottom-right piece
};

const FrameStyle kStyles[3] = {
    {QColor(0, 137, 0),
     {{500, 189, 197, PieceCut::TopLeft},
      {501, 54, 49, PieceCut::BottomLeft},
      {502, 66, 50, PieceCut::TopRight},
      {503, 37, 38, PieceCut::BottomRight},
      {504, 1, 35, PieceCut::TopStrip},
      {505, 1, 34, PieceCut::BottomStrip},
      {506, 37, 1, PieceCut::LeftStrip},
      {507, 38, 1, PieceCut::RightStrip}},
     true,
     false},
    {QColor(0, 138, 128),
     {{510, 189, 175, PieceCut::TopLeft},
      {511, 55, 52, PieceCut::BottomLeft},
      {512, 65, 51, PieceCut::TopRight},
      {513, 133, 114, PieceCut::BottomRight},
      {514, 1, 40, PieceCut::TopStrip},
      {515, 1, 34, PieceCut::BottomStrip},
      {516, 36, 1, PieceCut::LeftStrip},
      {517, 34, 1, PieceCut::RightStrip}},
     true,
     true},
    {QColor(0, 0, 133),
     {{520, 249, 197, PieceCut::TopLeft},
      {521, 50, 47, PieceCut::BottomLeft},
      {522, 61, 47, PieceCut::TopRight},
      {523, 46, 42, PieceCut::BottomRight},
      {524, 1, 36, PieceCut::TopStrip},
      {525, 1, 33, PieceCut::BottomStrip},
      {526, 37, 1, PieceCut::LeftStrip},
      {527, 36, 1, PieceCut::RightStrip}},
     true,
     false},
};

constexpr int kRefW = 720, kRefH = 640;

QColor tint(const QColor &face, double lighten) {
    // The bezel is tinted glass of the screen colour: lighter and a little greyer than the face.
    const double r = face.redF(), g = face.greenF(), b = face.blueF();
    auto ch = [&](double v) { return std::clamp(v * (1 - lighten) + lighten * 0.92, 0.0, 1.0); };
    return QColor::fromRgbF(float(ch(r)), float(ch(g)), float(ch(b)));
}

QColor blend(const QColor &a, const QColor &b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

enum Side { Top, Right, Bottom, Left };

// The colour of a batten at distance d from the frame's outer edge (0 .. kBezel - 1): lit from
// the top left, an outer edge line, the body, and a lip where it meets the glass.
QColor battenColour(const QColor &face, Side side, int d) {
    const int b = kScreenBezel;
    const double t = double(d - 2) / (b - 5); // 0 .. 1 across the body
    switch (side) {
    case Top:
    case Left: {
        const double k = side == Top ? 1.0 : 0.88;
        if (d == 0)
            return tint(face, 0.82 * k);
        if (d == 1)
            return tint(face, 0.64 * k);
        if (d == b - 2)
            return tint(face, 0.12).darker(150);
        if (d == b - 1)
            return face.darker(300);
        return blend(tint(face, 0.56 * k), tint(face, 0.38 * k), t);
    }
    case Right:
    case Bottom: {
        const int k = side == Right ? 100 : 112;
        if (d == 0)
            return tint(face, 0.08).darker(220 * k / 100);
        if (d == 1)
            return tint(face, 0.16).darker(150 * k / 100);
        if (d == b - 2)
            return tint(face, 0.5);
        if (d == b - 1)
            return tint(face, 0.74);
        return blend(tint(face, 0.22).darker(125 * k / 100), tint(face, 0.32).darker(k), t);
    }
    }
    return face;
}

QImage reference(const FrameStyle &st) {
    QImage img(kRefW, kRefH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent); // the glass: the control's face colour shows through
    const int b = kScreenBezel;
    for (int y = 0; y < kRefH; ++y) {
        for (int x = 0; x < kRefW; ++x) {
            QColor c;
            if (y >= kRefH - b)
                c = battenColour(st.face, Bottom, kRefH - 1 - y);
            else if (x >= kRefW - b)
                c = battenColour(st.face, Right, kRefW - 1 - x);
            else if (y < b)
                c = battenColour(st.face, Top, y);
            else if (x < b)
                c = battenColour(st.face, Left, x);
            else
                continue;
            img.setPixelColor(x, y, c);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Glass reflections that fade out inside their own piece.
    const QRectF glass(b, b, kRefW - 2 * b, kRefH - 2 * b);
    const PieceCut &tl = st.pieces[0];
    if (st.glareTopLeft) {
        p.save();
        p.setClipRect(glass);
        QPainterPath band;
        band.moveTo(b, b + 110);
        band.lineTo(b + 120, b);
        band.lineTo(b + 150, b);
        band.lineTo(b, b + 150);
        band.closeSubpath();
        QRadialGradient fadeOut(QPointF(b, b), std::min(tl.w - b, tl.h - b) - 4);
        fadeOut.setColorAt(0, QColor(255, 255, 255, 70));
        fadeOut.setColorAt(0.7, QColor(255, 255, 255, 25));
        fadeOut.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fadeOut);
        p.drawPath(band);
        QRadialGradient corner(QPointF(b, b), 70);
        corner.setColorAt(0, QColor(255, 255, 255, 55));
        corner.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(corner);
        p.drawRect(glass);
        p.restore();
    }
    const PieceCut &br = st.pieces[3];
    if (st.glowBottomRight) {
        p.save();
        p.setClipRect(glass);
        // Small enough to stay on the glass even where the piece lands on a screen much smaller
        // than itself (its top-left part then lies over the other battens).
        const QPointF c(kRefW - b, kRefH - b);
        QRadialGradient glow(c, std::min(br.w, br.h) / 3.0);
        glow.setColorAt(0, QColor(255, 255, 255, 60));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRect(glass);
        p.restore();
    }
    return img;
}

QImage cut(const QImage &ref, const PieceCut &c) {
    switch (c.anchor) {
    case PieceCut::TopLeft:
        return ref.copy(0, 0, c.w, c.h);
    case PieceCut::BottomLeft:
        return ref.copy(0, kRefH - c.h, c.w, c.h);
    case PieceCut::TopRight:
        return ref.copy(kRefW - c.w, 0, c.w, c.h);
    case PieceCut::BottomRight:
        return ref.copy(kRefW - c.w, kRefH - c.h, c.w, c.h);
    case PieceCut::TopStrip:
        return ref.copy(kRefW / 2, 0, 1, c.h);
    case PieceCut::BottomStrip:
        return ref.copy(kRefW / 2, kRefH - c.h, 1, c.h);
    case PieceCut::RightStrip:
        return ref.copy(kRefW - c.w, kRefH / 2, c.w, 1);
    case PieceCut::LeftStrip: {
        // Placed one pixel left of the control: its first column is never seen.
        QImage strip(c.w, 1, QImage::Format_ARGB32_Premultiplied);
        for (int x = 0; x < c.w; ++x)
            strip.setPixelColor(x, 0, ref.pixelColor(std::max(0, x - 1), kRefH / 2));
        return strip;
    }
    }
    return {};
}

} // namespace

void makeFrames(Output &out) {
    for (const FrameStyle &st : kStyles) {
        const QImage ref = reference(st);
        for (const PieceCut &c : st.pieces)
            addImage(out, QStringLiteral("bmp/%1.png").arg(c.id), cut(ref, c));
    }
}

} // namespace artwork
