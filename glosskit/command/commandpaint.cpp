// GlossCommand drawing: the generated gradient, the face placed by PictureMode, the caption, the
// side pictures, the frames and the disabled face.

#include "../common/drawing.h"
#include "../common/resources.h"
#include "glosscommand_p.h"

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

void GlossCommandPrivate::BuildGradient(int gw, int gh) {
    if (gw < 1 || gh < 1)
        return;
    step([&] {
        // The hidden surface the ramp is drawn on; what no step covers keeps its face colour.
        QPixmap picture1(gw, gh);
        picture1.fill(systemColor(ButtonFace));
        QPainter p(&picture1);
        p.setRenderHint(QPainter::Antialiasing, false);
        QRgb colour = qRgb(0, 0, 0);
        const double s = isNarrow ? (gw - 3) / 255.0 : (gw - 2) / 255.0;
        for (int i = 0; i <= 255; ++i) {
            // A failed computation keeps the colour computed last.
            colour =
                GlossCommand::gradientColor(i, redDividend, greenDividend, blueDividend, colour);
            const double x1 = i - s + 2, x2 = i * s;
            if (isNarrow) {
                p.setPen(QPen(QColor(colour), 1));
                p.drawLine(QLineF(x1, 2, x2, gh));
            } else {
                const int a = int(std::lround(x1)), b = int(std::lround(x2));
                p.fillRect(QRect(QPoint(qMin(a, b), 2), QPoint(qMax(a, b), gh)), QColor(colour));
            }
        }
        p.end();
        gradientPicture = picture1;
    });
}

// RefreshCommand
void GlossCommand::draw() {
    Q_D(GlossCommand);
    d->drawSurface([&](QPainter &p) {
        const int w = d->clientWidth(), h = d->clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!isEnabled()) {
            step([&] { d->drawDisabled(p, w, h); });
            step([&] { d->drawCaption(p, w, h, false); });
            step([&] { drawFrame(p, 0, 0, w - 1, h - 1, FrameStyle::Raised); });
            return;
        }
        if (d->backPicture < GKSpiralRainbow || d->backPicture > GKCustomPicture)
            return; // no face of that number: nothing at all is drawn
        step([&] { d->drawFace(p, w, h); });
        step([&] { d->drawCaption(p, w, h, d->hasShadow); });
        step([&] { d->drawSideIcons(p, w, h); });
        step([&] {
            drawFrame(p, 0, 0, w - 1, h - 1,
                      d->isPressed ? FrameStyle::Sunken : FrameStyle::Raised);
        });
        if (d->hasFocus && d->showFocus)
            step([&] { drawFrame(p, 3, 3, w - 4, h - 4, FrameStyle::Etched); });
    });
}

void GlossCommandPrivate::drawPlaced(QPainter &p, const QPixmap &face, int w, int h,
                                     bool down) const {
    if (face.isNull())
        return;
    if (auto r = facePlace(pictureMode, w, h, face.size(), down))
        p.drawPixmap(*r, face);
}

void GlossCommandPrivate::drawFace(QPainter &p, int w, int h) const {
    const bool down = isPressed && pictureGoDown;
    if (backPicture == GlossCommand::GKPictureX1) {
        if (!gradientPicture.isNull())
            p.drawPixmap(down ? 2 : 0, down ? 2 : 0, gradientPicture);
    } else if (backPicture == GlossCommand::GKCustomPicture) {
        drawPlaced(p, pictureNormal.pixmap(), w, h, down);
    } else {
        // 9 asks for bitmap 110, which the library does not carry: no face.
        drawPlaced(p, resourceBitmap(101 + backPicture), w, h, down);
    }
}

void GlossCommandPrivate::drawCaption(QPainter &p, int w, int h, bool shadow) {
    p.setFont(q->font());
    const int flags = allowMultiLine ? kTextCentredLines : kTextCentredSingle;
    if (shadow) {
        drawingShadow = true;
        step([&] {
            QRect r = QRect(0, 0, w, h).translated(3, 3);
            if (allowMultiLine)
                r.setTop(adjustTop + 3);
            p.setPen(shadowColor);
            drawTextFlags(p, r, caption, flags);
        });
        drawingShadow = false;
    }
    QRect r(0, 0, w, h);
    if (allowMultiLine)
        r.setTop(adjustTop);
    p.setPen(oleToColor(foreColor));
    drawTextFlags(p, r, caption, flags);
}

void GlossCommandPrivate::drawSideIcons(QPainter &p, int w, int h) const {
    const int down = isPressed ? 2 : 0;
    if (sideIcon.hasImage()) {
        step([&] {
            p.drawPixmap(QPointF(5 + down, h / 2.0 - sideIconHeight / 2 + down), sideIcon.pixmap());
        });
    }
    if (rSideIcon.hasImage()) {
        step([&] {
            p.drawPixmap(
                QPointF(w - 5 - rSideIconWidth + down, h / 2.0 - rSideIconHeight / 2 + down),
                rSideIcon.pixmap());
        });
    }
}

void GlossCommandPrivate::drawDisabled(QPainter &p, int w, int h) const {
    const bool restModes =
        pictureMode >= GlossControl::DefaultStyle && pictureMode <= GlossControl::RescaleWhenNeeded;
    if (pictureDisabled.isNone()) {
        const QPixmap &face = resourceBitmap(601);
        if (restModes)
            drawPlaced(p, face, w, h, false);
        else if (pictureMode >= GlossControl::HalfSize &&
                 pictureMode <= GlossControl::OneAndHalfSize && !face.isNull())
            // Placed where a double-size face is centred, so it is given that size.
            p.drawPixmap(QRect(w / 2 - 250, h / 2 - 100, 500, 200), face);
    } else if (restModes) {
        drawPlaced(p, pictureDisabled.pixmap(), w, h, false);
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
