// clipgen: paints the frames of the loader's animation clips as PNG files; the build joins them
// into animated GIFs.
//   clipgen filemove OUTDIR   a sheet of paper flying from the PC to the drive
//   clipgen logo OUTDIR       the "ZR3500" logo of the start-up window, a rotor turning beside it

#include <QDir>
#include <QGuiApplication>
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

constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 72;
constexpr int kLogoFrames = 36;

// A motor's rotor seen from the front: six poles turning with the frame number.
void drawRotor(QPainter &p, QPointF centre, double radius, double angle) {
    p.save();
    p.translate(centre);
    QRadialGradient stator(QPointF(0, 0), radius);
    stator.setColorAt(0.0, QColor(90, 100, 120));
    stator.setColorAt(1.0, QColor(30, 34, 44));
    p.setPen(QPen(QColor(150, 165, 190), 1.5));
    p.setBrush(stator);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.rotate(angle);
    for (int pole = 0; pole < 6; ++pole) {
        p.setPen(Qt::NoPen);
        p.setBrush(pole % 2 ? QColor(220, 70, 50) : QColor(60, 120, 220));
        p.drawPie(QRectF(-radius * 0.78, -radius * 0.78, radius * 1.56, radius * 1.56),
                  pole * 60 * 16 + 4 * 16, 52 * 16);
    }
    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QPointF(0, 0), radius * 0.22, radius * 0.22);
    p.restore();
}

bool logo(const QString &dir) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setItalic(true);
    const double textLeft = 68;
    QPainterPath text;
    // The largest size at which the name fits beside the rotor.
    for (int px = 40; px > 10; --px) {
        font.setPixelSize(px);
        text = QPainterPath();
        text.addText(0, 0, font, QStringLiteral("ZR3500"));
        if (text.boundingRect().width() <= kLogoWidth - textLeft - 10)
            break;
    }
    const QRectF box = text.boundingRect();
    text.translate(textLeft - box.left(), kLogoHeight / 2.0 - box.center().y() - 4);
    const QRectF placed = text.boundingRect();

    for (int f = 0; f < kLogoFrames; ++f) {
        QImage img(kLogoWidth, kLogoHeight, QImage::Format_ARGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient back(0, 0, 0, kLogoHeight);
        back.setColorAt(0, QColor(28, 40, 66));
        back.setColorAt(1, QColor(10, 14, 26));
        p.fillRect(img.rect(), back);

        drawRotor(p, QPointF(34, kLogoHeight / 2.0), 24, f * 360.0 / kLogoFrames);

        // Brushed-steel letters with a sheen that sweeps across them once a loop.
        QLinearGradient steel(0, placed.top(), 0, placed.bottom());
        steel.setColorAt(0, QColor(245, 248, 252));
        steel.setColorAt(0.5, QColor(170, 182, 200));
        steel.setColorAt(1, QColor(225, 230, 240));
        p.setPen(QPen(QColor(8, 10, 18), 1.0));
        p.setBrush(steel);
        p.drawPath(text);
        const double t = double(f) / (kLogoFrames - 1);
        const double x = placed.left() - 40 + t * (placed.width() + 80);
        QLinearGradient sheen(x - 18, 0, x + 18, 0);
        sheen.setColorAt(0, QColor(255, 255, 255, 0));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 190));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawPath(text);

        // The line under the name, the drive's amber.
        p.setBrush(QColor(240, 170, 40));
        p.drawRect(QRectF(placed.left(), placed.bottom() + 5, placed.width(), 3));
        p.end();
        if (!img.save(QStringLiteral("%1/frame%2.png").arg(dir).arg(f, 2, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv); // text needs the fonts
    const QStringList args = app.arguments();
    const QString clip = args.size() == 3 ? args.at(1) : QString();
    if (clip != QLatin1String("filemove") && clip != QLatin1String("logo")) {
        std::fprintf(stderr, "usage: clipgen filemove|logo OUTDIR\n");
        return 1;
    }
    QDir().mkpath(args.at(2));
    const bool ok = clip == QLatin1String("logo") ? logo(args.at(2)) : fileMove(args.at(2));
    return ok ? 0 : 2;
}
