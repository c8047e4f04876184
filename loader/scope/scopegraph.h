#pragma once

// The scope's graph: one plot drawn from the trace buffer (about two values per pixel column
// whatever the time base), the time axis at the bottom, sample units on the left, volts on the
// right, two crosshair cursors and a level line, all draggable with the mouse.

#include "tracebuffer.h"

#include <QWidget>

#include <array>

class QTimer;

namespace zr::scope {

class ScopeGraph : public QWidget {
    Q_OBJECT
public:
    enum AxisId { XAxis = 0, YAxis1 = 1, YAxis2 = 2 };
    enum CursorId { Cursor1 = 0, Cursor2 = 1, Cursor3 = 2 };

    explicit ScopeGraph(QWidget *parent = nullptr);

    void setAxisRange(int axis, double minimum, double maximum);
    double axisMinimum(int axis) const { return axes_[axisIndex(axis)].minimum; }
    double axisMaximum(int axis) const { return axes_[axisIndex(axis)].maximum; }
    QString axisName(int axis) const { return axes_[axisIndex(axis)].name; }
    QString axisCaption(int axis) const { return axes_[axisIndex(axis)].caption; }
    QString plotName() const { return QStringLiteral("Plot-1"); }

    void setCursorVisible(int cursor, bool on);
    bool cursorVisible(int cursor) const { return cursors_[cursorIndex(cursor)].visible; }
    // Position in XAxis and YAxis-1 units. Only the user's drags report a cursor change.
    void setCursorPosition(int cursor, double x, double y);
    double cursorX(int cursor) const { return cursors_[cursorIndex(cursor)].x; }
    double cursorY(int cursor) const { return cursors_[cursorIndex(cursor)].y; }
    QString cursorName(int cursor) const { return cursors_[cursorIndex(cursor)].name; }

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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Axis {
        QString name;
        QString caption;
        double minimum = 0;
        double maximum = 1;
    };
    struct Cursor {
        QString name;
        double x = 0;
        double y = 0;
        bool visible = false;
        bool crosshair = true; // false: a level line (Y only)
    };
    static size_t axisIndex(int axis) { return static_cast<size_t>(std::clamp(axis, 0, 2)); }
    static size_t cursorIndex(int c) { return static_cast<size_t>(std::clamp(c, 0, 2)); }
    double toPixelX(double x, const QRectF &r) const;
    double toPixelY(double y, const QRectF &r) const;
    void placeCursorAt(int cursor, QPointF at);
    void scheduleRepaint();
    void drawAxes(QPainter &p, const QRect &r) const;

    std::array<Axis, 3> axes_;
    std::array<Cursor, 3> cursors_;
    TraceBuffer trace_;
    QTimer *repaint_ = nullptr;
    bool dirty_ = false;
    int dragging_ = -1;
};

} // namespace zr::scope
