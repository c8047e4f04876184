// GlossCommand drawing: the generated gradient, the face placed by PictureMode, the caption, the
// side pictures, the frames and the disabled face.

#include "../common/drawing.h"
#include "../common/resources.h"
#include "glosscommand.h"

#include <cmath>
#include <optional>

namespace glosskit {

namespace {

// Where a face goes for a picture mode, at rest or shifted down; nothing for modes without a
// face. The numbers belong to the 250 x 100 face, whatever the picture's real size.
std::optional<QRect> facePlace(int mode, int w, int h, QSize own, bool down) {
    const int d = down ? 2 : 0;
    switch (mode) {
    case GlossControl::DefaultStyle:
        return QRect(QPoint(w / 2 - 125 + d, h / 2 - 50 + d), own);
    case GlossControl::RescaleToEdges:
        return QRect(d, d, w, h);
    case GlossControl::RescaleWhenNeeded: {
        const int x = w >= 250 ? d : w / 2 - 125 + d;
        const int y = h >= 100 ? d : h / 2 - 50 + d;
        return QRect(x, y, qMax(w, 250), qMax(h, 100));
    }
    case GlossControl::HalfSize:
        return QRect(w / 2 - 67 + d, h / 2 - 25 + d, 125, 50);
    case GlossControl::DoubleSize:
        return QRect(w / 2 - 250 + d, h / 2 - 100 + d, 500, 200);
    default:
        return std::nullopt;
    }
}

} // namespace

QRgb GlossCommand::gradientColor(int i, double red, double green, double blue, QRgb previous) {
    int c[3];
    const double div[3] = {red, green, blue};
    for (int k = 0; k < 3; ++k) {
        if (div[k] == 0 || !std::isfinite(div[k]))
            return previous;
        // Nearest integer, halves to even (the default rounding mode).
        const double v = std::nearbyint(double(i) / div[k]);
        if (!std::isfinite(v) || v < 0)
            return previous;
        c[k] = v > 255 ? 255 : int(v);
    }
    return qRgb(c[0], c[1], c[2]);
}

void GlossCommand::rebuildGradientIfShown() {
    // The size may have changed before the control heard of it (a hidden control learns of its
    // size only when shown).
    m_isNarrow = clientWidth() <= 255;
    if (m_backPicture == GKPictureX1)
        BuildGradient(clientWidth() - 2, clientHeight() - 2);
}

void GlossCommand::BuildGradient(int gw, int gh) {
    if (gw < 1 || gh < 1)
        return;
    step([&] {
        // The hidden surface the ramp is drawn on; what no step covers keeps its face colour.
        QPixmap picture1(gw, gh);
        picture1.fill(systemColor(ButtonFace));
        QPainter p(&picture1);
        p.setRenderHint(QPainter::Antialiasing, false);
        QRgb colour = qRgb(0, 0, 0);
        const double s = m_isNarrow ? (gw - 3) / 255.0 : (gw - 2) / 255.0;
        for (int i = 0; i <= 255; ++i) {
            // A failed computation keeps the colour computed last.
            colour = gradientColor(i, m_redDividend, m_greenDividend, m_blueDividend, colour);
            const double x1 = i - s + 2, x2 = i * s;
            if (m_isNarrow) {
                p.setPen(QPen(QColor(colour), 1));
                p.drawLine(QLineF(x1, 2, x2, gh));
            } else {
                const int a = int(std::lround(x1)), b = int(std::lround(x2));
                p.fillRect(QRect(QPoint(qMin(a, b), 2), QPoint(qMax(a, b), gh)), QColor(colour));
            }
        }
        p.end();
        m_gradientPicture = picture1;
        m_gradientSize = QSize(gw, gh);
    });
}

void GlossCommand::RefreshCommand() {
    drawSurface([&](QPainter &p) {
        const int w = clientWidth(), h = clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!isEnabled()) {
            step([&] { drawDisabled(p, w, h); });
            step([&] { drawCaption(p, w, h, false); });
            step([&] { drawFrame(p, 0, 0, w - 1, h - 1, FrameStyle::Raised); });
            return;
        }
        if (m_backPicture < GKSpiralRainbow || m_backPicture > GKCustomPicture)
            return; // no face of that number: nothing at all is drawn
        step([&] { drawFace(p, w, h); });
        step([&] { drawCaption(p, w, h, m_hasShadow); });
        step([&] { drawSideIcons(p, w, h); });
        step([&] {
            drawFrame(p, 0, 0, w - 1, h - 1, m_isPressed ? FrameStyle::Sunken : FrameStyle::Raised);
        });
        if (m_hasFocus && m_showFocus)
            step([&] { drawFrame(p, 3, 3, w - 4, h - 4, FrameStyle::Etched); });
    });
}

void GlossCommand::drawPlaced(QPainter &p, const QPixmap &face, int w, int h, bool down) {
    if (face.isNull())
        return;
    if (auto r = facePlace(m_pictureMode, w, h, face.size(), down))
        p.drawPixmap(*r, face);
}

void GlossCommand::drawFace(QPainter &p, int w, int h) {
    const bool down = m_isPressed && m_pictureGoDown;
    if (m_backPicture == GKPictureX1) {
        if (!m_gradientPicture.isNull())
            p.drawPixmap(down ? 2 : 0, down ? 2 : 0, m_gradientPicture);
    } else if (m_backPicture == GKCustomPicture) {
        drawPlaced(p, m_pictureNormal.pixmap(), w, h, down);
    } else {
        // 9 asks for bitmap 110, which the library does not carry: no face.
        drawPlaced(p, resourceBitmap(101 + m_backPicture), w, h, down);
    }
}

void GlossCommand::drawCaption(QPainter &p, int w, int h, bool shadow) {
    p.setFont(font());
    const int flags = m_allowMultiLine ? kTextCentredLines : kTextCentredSingle;
    if (shadow) {
        m_drawingShadow = true;
        step([&] {
            QRect r = QRect(0, 0, w, h).translated(3, 3);
            if (m_allowMultiLine)
                r.setTop(m_adjustTop + 3);
            p.setPen(m_shadowColor);
            drawTextFlags(p, r, m_caption, flags);
        });
        m_drawingShadow = false;
    }
    QRect r(0, 0, w, h);
    if (m_allowMultiLine)
        r.setTop(m_adjustTop);
    p.setPen(oleToColor(m_foreColor));
    drawTextFlags(p, r, m_caption, flags);
}

void GlossCommand::drawSideIcons(QPainter &p, int w, int h) {
    const int d = m_isPressed ? 2 : 0;
    if (m_sideIcon.hasImage()) {
        step([&] {
            p.drawPixmap(QPointF(5 + d, h / 2.0 - m_sideIconHeight / 2 + d), m_sideIcon.pixmap());
        });
    }
    if (m_rSideIcon.hasImage()) {
        step([&] {
            p.drawPixmap(QPointF(w - 5 - m_rSideIconWidth + d, h / 2.0 - m_rSideIconHeight / 2 + d),
                         m_rSideIcon.pixmap());
        });
    }
}

void GlossCommand::drawDisabled(QPainter &p, int w, int h) {
    const bool restModes = m_pictureMode >= DefaultStyle && m_pictureMode <= RescaleWhenNeeded;
    if (m_pictureDisabled.isNone()) {
        const QPixmap &face = resourceBitmap(601);
        if (restModes)
            drawPlaced(p, face, w, h, false);
        else if (m_pictureMode >= HalfSize && m_pictureMode <= OneAndHalfSize && !face.isNull())
            // Placed where a double-size face is centred, so it is given that size.
            p.drawPixmap(QRect(w / 2 - 250, h / 2 - 100, 500, 200), face);
    } else if (restModes) {
        drawPlaced(p, m_pictureDisabled.pixmap(), w, h, false);
    }
}

QColor GlossCommand::captionColorFor(int backPicture) {
    if (backPicture < GKSpiralRainbow || backPicture > GKLollipopLand)
        return Qt::white;
    const QImage face = resourceBitmap(101 + backPicture).toImage();
    // A centred caption lies across the middle of the face.
    return readableCaptionColor(
        face, QRect(face.width() / 4, face.height() * 2 / 5, face.width() / 2, face.height() / 5));
}

} // namespace glosskit
