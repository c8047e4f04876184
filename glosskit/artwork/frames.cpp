// Screen frames: a whole glass bezel is drawn at a reference size for each screen colour, and the
// corner pieces and one-pixel strips are cut out of it where the control will place them, so the
// pieces join without seams at any size.

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
    int top, bottom, left, right; // bezel thickness on each side, in pixels
    PieceCut pieces[8];
    bool glareTopLeft;    // a glass reflection in the big top-left piece
    bool glowBottomRight; // a soft reflection in the big bottom-right piece
    QPoint lampsAt;       // where the row of indicator lamps starts (in the top-left piece)
};

const FrameStyle kStyles[3] = {
    {QColor(0, 137, 0),
     35,
     34,
     36,
     38,
     {{500, 189, 197, PieceCut::TopLeft},
      {501, 54, 49, PieceCut::BottomLeft},
      {502, 66, 50, PieceCut::TopRight},
      {503, 37, 38, PieceCut::BottomRight},
      {504, 1, 35, PieceCut::TopStrip},
      {505, 1, 34, PieceCut::BottomStrip},
      {506, 37, 1, PieceCut::LeftStrip},
      {507, 38, 1, PieceCut::RightStrip}},
     true,
     false,
     QPoint(58, 17)},
    {QColor(0, 138, 128),
     40,
     34,
     35,
     34,
     {{510, 189, 175, PieceCut::TopLeft},
      {511, 55, 52, PieceCut::BottomLeft},
      {512, 65, 51, PieceCut::TopRight},
      {513, 133, 114, PieceCut::BottomRight},
      {514, 1, 40, PieceCut::TopStrip},
      {515, 1, 34, PieceCut::BottomStrip},
      {516, 36, 1, PieceCut::LeftStrip},
      {517, 34, 1, PieceCut::RightStrip}},
     true,
     true,
     QPoint(60, 20)},
    {QColor(0, 0, 133),
     36,
     33,
     36,
     36,
     {{520, 249, 197, PieceCut::TopLeft},
      {521, 50, 47, PieceCut::BottomLeft},
      {522, 61, 47, PieceCut::TopRight},
      {523, 46, 42, PieceCut::BottomRight},
      {524, 1, 36, PieceCut::TopStrip},
      {525, 1, 33, PieceCut::BottomStrip},
      {526, 37, 1, PieceCut::LeftStrip},
      {527, 36, 1, PieceCut::RightStrip}},
     true,
     false,
     QPoint(70, 18)},
};

constexpr int kRefW = 720, kRefH = 640;

QColor tint(const QColor &face, double lighten) {
    // The bezel is tinted glass of the screen colour: lighter and a little greyer than the face.
    const double r = face.redF(), g = face.greenF(), b = face.blueF();
    auto ch = [&](double v) { return std::clamp(v * (1 - lighten) + lighten * 0.92, 0.0, 1.0); };
    return QColor::fromRgbF(float(ch(r)), float(ch(g)), float(ch(b)));
}

QImage reference(const FrameStyle &st) {
    QImage img(kRefW, kRefH, QImage::Format_RGB32);
    img.fill(QColor(24, 26, 30)); // the case around the rounded bezel
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Bezel body: lit from the top left, every side shaded across its width only, so that a
    // strip cut anywhere along an edge matches the corners.
    const QRectF outer(0.5, 0.5, kRefW - 1, kRefH - 1);
    QPainterPath body;
    body.addRoundedRect(outer, 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(tint(st.face, 0.35));
    p.drawPath(body);
    const double W = kRefW, H = kRefH, l = st.left, t = st.top, r = st.right, b = st.bottom;
    struct Side {
        QPolygonF area;
        QPointF from, to;
        QColor edge;
    };
    const Side sides[] = {
        {QPolygonF({{0, 0}, {W, 0}, {W - r, t}, {l, t}}), {0, 0}, {0, t}, tint(st.face, 0.62)},
        {QPolygonF({{0, H}, {W, H}, {W - r, H - b}, {l, H - b}}),
         {0, H},
         {0, H - b},
         tint(st.face, 0.1).darker(190)},
        {QPolygonF({{0, 0}, {0, H}, {l, H - b}, {l, t}}), {0, 0}, {l, 0}, tint(st.face, 0.5)},
        {QPolygonF({{W, 0}, {W, H}, {W - r, H - b}, {W - r, t}}),
         {W, 0},
         {W - r, 0},
         tint(st.face, 0.15).darker(160)},
    };
    for (const Side &side : sides) {
        QLinearGradient g(side.from, side.to);
        g.setColorAt(0, side.edge);
        g.setColorAt(1, tint(st.face, 0.35));
        QPainterPath area;
        area.addPolygon(side.area);
        p.setBrush(g);
        p.drawPath(area.intersected(body));
    }
    p.setPen(QPen(QColor(10, 12, 14), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // Outer highlight line and a soft inner bevel, constant along every edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 12, 12);
    p.setPen(QPen(QColor(0, 0, 0, 60), 3));
    p.drawRoundedRect(outer.adjusted(6, 6, -6, -6), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 45), 2));
    p.drawRoundedRect(outer.adjusted(9, 9, -9, -9), 9, 9);

    // The screen recess.
    const QRectF inner(st.left, st.top, kRefW - st.left - st.right, kRefH - st.top - st.bottom);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawRoundedRect(inner.adjusted(-3, -3, 3, 3), 10, 10);
    p.setPen(QPen(QColor(0, 0, 0, 170), 3));
    p.drawRoundedRect(inner.adjusted(-1.5, -1.5, 1.5, 1.5), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(st.face);
    p.drawRoundedRect(inner, 8, 8);

    // Indicator lamps on the top bezel, inside the top-left piece.
    for (int i = 0; i < 3; ++i) {
        const QPointF c(st.lampsAt.x() + i * 16, st.lampsAt.y());
        QRadialGradient lamp(c + QPointF(-1, -1), 5);
        const QColor on = i == 0   ? QColor(255, 80, 60)
                          : i == 1 ? QColor(255, 210, 60)
                                   : QColor(120, 255, 120);
        lamp.setColorAt(0, Qt::white);
        lamp.setColorAt(0.35, on);
        lamp.setColorAt(1, on.darker(260));
        p.setBrush(lamp);
        p.setPen(QPen(QColor(0, 0, 0, 140), 1));
        p.drawEllipse(c, 4.5, 4.5);
    }

    // Glass reflections that fade out inside their own piece.
    const PieceCut &tl = st.pieces[0];
    if (st.glareTopLeft) {
        p.save();
        p.setClipRect(inner);
        QPainterPath band;
        band.moveTo(st.left, st.top + 110);
        band.lineTo(st.left + 120, st.top);
        band.lineTo(st.left + 150, st.top);
        band.lineTo(st.left, st.top + 150);
        band.closeSubpath();
        QRadialGradient fadeOut(QPointF(st.left, st.top),
                                std::min(tl.w - st.left, tl.h - st.top) - 4);
        fadeOut.setColorAt(0, QColor(255, 255, 255, 70));
        fadeOut.setColorAt(0.7, QColor(255, 255, 255, 25));
        fadeOut.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fadeOut);
        p.drawPath(band);
        QRadialGradient corner(QPointF(st.left, st.top), 70);
        corner.setColorAt(0, QColor(255, 255, 255, 55));
        corner.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(corner);
        p.drawRect(inner);
        p.restore();
    }
    const PieceCut &br = st.pieces[3];
    if (st.glowBottomRight) {
        p.save();
        p.setClipRect(inner);
        const QPointF c(kRefW - st.right, kRefH - st.bottom);
        QRadialGradient glow(c, std::min(br.w - st.right, br.h - st.bottom) - 4);
        glow.setColorAt(0, QColor(255, 255, 255, 60));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRect(inner);
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
        QImage strip(c.w, 1, QImage::Format_RGB32);
        for (int x = 0; x < c.w; ++x)
            strip.setPixel(x, 0, ref.pixel(std::max(0, x - 1), kRefH / 2));
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
