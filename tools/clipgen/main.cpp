// clipgen: paints the frames of the loader's animation clips as PNG files; the build joins them
// into animated GIFs.
//   clipgen filemove OUTDIR   a sheet of paper flying from the PC to the drive

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 72;
constexpr int kFrames = 20;

void drawComputer(QPainter &p) {
    QLinearGradient body(0, 14, 0, 50);
    body.setColorAt(0, QColor(235, 238, 244));
    body.setColorAt(1, QColor(170, 178, 192));
    p.setPen(QPen(QColor(70, 76, 90), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 14, 44, 32), 3, 3);
    QLinearGradient glass(0, 18, 0, 42);
    glass.setColorAt(0, QColor(70, 140, 220));
    glass.setColorAt(1, QColor(20, 60, 130));
    p.setBrush(glass);
    p.drawRect(QRectF(10, 18, 36, 24));
    p.setBrush(body);
    p.drawRect(QRectF(22, 46, 12, 6));
    p.drawRoundedRect(QRectF(12, 52, 32, 6), 2, 2);
}

void drawDrive(QPainter &p, int frame) {
    QLinearGradient body(112, 0, 152, 0);
    body.setColorAt(0, QColor(60, 66, 78));
    body.setColorAt(1, QColor(28, 31, 38));
    p.setPen(QPen(QColor(15, 15, 20), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(112, 8, 40, 56), 3, 3);
    // display
    p.setBrush(QColor(120, 200, 90));
    p.drawRect(QRectF(117, 13, 30, 9));
    // heat-sink fins
    p.setPen(QPen(QColor(95, 102, 116), 1));
    for (int y = 28; y < 58; y += 4)
        p.drawLine(QPointF(117, y), QPointF(147, y));
    // activity lamp blinks while data arrives
    const bool lit = frame > kFrames / 2 && frame % 2 == 0;
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(255, 190, 40) : QColor(90, 70, 30));
    p.drawEllipse(QPointF(145, 58), 2.5, 2.5);
}

void drawSheet(QPainter &p, QPointF centre, double tilt) {
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    QPainterPath sheet;
    sheet.moveTo(-8, -10);
    sheet.lineTo(4, -10);
    sheet.lineTo(8, -6);
    sheet.lineTo(8, 10);
    sheet.lineTo(-8, 10);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(sheet);
    p.setPen(QPen(QColor(120, 140, 190), 1));
    for (int y = -5; y <= 6; y += 3)
        p.drawLine(QPointF(-5, y), QPointF(5, y));
    p.restore();
}

bool fileMove(const QString &dir) {
    for (int f = 0; f < kFrames; ++f) {
        QImage img(kWidth, kHeight, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        drawComputer(p);
        drawDrive(p, f);
        // the cable
        p.setPen(QPen(QColor(110, 110, 120), 1.5, Qt::DashLine));
        p.drawLine(QPointF(44, 55), QPointF(112, 55));
        const double t = double(f) / (kFrames - 1);
        const QPointF at(30 + t * 100, 30 - std::sin(t * M_PI) * 20);
        drawSheet(p, at, -20 + 40 * t);
        p.end();
        if (!img.save(QStringLiteral("%1/frame%2.png").arg(dir).arg(f, 2, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args.at(1) != QLatin1String("filemove")) {
        std::fprintf(stderr, "usage: clipgen filemove OUTDIR\n");
        return 1;
    }
    QDir().mkpath(args.at(2));
    return fileMove(args.at(2)) ? 0 : 2;
}
