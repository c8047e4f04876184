// GlossCommand: the face placed by PictureMode (and shifted by PictureGoDown), the gradient, the
// caption's shadow, side pictures, frames, the disabled face and the font keys.

#include "command/glosscommand.h"
#include "common/drawing.h"
#include "datatable.h"
#include "glosstest.h"

#include <QTest>

using namespace glosstest;

namespace {

// A 250 x 100 face whose pixels tell where they came from: red = x, green = y.
QPixmap mapFace() {
    QImage img(250, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 250; ++x)
            img.setPixel(x, y, qRgb(x, y, 7));
    return QPixmap::fromImage(img);
}

QColor at(const GlossCommand &c, int x, int y) {
    return QColor(c.surface().toImage().pixel(x, y));
}

QColor sys(int index) {
    return QColor(systemColor(index).rgb());
}

// Stretched faces are sampled smoothly: a channel may be one off.
bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 1 && qAbs(a.green() - b.green()) <= 1 &&
           qAbs(a.blue() - b.blue()) <= 1;
}

const QColor kGrey(100, 100, 100), kDisabled(60, 70, 80);

} // namespace

class TestCommand : public QObject {
    Q_OBJECT
private slots:
    void facePlacement_data();
    void facePlacement();
    void goDownMovesFaceAndIcons_data();
    void goDownMovesFaceAndIcons();
    void shadowThreePixelsLowerRight();
    void gradientColours_data();
    void gradientColours();
    void gradientFace_data();
    void gradientFace();
    void pictureX2PaintsNoFace();
    void disabledFace_data();
    void disabledFace();
    void fontKeyWinsOverSingleKeys();

private:
    Bitmaps m_faces{{101, mapFace()},
                    {102, solid(kGrey, QSize(250, 100))},
                    {601, solid(kDisabled, QSize(250, 100))}};
};

void TestCommand::facePlacement_data() {
    columns<int, QSize, QPoint, QColor>("mode", "size", "pixel", "expected");
    const QColor bg = sys(ButtonFace);
    row("0, 250 x 100: whole face", 0, QSize(250, 100), QPoint(10, 10), QColor(10, 10, 7));
    row("0, 200 x 80: centre part", 0, QSize(200, 80), QPoint(10, 10), QColor(35, 20, 7));
    row("1 stretches to the edges", 1, QSize(125, 50), QPoint(50, 20), QColor(100, 40, 7));
    row("2 large: stretched from the corner", 2, QSize(300, 120), QPoint(30, 30),
        QColor(25, 25, 7));
    row("2 narrow: centred across", 2, QSize(200, 100), QPoint(10, 10), QColor(35, 10, 7));
    row("3 half size", 3, QSize(250, 100), QPoint(60, 30), QColor(4, 10, 7));
    row("4 double size", 4, QSize(250, 100), QPoint(10, 10), QColor(67, 30, 7));
    row("5: no face", 5, QSize(250, 100), QPoint(10, 10), bg);
}

void TestCommand::facePlacement() {
    QFETCH(int, mode);
    QFETCH(QSize, size);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);
    GlossCommand c;
    c.setCaption(QString());
    c.resize(size);
    c.setPictureMode(GlossControl::GKPicStyles(mode));
    c.grab(); // the first full paint
    const QColor got = at(c, pixel.x(), pixel.y());
    QVERIFY2(near(got, expected), qPrintable(got.name()));
}

void TestCommand::goDownMovesFaceAndIcons_data() {
    columns<bool, QColor>("goDown", "pressedFace");
    row("go-down", true, QColor(33, 18, 7));
    row("no go-down", false, QColor(35, 20, 7));
}

void TestCommand::goDownMovesFaceAndIcons() {
    QFETCH(bool, goDown);
    QFETCH(QColor, pressedFace);
    GlossCommand c;
    c.resize(200, 80);
    c.setCaption(QString());
    c.setPictureGoDown(goDown);
    c.setSideIcon(solid(Qt::red, QSize(8, 8)));
    c.setSideIconHeight(8);
    c.setRSideIcon(solid(Qt::blue, QSize(6, 6)));
    c.setRSideIconHeight(6);
    c.setRSideIconWidth(6);
    const QRect inner(2, 2, 196, 76);
    QCOMPARE(at(c, 10, 10), QColor(35, 20, 7));
    QCOMPARE(boxOf(c, Qt::red, inner), QRect(5, 36, 8, 8));
    QCOMPARE(boxOf(c, Qt::blue, inner), QRect(189, 37, 6, 6));
    QCOMPARE(at(c, 0, 0), sys(ButtonHighlight));
    QTest::mousePress(&c, Qt::LeftButton, {}, QPoint(100, 40));
    QCOMPARE(at(c, 10, 10), pressedFace);
    QCOMPARE(boxOf(c, Qt::red, inner), QRect(7, 38, 8, 8));
    QCOMPARE(boxOf(c, Qt::blue, inner), QRect(191, 39, 6, 6));
    QCOMPARE(at(c, 0, 0), sys(DarkShadow3D));       // sunken
    QCOMPARE(at(c, 199, 79), sys(ButtonHighlight)); // sunken
    QTest::mouseRelease(&c, Qt::LeftButton, {}, QPoint(100, 40));
    QCOMPARE(at(c, 0, 0), sys(ButtonHighlight));
    QCOMPARE(at(c, 199, 79), sys(DarkShadow3D));
}

void TestCommand::shadowThreePixelsLowerRight() {
    GlossCommand c;
    c.setBackPicture(GlossCommand::GKCyanWater); // plain grey face
    c.setFontProperty(sharpFont(20));
    c.setForeColor(Qt::white);
    c.setShadowColor(Qt::black);
    c.setHasShadow(true);
    c.setCaption(QStringLiteral("Go"));
    const QRect inner(4, 4, 242, 92);
    const QImage img = c.surface().toImage();
    const QRect text = boxOf(img, Qt::white, inner);
    const QRect shadow = boxOf(img, Qt::black, inner);
    QVERIFY(!text.isEmpty());
    QCOMPARE(shadow.bottomRight(), text.bottomRight() + QPoint(3, 3));
    // Centred on one line.
    QVERIFY(qAbs(text.center().x() - 125) <= 2);
    QVERIFY(qAbs(text.center().y() - 50) <= 3);
}

void TestCommand::gradientColours_data() {
    columns<int, double, double, double, QColor>("i", "red", "green", "blue", "expected");
    row("defaults, first", 0, 2.0, 2.0, 1.0, QColor(0, 0, 0));
    row("defaults, last", 255, 2.0, 2.0, 1.0, QColor(128, 128, 255));
    row("halves go to even", 5, 2.0, 2.0, 1.0, QColor(2, 2, 5));
    row("odd half up to even", 3, 2.0, 2.0, 1.0, QColor(2, 2, 3));
    row("blue 0.5 at 127", 127, 2.0, 2.0, 0.5, QColor(64, 64, 254));
    row("blue 0.5 saturates at 128", 128, 2.0, 2.0, 0.5, QColor(64, 64, 255));
    row("blue 0.5 at 255", 255, 2.0, 2.0, 0.5, QColor(128, 128, 255));
    row("divisor 0 keeps the last", 9, 0.0, 2.0, 1.0, QColor(1, 2, 3));
    row("negative keeps the last", 9, -1.0, 2.0, 1.0, QColor(1, 2, 3));
}

void TestCommand::gradientColours() {
    QFETCH(int, i);
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(QColor, expected);
    const QRgb got = GlossCommand::gradientColor(i, red, green, blue, qRgb(1, 2, 3));
    QCOMPARE(QColor(got), expected);
}

void TestCommand::gradientFace_data() {
    columns<QSize, double, bool>("size", "red", "narrow");
    row("wide", QSize(400, 60), 2.0, false);
    row("narrow", QSize(250, 60), 2.0, true);
    row("red divisor 0: all black", QSize(400, 60), 0.0, false);
}

void TestCommand::gradientFace() {
    QFETCH(QSize, size);
    QFETCH(double, red);
    QFETCH(bool, narrow);
    GlossCommand c;
    c.setCaption(QString());
    c.resize(size);
    c.show();
    c.setGradientRedDividend(red);
    c.setBackPicture(GlossCommand::GKPictureX1);
    QCOMPARE(c.isNarrow(), narrow);
    QCOMPARE(c.gradientPicture().size(), size - QSize(2, 2));
    const int w = size.width(), y = size.height() / 2;
    if (red == 0) {
        // Every step failed: each box took the colour computed last, black.
        QCOMPARE(at(c, w / 2, y), QColor(0, 0, 0));
        return;
    }
    // Dark at the left, the full ramp colour at the right.
    QVERIFY(at(c, 4, y).blue() < 20);
    if (narrow) // slanted lines: the last steps lie at the very right
        QVERIFY(at(c, w - 6, y).blue() > 240);
    else // wide: the last box reaches the right edge
        QCOMPARE(at(c, w - 6, y), QColor(128, 128, 255));
    QVERIFY(at(c, w / 4, y).blue() > at(c, 8, y).blue());
    // Growing the control rebuilds the gradient for the new size.
    c.resize(size + QSize(20, 10));
    QCOMPARE(c.gradientPicture().size(), size + QSize(18, 8));
}

void TestCommand::pictureX2PaintsNoFace() {
    GlossCommand c;
    c.setFontProperty(sharpFont(20));
    c.setForeColor(Qt::red);
    c.setBackPicture(GlossCommand::GKPictureX2);
    c.setCaption(QStringLiteral("X"));
    c.setSideIcon(solid(Qt::blue, QSize(8, 8)));
    c.grab();
    QCOMPARE(at(c, 30, 10), sys(ButtonFace));
    QVERIFY(!boxOf(c, Qt::red, QRect(4, 4, 242, 92)).isEmpty());
    QVERIFY(!boxOf(c, Qt::blue, QRect(4, 4, 242, 92)).isEmpty());
    QCOMPARE(at(c, 0, 0), sys(ButtonHighlight));
}

void TestCommand::disabledFace_data() {
    // picture: 0 none, 1 empty, 2 own
    columns<int, int, QColor>("mode", "picture", "face");
    const QColor bg = sys(ButtonFace), own(200, 100, 50);
    row("none, mode 0: bitmap 601", 0, 0, kDisabled);
    row("none, mode 4: bitmap 601", 4, 0, kDisabled);
    row("none, mode 5: bitmap 601", 5, 0, kDisabled);
    row("empty: nothing", 0, 1, bg);
    row("own picture", 0, 2, own);
    row("own picture, mode 3: nothing", 3, 2, bg);
}

void TestCommand::disabledFace() {
    QFETCH(int, mode);
    QFETCH(int, picture);
    QFETCH(QColor, face);
    GlossCommand c;
    c.setFontProperty(sharpFont(20));
    c.setForeColor(Qt::white);
    c.setHasShadow(true);
    c.setCaption(QStringLiteral("Off"));
    c.setPictureMode(GlossControl::GKPicStyles(mode));
    c.setPictureDisabled(picture == 0   ? Picture()
                         : picture == 1 ? Picture::empty()
                                        : Picture(solid(QColor(200, 100, 50), QSize(250, 100))));
    c.setEnabledProperty(false);
    QCOMPARE(at(c, 20, 10), face);
    const QImage img = c.surface().toImage();
    QVERIFY(!boxOf(img, Qt::white, QRect(4, 4, 242, 92)).isEmpty());
    QVERIFY(boxOf(img, Qt::black, QRect(4, 4, 242, 92)).isEmpty()); // no shadow
    QCOMPARE(at(c, 0, 0), sys(ButtonHighlight));                    // raised
}

void TestCommand::fontKeyWinsOverSingleKeys() {
    GlossCommand c;
    QFont stored(QStringLiteral("Liberation Serif"), 11);
    PropertyBag bag;
    bag.setValue(QStringLiteral("FontName"), QStringLiteral("Liberation Mono"));
    bag.setValue(QStringLiteral("FontBold"), -1);
    bag.setValue(QStringLiteral("Font"), stored);
    c.ReadProperties(bag);
    QCOMPARE(c.FontName(), QStringLiteral("Liberation Serif"));
    QVERIFY(!c.FontBold());
}

QTEST_MAIN(TestCommand)
#include "tst_command.moc"
