#include "scopegraph.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace zr::scope {

namespace {
constexpr int kLeftMargin = 44;
constexpr int kRightMargin = 50;
constexpr int kTopMargin = 8;
constexpr int kBottomMargin = 30;
constexpr int kGrabDistance = 6; // pixels around a cursor line that pick it up
const QColor kBackground(0, 0, 0);
const QColor kGrid(0, 70, 0);
const QColor kTraceColour(255, 255, 0);
const QColor kCursorColour(255, 60, 60);
const QColor kLevelColour(0, 200, 255);
const QColor kAxisText(220, 220, 220);
} // namespace

ScopeGraph::ScopeGraph(QWidget *parent) : QWidget(parent) {
    axes_[XAxis] = {QStringLiteral("XAxis"), QStringLiteral("mSec"), 0, 200};
    axes_[YAxis1] = {QStringLiteral("YAxis-1"), QString(), 0, 255};
    axes_[YAxis2] = {QStringLiteral("YAxis-2"), QStringLiteral("Volt"), -11.42, 11.42};
    cursors_[Cursor1] = {QStringLiteral("Cursor-1"), 0, 127, false, true};
    cursors_[Cursor2] = {QStringLiteral("Cursor-2"), 0, 127, false, true};
    cursors_[Cursor3] = {QStringLiteral("Cursor-3"), 0, 127, false, false};
    trace_.setCapacity(200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    // Charted samples are shown at the screen's rate, not at the rate they arrive.
    repaint_ = new QTimer(this);
    repaint_->setSingleShot(true);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    repaint_->setInterval(static_cast<int>(1000 / hz));
    connect(repaint_, &QTimer::timeout, this, [this] {
        if (dirty_)
            update();
        dirty_ = false;
    });
}

void ScopeGraph::setAxisRange(int axis, double minimum, double maximum) {
    Axis &a = axes_[axisIndex(axis)];
    a.minimum = minimum;
    a.maximum = maximum;
    if (axis == XAxis) // the plot keeps one screen
        trace_.setCapacity(static_cast<qsizetype>(std::ceil(maximum - minimum)));
    update();
}

void ScopeGraph::setCursorVisible(int cursor, bool on) {
    cursors_[cursorIndex(cursor)].visible = on;
    update();
}

void ScopeGraph::setCursorPosition(int cursor, double x, double y) {
    Cursor &c = cursors_[cursorIndex(cursor)];
    c.x = x;
    c.y = y;
    update();
}

void ScopeGraph::chart(const QByteArray &samples) {
    trace_.append(samples);
    scheduleRepaint();
}

void ScopeGraph::clearData() {
    trace_.clear();
    scheduleRepaint();
}

void ScopeGraph::scheduleRepaint() {
    dirty_ = true;
    if (!repaint_->isActive())
        repaint_->start();
}

QRect ScopeGraph::plotRect() const {
    return rect().adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

double ScopeGraph::toPixelX(double x, const QRectF &r) const {
    const Axis &a = axes_[XAxis];
    const double span = a.maximum - a.minimum;
    return r.left() + (span > 0 ? (x - a.minimum) / span : 0) * r.width();
}

double ScopeGraph::toPixelY(double y, const QRectF &r) const {
    const Axis &a = axes_[YAxis1];
    const double span = a.maximum - a.minimum;
    return r.bottom() - (span > 0 ? (y - a.minimum) / span : 0) * r.height();
}

void ScopeGraph::drawTrace(QPainter &painter, const QRectF &r) const {
    const qsizetype n = trace_.size();
    if (n == 0 || r.width() < 1)
        return;
    const Axis &x = axes_[XAxis];
    const double span = x.maximum - x.minimum;
    const int columns = static_cast<int>(r.width());
    QPolygonF line;
    if (n <= 2 * columns || span <= 2.0 * columns) {
        // Few samples: every one is a point of the line.
        line.reserve(n);
        for (qsizetype i = 0; i < n; ++i)
            line.append({toPixelX(static_cast<double>(i), r), toPixelY(trace_.at(i), r)});
    } else {
        // Many: the lowest and highest of each pixel column, so a lone spike still shows. The
        // columns are fixed to the sample numbers, not to the left edge: while the ring scrolls
        // each column keeps its samples and the picture slides, instead of every column
        // changing a little at each frame.
        const double per = span / columns;
        const double number = static_cast<double>(trace_.oldestNumber());
        const double phase = std::fmod(number, per);
        const auto parity = static_cast<qint64>(std::floor(number / per));
        const auto ranges = trace_.columns(x.minimum - phase, span + per, columns + 1);
        line.reserve(2 * (columns + 1));
        for (int c = 0; c <= columns; ++c) {
            const ColumnRange &cr = ranges[static_cast<size_t>(c)];
            if (cr.count == 0)
                continue;
            const double px = r.left() + c + 0.5 - phase / per;
            const double lo = toPixelY(cr.low, r);
            const double hi = toPixelY(cr.high, r);
            const bool up = (c + parity) % 2 == 0;
            line.append({px, up ? lo : hi});
            line.append({px, up ? hi : lo});
        }
    }
    painter.setPen(QPen(kTraceColour, 0));
    painter.drawPolyline(line);
}

void ScopeGraph::drawAxes(QPainter &p, const QRect &r) const {
    p.setPen(kGrid);
    for (int i = 0; i <= 10; ++i) {
        const int x = r.left() + r.width() * i / 10;
        p.drawLine(x, r.top(), x, r.bottom());
    }
    for (int i = 0; i <= 8; ++i) {
        const int y = r.top() + r.height() * i / 8;
        p.drawLine(r.left(), y, r.right(), y);
    }
    p.setPen(kAxisText);
    QFont f = font();
    f.setPointSizeF(7);
    p.setFont(f);
    const auto number = [](double v) { return QString::number(v, 'f', std::abs(v) < 100 ? 2 : 0); };
    const Axis &xa = axes_[XAxis];
    for (int i = 0; i <= 10; i += 2) {
        const int x = r.left() + r.width() * i / 10;
        const double v = xa.minimum + (xa.maximum - xa.minimum) * i / 10;
        p.drawText(QRect(x - 30, r.bottom() + 2, 60, 12), Qt::AlignCenter, number(v));
    }
    p.drawText(QRect(r.left(), r.bottom() + 15, r.width(), 13), Qt::AlignCenter, xa.caption);
    for (int i = 0; i <= 8; i += 2) {
        const int y = r.bottom() - r.height() * i / 8;
        const Axis &y1 = axes_[YAxis1];
        const Axis &y2 = axes_[YAxis2];
        p.drawText(QRect(0, y - 6, kLeftMargin - 3, 12), Qt::AlignRight | Qt::AlignVCenter,
                   number(y1.minimum + (y1.maximum - y1.minimum) * i / 8));
        p.drawText(QRect(r.right() + 3, y - 6, kRightMargin - 3, 12),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   number(y2.minimum + (y2.maximum - y2.minimum) * i / 8));
    }
    p.save();
    p.translate(width() - 6, r.center().y());
    p.rotate(90);
    p.drawText(QRect(-30, -6, 60, 12), Qt::AlignCenter, axes_[YAxis2].caption);
    p.restore();
}

void ScopeGraph::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 40, 40));
    const QRect r = plotRect();
    p.fillRect(r, kBackground);
    drawAxes(p, r);
    p.save();
    p.setClipRect(r);
    drawTrace(p, r);
    for (int c = Cursor1; c <= Cursor3; ++c) {
        const Cursor &cur = cursors_[static_cast<size_t>(c)];
        if (!cur.visible)
            continue;
        const double py = toPixelY(cur.y, r);
        if (cur.crosshair) {
            const double px = toPixelX(cur.x, r);
            p.setPen(QPen(kCursorColour, 1, Qt::DashLine));
            p.drawLine(QPointF(px, r.top()), QPointF(px, r.bottom()));
            p.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
            p.drawText(QPointF(px + 3, r.top() + 12), QString::number(c + 1));
        } else {
            p.setPen(QPen(kLevelColour, 1, Qt::DotLine));
            p.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
            p.drawText(QPointF(r.left() + 3, py - 3), QStringLiteral("T"));
        }
    }
    p.restore();
    p.setPen(QColor(120, 120, 120));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void ScopeGraph::placeCursorAt(int cursor, QPointF at) {
    const QRectF r = plotRect();
    const Axis &xa = axes_[XAxis];
    const Axis &ya = axes_[YAxis1];
    const double px = std::clamp(at.x(), r.left(), r.right());
    const double py = std::clamp(at.y(), r.top(), r.bottom());
    Cursor &c = cursors_[cursorIndex(cursor)];
    const double x =
        c.crosshair ? xa.minimum + (px - r.left()) / r.width() * (xa.maximum - xa.minimum) : c.x;
    const double y = ya.minimum + (r.bottom() - py) / r.height() * (ya.maximum - ya.minimum);
    setCursorPosition(cursor, x, y);
    emit CursorChange(cursor);
}

void ScopeGraph::mousePressEvent(QMouseEvent *event) {
    emit PlotAreaMouseDown();
    const QRectF r = plotRect();
    const QPointF at = event->position();
    dragging_ = -1;
    double best = kGrabDistance + 1;
    for (int c = Cursor1; c <= Cursor3; ++c) {
        const Cursor &cur = cursors_[static_cast<size_t>(c)];
        if (!cur.visible)
            continue;
        double d = std::abs(at.y() - toPixelY(cur.y, r));
        if (cur.crosshair)
            d = std::min(d, std::abs(at.x() - toPixelX(cur.x, r)));
        if (d < best) {
            best = d;
            dragging_ = c;
        }
    }
}

void ScopeGraph::mouseMoveEvent(QMouseEvent *event) {
    if (dragging_ >= 0)
        placeCursorAt(dragging_, event->position());
}

void ScopeGraph::mouseReleaseEvent(QMouseEvent *event) {
    if (dragging_ >= 0)
        placeCursorAt(dragging_, event->position());
    dragging_ = -1;
}

} // namespace zr::scope
