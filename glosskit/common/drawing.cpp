#include "drawing.h"
#include "propertybag.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace glosskit {

void drawTextFlags(QPainter &p, const QRect &rect, const QString &text, int flags) {
    if (text.isEmpty() || rect.width() <= 0)
        return;
    int qt = 0;
    if (flags & TextRight)
        qt |= Qt::AlignRight;
    else if (flags & TextCenter)
        qt |= Qt::AlignHCenter;
    else
        qt |= Qt::AlignLeft;
    if (flags & TextSingleLine) {
        qt |= Qt::TextSingleLine;
        qt |= (flags & TextVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    } else {
        qt |= Qt::AlignTop;
        if (flags & TextWordBreak)
            qt |= Qt::TextWordWrap;
    }
    // Text may run past the bottom of the rectangle; it is clipped by the surface only.
    QRect r = rect;
    if (!(flags & TextSingleLine))
        r.setBottom(qMax(r.bottom(), r.top() + 10000));
    p.drawText(r, qt | Qt::TextExpandTabs, text);
}

QColor systemColor(int index) {
    return oleToColor(0x80000000u | quint32(index & 0xFF));
}

void drawLineTo(QPainter &p, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2)
        return;
    if (y1 == y2) {
        const int last = x2 > x1 ? x2 - 1 : x2 + 1;
        p.drawLine(x1, y1, last, y1);
    } else if (x1 == x2) {
        const int last = y2 > y1 ? y2 - 1 : y2 + 1;
        p.drawLine(x1, y1, x1, last);
    } else {
        p.drawLine(QLineF(x1, y1, x2, y2));
    }
}

void drawFrame(QPainter &p, int x1, int y1, int x2, int y2, FrameStyle style) {
    int outerLT = ButtonHighlight, innerLT = Light3D, outerRB = DarkShadow3D,
        innerRB = ButtonShadow;
    if (style == FrameStyle::Sunken) {
        outerLT = DarkShadow3D;
        innerLT = ButtonShadow;
        outerRB = ButtonHighlight;
        innerRB = Light3D;
    } else if (style == FrameStyle::Etched) {
        outerLT = ButtonShadow;
        innerLT = ButtonHighlight;
        outerRB = ButtonHighlight;
        innerRB = ButtonShadow;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    auto line = [&](int colour, int ax, int ay, int bx, int by) {
        p.setPen(QPen(systemColor(colour), 1));
        drawLineTo(p, ax, ay, bx, by);
    };
    line(outerLT, x1, y1, x1, y2);
    line(innerLT, x1 + 1, y1 + 1, x1 + 1, y2 - 1);
    line(outerLT, x1, y1, x2, y1);
    line(innerLT, x1 + 1, y1 + 1, x2 - 1, y1 + 1);
    line(outerRB, x2, y2, x1 - 1, y2);
    line(innerRB, x2 - 1, y2 - 1, x1, y2 - 1);
    line(outerRB, x2, y2, x2, y1 - 1);
    line(innerRB, x2 - 1, y2 - 1, x2 - 1, y1);
    p.restore();
}

void drawArc(QPainter &p, double cx, double cy, double r, double start, double end) {
    if (r <= 0)
        return;
    constexpr double twoPi = 6.283185307179586;
    double span = end - start;
    while (span <= 0)
        span += twoPi;
    const double deg = 180.0 / 3.141592653589793;
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    p.drawArc(box, int(std::lround(start * deg * 16)), int(std::lround(span * deg * 16)));
}

namespace {
double channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(const QColor &c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableCaptionColor(const QImage &face, const QRect &area) {
    const QRect r = area.intersected(face.rect());
    if (r.isEmpty())
        return Qt::white;
    std::vector<double> onWhite, onInk;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = face.pixelColor(x, y);
            onWhite.push_back(contrastRatio(c, Qt::white));
            onInk.push_back(contrastRatio(c, kCaptionInk));
        }
    const auto median = [](std::vector<double> &v) {
        auto q = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
        std::nth_element(v.begin(), q, v.end());
        return *q;
    };
    return median(onInk) > median(onWhite) ? kCaptionInk : QColor(Qt::white);
}

} // namespace glosskit
