#pragma once

// The private part of GlossCommand, shared by its two source files.

#include "../common/glosscontrol_p.h"
#include "glosscommand.h"

namespace glosskit {

class GlossCommandPrivate : public GlossControlPrivate {
public:
    GlossCommandPrivate();
    void persist(Persist &io) override;

    // The client is at most 255 pixels wide (recomputed on load and resize).
    void measure();
    // Builds the gradient for the client size when BackPicture is 8.
    void rebuildGradientIfShown();
    void BuildGradient(int gw, int gh);

    void drawFace(QPainter &p, int w, int h) const;
    void drawPlaced(QPainter &p, const QPixmap &face, int w, int h, bool down) const;
    void drawCaption(QPainter &p, int w, int h, bool shadow);
    void drawSideIcons(QPainter &p, int w, int h) const;
    void drawDisabled(QPainter &p, int w, int h) const;

    bool hasShadow = false;
    QColor shadowColor = Qt::black;
    int hwnd = 0;
    GlossCommand::GKBackPics backPicture = GlossCommand::GKSpiralRainbow;
    double sideIconHeight = 32, rSideIconHeight = 32, rSideIconWidth = 32;
    double redDividend = 2, greenDividend = 2, blueDividend = 1;
    Picture sideIcon, rSideIcon;
    bool pictureGoDown = false;

    bool isNarrow = true;
    QPixmap gradientPicture;
};

} // namespace glosskit
