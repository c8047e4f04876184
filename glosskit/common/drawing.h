#pragma once

#include "glosskit_export.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace glosskit {

// Text output flags of the controls' captions (the values the controls store and combine).
enum TextFlags : int {
    TextCenter = 0x1,
    TextRight = 0x2,
    TextVCenter = 0x4,
    TextWordBreak = 0x10,
    TextSingleLine = 0x20,
    TextTabStop = 0x80,
};
// The combinations the controls use.
constexpr int kTextCentredLines = 145;  // centred, word-wrapped from the top
constexpr int kTextCentredSingle = 181; // one line, centred both ways
constexpr int kTextLeftLines = 144;     // left-aligned, word-wrapped from the top
constexpr int kTextLeftSingle = 180;    // one line, left-aligned, vertically centred
constexpr int kTextRightSingle = 182;   // one line, right-aligned, vertically centred

// Draws text into rect with the painter's font and pen, laid out by the flags above. A single
// line shows line breaks as spaces.
GLOSSKIT_EXPORT void drawTextFlags(QPainter &p, const QRect &rect, const QString &text, int flags);

// System colours by index (button shadow 16, button highlight 20, 3D dark shadow 21, 3D light 22,
// ...), resolved through the application palette.
enum SystemColorIndex : int {
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonText = 18,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
};
GLOSSKIT_EXPORT QColor systemColor(int index);

// A line that leaves out its end point, as the controls' line drawing always has: horizontal and
// vertical lines cover exactly the pixels from the start up to, not including, the end.
GLOSSKIT_EXPORT void drawLineTo(QPainter &p, int x1, int y1, int x2, int y2);

// Frames of two nested one-pixel rectangles around (x1, y1)-(x2, y2), eight lines each.
enum class FrameStyle { Raised, Sunken, Etched };
GLOSSKIT_EXPORT void drawFrame(QPainter &p, int x1, int y1, int x2, int y2, FrameStyle style);

// An arc of a circle outline; angles in radians counter-clockwise from the positive x axis, the
// arc running counter-clockwise from start to end.
GLOSSKIT_EXPORT void drawArc(QPainter &p, double cx, double cy, double r, double start, double end);

// A caption colour that reads on a face: white on a dark face, a dark ink on a light one, chosen
// by the contrast each keeps with the face's pixels in area (where a centred caption lies): the
// one whose median contrast is higher.
GLOSSKIT_EXPORT QColor readableCaptionColor(const QImage &face, const QRect &area);
// The ink of captions on light faces.
inline const QColor kCaptionInk(16, 24, 56);
// The contrast ratio of two colours (1 to 21), from their relative luminances.
GLOSSKIT_EXPORT double contrastRatio(const QColor &a, const QColor &b);

// The two end arcs of the bar shapes.
constexpr double kLeftArcStart = 1.448581, kLeftArcEnd = 4.834420;
constexpr double kRightArcStart = 4.555175, kRightArcEnd = 1.727825;

} // namespace glosskit
