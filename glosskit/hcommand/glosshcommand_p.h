#pragma once

// The private part of GlossHCommand, shared by its two source files.

#include "../common/glosscontrol_p.h"
#include "glosshcommand.h"

namespace glosskit {

class GlossHCommandPrivate : public GlossControlPrivate {
public:
    GlossHCommandPrivate();
    void persist(Persist &io) override;

    // The custom face for the state (GlossStyle 8).
    const Picture *customFace() const;
    void drawFace(QPainter &p, int w, int h) const;
    void drawCaptions(QPainter &p, int w, int h) const;
    void drawFocus(QPainter &p, int w, int h) const;
    static void drawRim(QPainter &p, int w, int h, const QColor &colour);

    GlossHCommand::GKHCommandTypes glossStyle = GlossHCommand::GKCyanWater;
    GlossHCommand::GKHShineModes shineMode = GlossHCommand::GKHWhiteShine;
    GlossHCommand::GKHCommandFocusStyles focusStyle = GlossHCommand::GKHClassicIndent;
    QColor leftColor = Qt::black, rightColor = Qt::black;
    QString leftCaption, rightCaption;

    // The shine: 0 idle, 1 rising, 2 falling, 32 finishing; the level 0-255 and the colour drawn
    // last.
    short shinePhase = 0;
    short shineLevel = 0;
    QColor shineColor = Qt::black;
};

} // namespace glosskit
