// Toolbox icons (16 x 15) of the five controls and the library logo.

#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace artwork {

namespace {

QImage canvas(int w, int h, QColor fill = QColor(192, 192, 192)) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage commandIcon() {
    QImage img = canvas(16, 15);
    QPainter p(&img);
    QLinearGradient g(0, 2, 0, 12);
    g.setColorAt(0, QColor(120, 170, 255));
    g.setColorAt(1, QColor(20, 60, 160));
    p.fillRect(1, 3, 14, 9, g);
    p.setPen(Qt::white);
    p.drawLine(1, 3, 14, 3);
    p.drawLine(1, 3, 1, 11);
    p.setPen(QColor(20, 20, 40));
    p.drawLine(1, 12, 15, 12);
    p.drawLine(15, 3, 15, 12);
    p.fillRect(5, 7, 6, 1, Qt::white);
    return img;
}

QImage checkIcon() {
    QImage img = canvas(16, 15);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 30, 30));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 11, 11));
    p.setPen(QPen(QColor(0, 140, 0), 2));
    p.drawPolyline(QPolygonF({QPointF(3.5, 8), QPointF(6.5, 11), QPointF(14.5, 1.5)}));
    return img;
}

QImage sphereIcon() {
    QImage img = canvas(16, 15);
    QPainter p(&img);
    p.drawImage(QRect(1, 0, 15, 15), glossySphere(60, 9));
    return img;
}

QImage screenIcon() {
    QImage img = canvas(16, 15);
    QPainter p(&img);
    p.fillRect(0, 1, 16, 13, QColor(70, 110, 70));
    p.fillRect(2, 3, 12, 9, QColor(0, 137, 0));
    p.fillRect(3, 4, 4, 2, QColor(120, 220, 120));
    p.setPen(QColor(20, 40, 20));
    p.drawRect(0, 1, 15, 13);
    return img;
}

QImage hcommandIcon() {
    QImage img = canvas(16, 15);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 4, 0, 11);
    g.setColorAt(0, QColor(160, 240, 255));
    g.setColorAt(1, QColor(0, 110, 150));
    p.setBrush(g);
    p.setPen(QColor(0, 50, 70));
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 7), 3.5, 3.5);
    return img;
}

QImage logo() {
    QImage img(320, 96, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 4; ++i)
        p.drawImage(QRect(8 + i * 26, 20 + (i % 2) * 18, 40, 40), glossySphere(80, (i * 3) % 10));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    QLinearGradient g(0, 20, 0, 70);
    g.setColorAt(0, QColor(90, 160, 255));
    g.setColorAt(0.5, QColor(20, 70, 190));
    g.setColorAt(1, QColor(10, 30, 90));
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(QRect(130, 10, 190, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("GlossKit"));
    font.setPixelSize(14);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(60, 60, 70));
    p.drawText(QRect(132, 62, 190, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Control Set 1"));
    return img;
}

} // namespace

void makeIcons(Output &out) {
    addImage(out, QStringLiteral("bmp/30000.png"), commandIcon());
    addImage(out, QStringLiteral("bmp/30001.png"), checkIcon());
    addImage(out, QStringLiteral("bmp/30002.png"), sphereIcon());
    addImage(out, QStringLiteral("bmp/30003.png"), screenIcon());
    addImage(out, QStringLiteral("bmp/30004.png"), hcommandIcon());
    addImage(out, QStringLiteral("logo.png"), logo());
}

} // namespace artwork
