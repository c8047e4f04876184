#include "toolbaricons.h"

#include "pixmapcanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zr::shell {

QIcon ToolbarIcon(int index) {
    PixmapCanvas canvas(48);
    QPainter &p = canvas.painter();
    p.setPen(QPen(QColor(30, 40, 70), 3));
    switch (index) {
    case 0: // a plug on its cable
        p.setBrush(QColor(90, 140, 210));
        p.drawRoundedRect(8, 14, 22, 20, 4, 4);
        p.drawLine(30, 24, 44, 24);
        p.drawLine(2, 19, 8, 19);
        p.drawLine(2, 29, 8, 29);
        break;
    case 1: // arrows up and down
        p.setBrush(QColor(60, 170, 90));
        p.drawPolygon(QPolygon({{6, 20}, {16, 6}, {26, 20}}));
        p.drawRect(13, 20, 6, 20);
        p.setBrush(QColor(220, 120, 40));
        p.drawPolygon(QPolygon({{22, 28}, {32, 42}, {42, 28}}));
        p.drawRect(29, 8, 6, 20);
        break;
    case 2: // the drive's panel
        p.setBrush(QColor(50, 50, 60));
        p.drawRoundedRect(6, 6, 36, 36, 4, 4);
        p.setBrush(QColor(120, 220, 120));
        p.drawRect(11, 11, 26, 10);
        p.setBrush(QColor(200, 200, 200));
        for (int k = 0; k < 3; ++k)
            p.drawEllipse(11 + k * 10, 28, 6, 6);
        break;
    case 3: // a sheet with rows
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(10, 4, 28, 40);
        for (int y = 12; y < 40; y += 7)
            p.drawLine(15, y, 33, y);
        break;
    case 4: // "i"
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(4, 4, 40, 40);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(24, 14);
        p.drawLine(24, 22, 24, 36);
        break;
    case 5: { // "?"
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(4, 4, 40, 40);
        p.setPen(QPen(QColor(30, 40, 70), 5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath q;
        q.moveTo(17, 18);
        q.cubicTo(17, 8, 32, 8, 31, 18);
        q.cubicTo(30, 24, 24, 23, 24, 30);
        p.setBrush(Qt::NoBrush);
        p.drawPath(q);
        p.drawPoint(24, 37);
        break;
    }
    default: // a door
        p.setBrush(QColor(180, 60, 50));
        p.drawRect(10, 4, 24, 40);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(26, 24, 42, 24);
        p.drawLine(36, 18, 42, 24);
        p.drawLine(36, 30, 42, 24);
        break;
    }
    return QIcon(canvas.take());
}

} // namespace zr::shell
