// GlossHCommand drawing: the face, the three captions, the four focus marks and the shine rim.

#include "../common/drawing.h"
#include "../common/resources.h"
#include "glosshcommand_p.h"

namespace glosskit {

// RefreshHCommand
void GlossHCommand::draw() {
    Q_D(GlossHCommand);
    d->drawSurface([&](QPainter &p) {
        const int w = d->clientWidth(), h = d->clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (isEnabled()) {
            step([&] { d->drawFace(p, w, h); });
        } else {
            step([&] {
                const QPixmap &face =
                    d->pictureDisabled.isNone() ? resourceBitmap(602) : d->pictureDisabled.pixmap();
                if (!face.isNull())
                    p.drawPixmap(QRect(0, 0, w, h), face);
            });
        }
        step([&] { d->drawCaptions(p, w, h); });
        if (d->hasFocus && d->showFocus)
            step([&] { d->drawFocus(p, w, h); });
    });
}

const Picture *GlossHCommandPrivate::customFace() const {
    if (isPressed)
        return picturePushed.isNone() ? &pictureNormal : &picturePushed;
    if (!useOnTop)
        return &pictureNormal;
    return hoverFace();
}

void GlossHCommandPrivate::drawFace(QPainter &p, int w, int h) const {
    const QPixmap *face = nullptr;
    if (glossStyle >= GlossHCommand::GKCyanWater && glossStyle <= GlossHCommand::GKSpectrum) {
        face = &resourceBitmap((isPressed ? 560 : 550) + glossStyle);
    } else if (glossStyle == GlossHCommand::GKCustom) {
        if (const Picture *pic = customFace())
            face = &pic->pixmap();
    }
    if (face && !face->isNull())
        p.drawPixmap(QRect(0, 0, w, h), *face);
}

void GlossHCommandPrivate::drawCaptions(QPainter &p, int w, int h) const {
    p.setFont(q->font());
    step([&] {
        QRect r(0, 0, w, h);
        p.setPen(oleToColor(foreColor));
        if (allowMultiLine) {
            r.setTop(adjustTop);
            drawTextFlags(p, r, caption, kTextCentredLines);
        } else {
            drawTextFlags(p, r, caption, kTextCentredSingle);
        }
    });
    step([&] {
        p.setPen(leftColor);
        drawTextFlags(p, QRect(0, 0, w, h), leftCaption, kTextLeftSingle);
    });
    step([&] {
        p.setPen(rightColor);
        drawTextFlags(p, QRect(0, 0, w, h), rightCaption, kTextRightSingle);
    });
}

void GlossHCommandPrivate::drawFocus(QPainter &p, int w, int h) const {
    const bool fixed = pictureMode == GlossControl::DefaultStyle;
    const int hh = h / 2;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    auto pen = [&](const QColor &c, int width) { p.setPen(QPen(c, width)); };
    auto left = [&](double cx, double cy, double r) {
        drawArc(p, cx, cy, r, kLeftArcStart, kLeftArcEnd);
    };
    auto right = [&](double cx, double cy, double r) {
        drawArc(p, cx, cy, r, kRightArcStart, kRightArcEnd);
    };
    switch (focusStyle) {
    case GlossHCommand::GKHClassicIndent:
        if (fixed)
            drawFrame(p, 12, 2, 163, 30, FrameStyle::Etched);
        else
            drawFrame(p, hh, 2, w - hh, h - 2, FrameStyle::Etched);
        break;
    case GlossHCommand::GKHColorOutline:
    case GlossHCommand::GKHBoldColorOutline:
        if (fixed) {
            // The fixed figures of the 175 x 32 bar; the bold style draws them twice as wide.
            pen(focusColor, focusStyle == GlossHCommand::GKHBoldColorOutline ? 2 : 1);
            drawLineTo(p, 12, 1, 163, 1);
            drawLineTo(p, 12, 29, 163, 29);
            left(16, 15, 14);
            right(159, 15, 14);
        } else if (focusStyle == GlossHCommand::GKHColorOutline) {
            pen(focusColor, 1);
            drawLineTo(p, hh, 1, w - hh, 1);
            drawLineTo(p, hh, h - 2, w - hh, h - 2);
            left(hh, hh - 1, hh - 2);
            right(w - hh, hh - 1, hh - 2);
        } else {
            pen(focusColor, 2);
            drawLineTo(p, hh, 3, w - hh, 3);
            drawLineTo(p, hh, h - 3, w - hh, h - 3);
            left(hh, hh, hh - 3);
            right(w - hh, hh, hh - 3);
        }
        pen(focusColor, 1);
        break;
    case GlossHCommand::GKHRoundIndent: {
        const QColor shadow = systemColor(ButtonShadow), light = systemColor(Light3D);
        if (fixed) {
            pen(shadow, 2);
            left(18, 15, 12);
            right(155, 15, 12);
            pen(shadow, 1);
            drawLineTo(p, 16, 2, 156, 2);
            pen(light, 1);
            drawLineTo(p, 16, 27, 156, 27);
            drawLineTo(p, 16, 3, 156, 3);
            pen(shadow, 1);
            drawLineTo(p, 16, 26, 158, 26);
            pen(light, 1);
            left(18, 15, 12);
            right(156, 15, 12);
        } else {
            pen(shadow, 2);
            left(hh, hh, hh - 4);
            right(w - hh, hh, hh - 4);
            pen(shadow, 1);
            drawLineTo(p, hh, 2, w - hh, 2);
            pen(light, 1);
            drawLineTo(p, hh, h - 4, w - hh, h - 4);
            drawLineTo(p, hh, 3, w - hh, 3);
            pen(shadow, 1);
            drawLineTo(p, hh, h - 5, w - hh, h - 5);
            pen(light, 1);
            left(hh, hh, hh - 4);
            right(w - hh, hh, hh - 4);
        }
        break;
    }
    default:
        break;
    }
}

void GlossHCommandPrivate::drawRim(QPainter &p, int w, int h, const QColor &colour) {
    const int hh = h / 2;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2));
    drawLineTo(p, hh, 1, w - hh, 1);
    drawLineTo(p, hh, h - 1, w - hh, h - 1);
    drawArc(p, hh, hh, hh - 1, kLeftArcStart, kLeftArcEnd);
    drawArc(p, w - hh, hh, hh - 1, kRightArcStart, kRightArcEnd);
    p.setPen(QPen(colour, 1));
}

QColor GlossHCommand::captionColorFor(int glossStyle) {
    if (glossStyle < GKCyanWater || glossStyle > GKSpectrum)
        return Qt::white;
    const QImage face = resourceBitmap(550 + glossStyle).toImage();
    return readableCaptionColor(
        face, QRect(face.width() / 4, face.height() / 4, face.width() / 2, face.height() / 2));
}

} // namespace glosskit
