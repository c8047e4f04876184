#pragma once

// The scope's graph: one plot drawn from the trace buffer (about two values per pixel column
// whatever the time base), the time axis at the bottom, sample units on the left, volts on the
// right, two crosshair cursors and a level line, all draggable with the mouse; the state of the
// acquisition in the top left corner and, while a trigger level is in use, a rising-edge marker
// on the right edge at that level (pinned to the top or bottom edge when the level lies beyond).

#include "tracebuffer.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <deque>

class QTimer;

namespace zr::scope {

class ScopeGraph : public QWidget {
    Q_OBJECT
public:
    enum AxisId { XAxis = 0, YAxis1 = 1, YAxis2 = 2 };
    enum CursorId { Cursor1 = 0, Cursor2 = 1, Cursor3 = 2 };
    // Where the trigger level lies against the visible sample range.
    enum LevelSide { LevelBelow = -1, LevelInside = 0, LevelAbove = 1 };
    static constexpr int kMaxRedrawsPerSecond = 50;

    explicit ScopeGraph(QWidget *parent = nullptr);

    void setAxisRange(int axis, double minimum, double maximum);
    double axisMinimum(int axis) const { return axes_[axisIndex(axis)].minimum; }
    double axisMaximum(int axis) const { return axes_[axisIndex(axis)].maximum; }
    // The caption under or beside an axis; the X axis is labelled in time ("ms", "s", "min").
    QString axisCaption(int axis) const;
    // The texts of the tick labels, from the lowest value.
    QStringList tickLabels(int axis) const;

    void setCursorVisible(int cursor, bool on);
    bool cursorVisible(int cursor) const { return cursors_[cursorIndex(cursor)].visible; }
    // Position in XAxis and YAxis-1 units. Only the user's drags report a cursor change.
    void setCursorPosition(int cursor, double x, double y);
    double cursorX(int cursor) const { return cursors_[cursorIndex(cursor)].x; }
    double cursorY(int cursor) const { return cursors_[cursorIndex(cursor)].y; }

    // The state of the acquisition, written in the top left corner of the plot.
    void setStatus(const QString &text, const QColor &colour);
    QString statusText() const { return status_; }
    // The trigger level in sample units, and whether it is in use (Norm).
    void setTriggerLevel(bool inUse, double level);
    bool triggerMarkerShown() const { return levelInUse_; }
    LevelSide triggerLevelSide() const;
    // The marker in widget pixels; empty while no level is in use.
    QRectF triggerMarkerRect() const;

    // Appends samples to the plot; clears the plotted data.
    void chart(const QByteArray &samples);
    void clearData();
    const TraceBuffer &trace() const { return trace_; }

    // Draws the plot (decimated) into painter within rect; used by paintEvent and the benchmark.
    void drawTrace(QPainter &painter, const QRectF &rect) const;
    QRect plotRect() const;

signals:
    // The user moved a cursor.
    void CursorChange(int cursor);
    void PlotAreaMouseDown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Axis {
        QString caption;
        double minimum = 0;
        double maximum = 1;
    };
    struct Cursor {
        double x = 0;
        double y = 0;
        bool visible = false;
        bool crosshair = true; // false: a level line (Y only)
    };
    // Pixel columns of a long screen, kept from frame to frame: a column holds the same samples
    // until the ring drops them, so only the newest columns are summed again.
    struct ColumnCache {
        double per = 0;
        quint64 generation = ~quint64(0);
        qint64 first = 0; // column number of columns.front()
        std::deque<ColumnRange> columns;
        std::deque<bool> complete;
    };
    static size_t axisIndex(int axis) { return static_cast<size_t>(std::clamp(axis, 0, 2)); }
    static size_t cursorIndex(int c) { return static_cast<size_t>(std::clamp(c, 0, 2)); }
    double toPixelX(double x, const QRectF &r) const;
    double toPixelY(double y, const QRectF &r) const;
    void placeCursorAt(int cursor, QPointF at);
    void scheduleRepaint();
    void drawBackground();
    // The trace for a plot rect: with more samples than pixel columns one span a column (whole
    // pixels), else nothing and the points of the line in `line`.
    QList<QRect> traceSpans(const QRectF &r, QPolygonF *line) const;
    void drawCursors(QPainter &p, const QRectF &r) const;
    void drawStatus(QPainter &p, const QRectF &r) const;
    void drawTriggerMarker(QPainter &p) const;
    ColumnRange cachedColumn(qint64 column, double per) const;

    std::array<Axis, 3> axes_;
    std::array<Cursor, 3> cursors_;
    TraceBuffer trace_;
    QTimer *repaint_ = nullptr;
    bool dirty_ = false;
    int dragging_ = -1;
    QImage background_; // frame, grid and axis labels; drawn again when they change
    QImage frame_;      // the plot of the frame being drawn
    bool backgroundDirty_ = true;
    QString status_;
    QColor statusColour_;
    bool levelInUse_ = false;
    double level_ = 127;
    mutable ColumnCache cache_;
};

} // namespace zr::scope
