#include "scopegraph.h"

#include "scopescales.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstring>
#include <vector>

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
constexpr double kAxisTextPoints = 8;
} // namespace

ScopeGraph::ScopeGraph(QWidget *parent) : QWidget(parent) {
    axes_[XAxis] = {QString(), 0, 200};
    axes_[YAxis1] = {QString(), 0, 255};
    axes_[YAxis2] = {QStringLiteral("Volt"), -11.42, 11.42};
    cursors_[Cursor1] = {0, 127, false, true};
    cursors_[Cursor2] = {0, 127, false, true};
    cursors_[Cursor3] = {0, 127, false, false};
    trace_.setCapacity(200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    // Charted samples are shown at the screen's rate (at most 50 frames a second), not at the
    // rate they arrive. The timer beats while samples keep coming and stops at the first beat
    // that finds none.
    repaint_ = new QTimer(this);
    repaint_->setTimerType(Qt::PreciseTimer);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    repaint_->setInterval(std::max(1000 / kMaxRedrawsPerSecond, static_cast<int>(1000 / hz)));
    connect(repaint_, &QTimer::timeout, this, [this] {
        if (dirty_)
            update(plotRect()); // the axes around the plot stay as they are
        else
            repaint_->stop();
        dirty_ = false;
    });
}

void ScopeGraph::setAxisRange(int axis, double minimum, double maximum) {
    Axis &a = axes_[axisIndex(axis)];
    a.minimum = minimum;
    a.maximum = maximum;
    if (axis == XAxis) // the plot keeps one screen
        trace_.setCapacity(static_cast<qsizetype>(std::ceil(maximum - minimum)));
    backgroundDirty_ = true;
    update();
}

QString ScopeGraph::axisCaption(int axis) const {
    if (axis == XAxis)
        return QLatin1String(TimeUnitFor(axes_[XAxis].maximum - axes_[XAxis].minimum).name);
    return axes_[axisIndex(axis)].caption;
}

QStringList ScopeGraph::tickLabels(int axis) const {
    const Axis &a = axes_[axisIndex(axis)];
    if (axis == XAxis) {
        const TimeUnit u = TimeUnitFor(a.maximum - a.minimum);
        return TickLabels(SampleTime(a.minimum, u), SampleTime(a.maximum, u), 5);
    }
    return TickLabels(a.minimum, a.maximum, 4);
}

void ScopeGraph::setStatus(const QString &text, const QColor &colour) {
    if (text == status_ && colour == statusColour_)
        return;
    status_ = text;
    statusColour_ = colour;
    update();
}

void ScopeGraph::setTriggerLevel(bool inUse, double level) {
    if (inUse == levelInUse_ && level == level_)
        return;
    levelInUse_ = inUse;
    level_ = level;
    update();
}

ScopeGraph::LevelSide ScopeGraph::triggerLevelSide() const {
    const Axis &a = axes_[YAxis1];
    if (level_ > a.maximum)
        return LevelAbove;
    if (level_ < a.minimum)
        return LevelBelow;
    return LevelInside;
}

QRectF ScopeGraph::triggerMarkerRect() const {
    if (!levelInUse_)
        return {};
    const QRectF r = plotRect();
    const double y = std::clamp(toPixelY(level_, r), r.top() + 7, r.bottom() - 7);
    return {r.right() - 15, y - 7, 15, 14};
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

QList<QRect> ScopeGraph::traceSpans(const QRectF &r, QPolygonF *line) const {
    const qsizetype n = trace_.size();
    if (n == 0 || r.width() < 1)
        return {};
    const Axis &x = axes_[XAxis];
    const double span = x.maximum - x.minimum;
    const int columns = static_cast<int>(r.width());
    if (n <= columns || span <= columns) {
        // Few samples: every one is a point of the line.
        line->reserve(n);
        for (qsizetype i = 0; i < n; ++i)
            line->append({toPixelX(static_cast<double>(i), r), toPixelY(trace_.at(i), r)});
        return {};
    }
    {
        // Many: the lowest and highest of each pixel column, so a lone spike still shows. Column
        // k holds the samples numbered ceil(k per) up to ceil((k + 1) per): while the ring
        // scrolls each column keeps its samples and the picture slides, instead of every column
        // changing a little at each frame; and a column summed once is kept until it leaves.
        const double per = span / columns;
        if (cache_.per != per || cache_.generation != trace_.generation()) {
            cache_ = ColumnCache{};
            cache_.per = per;
            cache_.generation = trace_.generation();
        }
        const qint64 oldest = trace_.oldestNumber();
        const auto firstColumn = static_cast<qint64>(std::floor(static_cast<double>(oldest) / per));
        const auto lastColumn =
            static_cast<qint64>(std::floor(static_cast<double>(oldest + n - 1) / per));
        while (!cache_.columns.empty() && cache_.first < firstColumn) {
            cache_.columns.pop_front();
            cache_.complete.pop_front();
            ++cache_.first;
        }
        // Each column is drawn as one vertical span from its highest to its lowest sample, and
        // reaches over to the next column's span where the two do not meet, so that the trace
        // stays one line; filled spans cost far less than the lines of a polyline.
        struct Span {
            double x, top, bottom;
        };
        std::vector<Span> spans;
        spans.reserve(static_cast<size_t>(lastColumn - firstColumn + 1));
        for (qint64 k = firstColumn; k <= lastColumn; ++k) {
            const ColumnRange cr = cachedColumn(k, per);
            if (cr.count == 0)
                continue;
            const double left = r.left() + (static_cast<double>(k) * per - oldest) / per;
            spans.push_back(
                {left, std::floor(toPixelY(cr.high, r)), std::floor(toPixelY(cr.low, r)) + 1});
        }
        QList<QRect> rects; // whole pixels
        rects.reserve(static_cast<qsizetype>(spans.size()));
        for (size_t i = 0; i < spans.size(); ++i) {
            Span s = spans[i];
            if (i + 1 < spans.size()) {
                s.top = std::min(s.top, spans[i + 1].bottom - 1);
                s.bottom = std::max(s.bottom, spans[i + 1].top + 1);
            }
            rects.append(QRect(static_cast<int>(std::floor(s.x + 0.5)), static_cast<int>(s.top), 1,
                               static_cast<int>(s.bottom - s.top)));
        }
        return rects;
    }
}

namespace {
// The trace with the painter: its columns where there are any, else the line through the samples.
void paintTrace(QPainter &painter, const QList<QRect> &spans, const QPolygonF &line) {
    if (!spans.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTraceColour);
        painter.drawRects(spans);
    } else {
        painter.setPen(QPen(kTraceColour, 0));
        painter.drawPolyline(line);
    }
}
} // namespace

void ScopeGraph::drawTrace(QPainter &painter, const QRectF &r) const {
    QPolygonF line;
    const QList<QRect> spans = traceSpans(r, &line);
    painter.save();
    paintTrace(painter, spans, line);
    painter.restore();
}

ColumnRange ScopeGraph::cachedColumn(qint64 k, double per) const {
    if (cache_.columns.empty() || k < cache_.first ||
        k > cache_.first + static_cast<qint64>(cache_.columns.size())) {
        cache_.columns.clear();
        cache_.complete.clear();
        cache_.first = k;
    }
    const qint64 oldest = trace_.oldestNumber();
    const auto a = static_cast<qint64>(std::ceil(static_cast<double>(k) * per));
    const auto b = static_cast<qint64>(std::ceil(static_cast<double>(k + 1) * per));
    // A column the ring has begun to drop shows only what is left of it.
    const auto at = static_cast<size_t>(k - cache_.first);
    if (at < cache_.columns.size() && cache_.complete[at] && a >= oldest)
        return cache_.columns[at];
    const ColumnRange cr = trace_.range(a - oldest, b - a);
    const bool whole = a >= oldest && b <= oldest + trace_.size();
    if (at == cache_.columns.size()) {
        cache_.columns.push_back(cr);
        cache_.complete.push_back(whole);
    } else {
        cache_.columns[at] = cr;
        cache_.complete[at] = whole;
    }
    return cr;
}

void ScopeGraph::drawBackground() {
    const qreal dpr = devicePixelRatioF();
    background_ = QImage(size() * dpr, QImage::Format_RGB32);
    background_.setDevicePixelRatio(dpr);
    QPainter p(&background_);
    p.fillRect(rect(), QColor(40, 40, 40));
    const QRect r = plotRect();
    p.fillRect(r, kBackground);
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
    f.setPointSizeF(kAxisTextPoints);
    p.setFont(f);
    const QStringList x = tickLabels(XAxis);
    for (int i = 0; i < x.size(); ++i) {
        const int px = r.left() + r.width() * i / 5;
        p.drawText(QRect(px - 30, r.bottom() + 2, 60, 13), Qt::AlignCenter, x.at(i));
    }
    p.drawText(QRect(r.left(), r.bottom() + 15, r.width(), 14), Qt::AlignCenter,
               axisCaption(XAxis));
    const QStringList y1 = tickLabels(YAxis1);
    const QStringList y2 = tickLabels(YAxis2);
    for (int i = 0; i < y1.size(); ++i) {
        const int y = r.bottom() - r.height() * i / 4;
        p.drawText(QRect(0, y - 7, kLeftMargin - 3, 14), Qt::AlignRight | Qt::AlignVCenter,
                   y1.at(i));
        p.drawText(QRect(r.right() + 3, y - 7, kRightMargin - 3, 14),
                   Qt::AlignLeft | Qt::AlignVCenter, y2.value(i));
    }
    p.save();
    p.translate(width() - 6, r.center().y());
    p.rotate(90);
    p.drawText(QRect(-30, -7, 60, 14), Qt::AlignCenter, axes_[YAxis2].caption);
    p.restore();
    p.setPen(QColor(120, 120, 120));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    backgroundDirty_ = false;
}

void ScopeGraph::resizeEvent(QResizeEvent *) {
    backgroundDirty_ = true;
}

void ScopeGraph::changeEvent(QEvent *e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange)
        backgroundDirty_ = true;
    QWidget::changeEvent(e);
}

void ScopeGraph::drawCursors(QPainter &p, const QRectF &r) const {
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
}

void ScopeGraph::drawStatus(QPainter &p, const QRectF &r) const {
    if (status_.isEmpty())
        return;
    const QFontMetricsF fm(p.font());
    const QRectF box(r.left() + 4, r.top() + 4, fm.horizontalAdvance(status_) + 10,
                     fm.height() + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(statusColour_);
    p.drawText(box, Qt::AlignCenter, status_);
}

// A pennant on the right edge pointing at the level, with a rising edge in it; beyond the screen
// it sits on the top or bottom edge and points up or down.
void ScopeGraph::drawTriggerMarker(QPainter &p) const {
    if (!levelInUse_)
        return;
    const QRectF m = triggerMarkerRect();
    const LevelSide side = triggerLevelSide();
    QPolygonF shape;
    if (side == LevelInside)
        shape << QPointF(m.left(), m.center().y()) << QPointF(m.left() + 5, m.top()) << m.topRight()
              << m.bottomRight() << QPointF(m.left() + 5, m.bottom());
    else if (side == LevelAbove)
        shape << QPointF(m.center().x(), m.top()) << m.bottomRight() << m.bottomLeft();
    else
        shape << QPointF(m.center().x(), m.bottom()) << m.topLeft() << m.topRight();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kLevelColour);
    p.drawPolygon(shape);
    // The rising edge: low, up, high.
    const double cx = side == LevelInside ? m.left() + 9 : m.center().x();
    const double cy =
        side == LevelAbove ? m.bottom() - 4 : (side == LevelBelow ? m.top() + 4 : m.center().y());
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(cx - 3, cy + 2.5), QPointF(cx, cy + 2.5),
                              QPointF(cx, cy - 2.5), QPointF(cx + 3, cy - 2.5)}));
}

void ScopeGraph::paintEvent(QPaintEvent *event) {
    if (backgroundDirty_ || background_.size() != size() * devicePixelRatioF())
        drawBackground();
    QPainter p(this);
    const QRect dirty = event->rect();
    const QRect r = plotRect();
    const qreal dpr = background_.devicePixelRatio();
    QPolygonF line;
    const QList<QRect> spans = traceSpans(r, &line);
    const bool direct = !spans.isEmpty() && dpr == 1;
    if (!direct || !r.contains(dirty))
        p.drawImage(
            dirty, background_,
            QRectF(dirty.x() * dpr, dirty.y() * dpr, dirty.width() * dpr, dirty.height() * dpr));
    QFont f = font();
    f.setPointSizeF(kAxisTextPoints);
    p.setFont(f);
    p.save();
    p.setClipRect(r);
    if (direct) {
        // A column of single pixels is the slowest thing a painter fills: the spans are written
        // straight into a copy of the plot's background.
        if (frame_.size() != r.size())
            frame_ = QImage(r.size(), QImage::Format_RGB32);
        uchar *bits = frame_.bits();
        const qsizetype stride = frame_.bytesPerLine();
        const auto rowBytes = static_cast<size_t>(r.width()) * sizeof(QRgb);
        for (int y = 0; y < r.height(); ++y)
            std::memcpy(bits + y * stride,
                        background_.constScanLine(r.top() + y) + r.left() * int(sizeof(QRgb)),
                        rowBytes);
        const QRgb colour = kTraceColour.rgb();
        for (const QRect &span : spans) {
            const QRect c = span.intersected(r);
            if (c.isEmpty())
                continue;
            uchar *at = bits + (c.top() - r.top()) * stride + (c.left() - r.left()) * sizeof(QRgb);
            for (int y = c.top(); y <= c.bottom(); ++y, at += stride)
                *reinterpret_cast<QRgb *>(at) = colour;
        }
        p.drawImage(r.topLeft(), frame_);
    } else {
        paintTrace(p, spans, line);
    }
    drawCursors(p, r);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing);
    drawStatus(p, r);
    drawTriggerMarker(p);
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
