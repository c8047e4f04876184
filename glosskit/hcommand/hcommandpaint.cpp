// GlossHCommand drawing: the face, the three captions, the four focus marks and the shine rim.

#include "../common/drawing.h"
#include "../common/resources.h"
#include "glosshcommand.h"

namespace glosskit {

void GlossHCommand::repaintWithForce() {
    m_forceRepaint = true;
    RefreshHCommand();
    m_forceRepaint = false;
}

void GlossHCommand::RefreshHCommand() {
    drawSurface([&](QPainter &p) {
        const int w = clientWidth(), h = clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (isEnabled()) {
            step([&] { drawFace(p, w, h); });
        } else {
            step([&] {
                const QPixmap &face =
                    m_hasPictureDisabled ? m_pictureDisabled.pixmap() : resourceBitmap(602);
                if (!face.isNull())
                    p.drawPixmap(QRect(0, 0, w, h), face);
            });
        }
        step([&] { drawCaptions(p, w, h); });
        if (m_hasFocus && m_showFocus)
            step([&] { drawFocus(p, w, h); });
    });
}

const Picture *GlossHCommand::customFace() const {
    if (m_isPressed)
        return m_hasPicturePushed ? &m_picturePushed : &m_pictureNormal;
    if (!m_useOnTop)
        return &m_pictureNormal;
    switch (m_hoverState) {
    case -1:
        return m_forceRepaint ? &m_pictureNormal : nullptr;
    case 0:
        return &m_pictureNormal;
    case 1:
        return m_hasPictureOver2  ? &m_pictureOver2
               : m_hasPictureOver ? &m_pictureOver
                                  : &m_pictureNormal;
    case 2:
        return m_hasPictureOver ? &m_pictureOver : &m_pictureNormal;
    case 3:
    case 4:
    case 5:
        return (m_hasPictureOver && m_forceRepaint) ? &m_pictureOver : &m_pictureNormal;
    default:
        return nullptr;
    }
}

void GlossHCommand::drawFace(QPainter &p, int w, int h) {
    const QPixmap *face = nullptr;
    if (m_glossStyle >= GKCyanWater && m_glossStyle <= GKSpectrum) {
        face = &resourceBitmap((m_isPressed ? 560 : 550) + m_glossStyle);
    } else if (m_glossStyle == GKCustom) {
        if (const Picture *pic = customFace())
            face = &pic->pixmap();
    }
    if (face && !face->isNull())
        p.drawPixmap(QRect(0, 0, w, h), *face);
}

void GlossHCommand::drawCaptions(QPainter &p, int w, int h) {
    p.setFont(font());
    step([&] {
        QRect r(0, 0, w, h);
        p.setPen(oleToColor(m_foreColor));
        if (m_allowMultiLine) {
            r.setTop(m_adjustTop);
            drawTextFlags(p, r, m_caption, kTextCentredLines);
        } else {
            drawTextFlags(p, r, m_caption, kTextCentredSingle);
        }
    });
    step([&] {
        p.setPen(m_leftColor);
        drawTextFlags(p, QRect(0, 0, w, h), m_leftCaption, kTextLeftSingle);
    });
    step([&] {
        p.setPen(m_rightColor);
        drawTextFlags(p, QRect(0, 0, w, h), m_rightCaption, kTextRightSingle);
    });
}

void GlossHCommand::drawFocus(QPainter &p, int w, int h) {
    const bool fixed = m_pictureMode == DefaultStyle;
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
    switch (m_focusStyle) {
    case GKHClassicIndent:
        if (fixed)
            drawFrame(p, 12, 2, 163, 30, FrameStyle::Etched);
        else
            drawFrame(p, hh, 2, w - hh, h - 2, FrameStyle::Etched);
        break;
    case GKHColorOutline:
    case GKHBoldColorOutline:
        if (fixed) {
            // The fixed figures of the 175 x 32 bar; the bold style draws them twice as wide.
            pen(m_focusColor, m_focusStyle == GKHBoldColorOutline ? 2 : 1);
            drawLineTo(p, 12, 1, 163, 1);
            drawLineTo(p, 12, 29, 163, 29);
            left(16, 15, 14);
            right(159, 15, 14);
        } else if (m_focusStyle == GKHColorOutline) {
            pen(m_focusColor, 1);
            drawLineTo(p, hh, 1, w - hh, 1);
            drawLineTo(p, hh, h - 2, w - hh, h - 2);
            left(hh, hh - 1, hh - 2);
            right(w - hh, hh - 1, hh - 2);
        } else {
            pen(m_focusColor, 2);
            drawLineTo(p, hh, 3, w - hh, 3);
            drawLineTo(p, hh, h - 3, w - hh, h - 3);
            left(hh, hh, hh - 3);
            right(w - hh, hh, hh - 3);
        }
        pen(m_focusColor, 1);
        break;
    case GKHRoundIndent: {
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

void GlossHCommand::drawRim(QPainter &p, int w, int h, const QColor &colour) {
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
