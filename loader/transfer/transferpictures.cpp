#include "transferpictures.h"

#include "pixmapcanvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zr::transfer {

QPixmap TransferPicture(bool download, int size) {
    shell::PixmapCanvas canvas(size);
    QPainter &p = canvas.painter();
    p.scale(size / 72.0, size / 72.0);

    // the drive
    QLinearGradient body(30, 0, 70, 0);
    body.setColorAt(0, QColor(70, 78, 92));
    body.setColorAt(1, QColor(30, 33, 40));
    p.setPen(QPen(QColor(15, 15, 20), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(34, 10, 34, 54), 4, 4);
    p.setBrush(QColor(120, 200, 90));
    p.drawRect(QRectF(39, 15, 24, 8));
    p.setPen(QPen(QColor(100, 108, 122), 1));
    for (int y = 30; y < 60; y += 5)
        p.drawLine(QPointF(39, y), QPointF(63, y));

    // the arrow: into the drive for a download, out of it for an upload
    QPainterPath arrow;
    arrow.moveTo(0, -6);
    arrow.lineTo(18, -6);
    arrow.lineTo(18, -14);
    arrow.lineTo(32, 0);
    arrow.lineTo(18, 14);
    arrow.lineTo(18, 6);
    arrow.lineTo(0, 6);
    arrow.closeSubpath();
    p.save();
    if (download) {
        p.translate(4, 40);
    } else {
        p.translate(36, 40);
        p.scale(-1, 1);
    }
    QLinearGradient fill(0, -14, 0, 14);
    const QColor top = download ? QColor(110, 200, 255) : QColor(255, 200, 90);
    const QColor bottom = download ? QColor(20, 100, 200) : QColor(220, 120, 10);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(QColor(20, 30, 50), 1.2));
    p.setBrush(fill);
    p.drawPath(arrow);
    p.restore();
    return canvas.take();
}

} // namespace zr::transfer
