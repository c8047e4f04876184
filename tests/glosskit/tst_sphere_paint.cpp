// GlossSphere painting, checked on the pixels it draws: which face where, disabled faces, custom
// faces, the content in the middle and the focus circles.

#include "common/resources.h"
#include "sphere/glosssphere.h"

#include <QFontMetricsF>
#include <QTest>

using namespace glosskit;

namespace {

QPixmap solid(QColor c, QSize size = QSize(32, 32)) {
    QPixmap p(size);
    p.fill(c);
    return p;
}

QColor at(const GlossSphere &s, int x, int y) {
    return s.surface().toImage().pixelColor(x, y);
}

// Bounding box of the pixels of one colour.
QRect boxOf(const QImage &img, QColor c) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Distinct solid colours for the built-in faces this test looks at.
const QColor kRest(10, 20, 30), kPressed(240, 10, 10), kDisabled(90, 90, 90);

} // namespace

class TestSpherePaint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void builtInFace_data();
    void builtInFace();
    void typeWithoutBitmapPaintsNothing();
    void disabledFace_data();
    void disabledFace();
    void customFace_data();
    void customFace();
    void letterIsCentred();
    void iconSizes_data();
    void iconSizes();
    void focusCircles_data();
    void focusCircles();
};

void TestSpherePaint::initTestCase() {
    setResourceBitmap(303, solid(kRest));
    setResourceBitmap(403, solid(kPressed));
    setResourceBitmap(300, solid(Qt::white));
    setResourceBitmap(600, solid(kDisabled));
}

void TestSpherePaint::cleanupTestCase() {
    for (int id : {303, 403, 300, 600})
        setResourceBitmap(id, QPixmap());
}

void TestSpherePaint::builtInFace_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QColor>("during");
    QTest::newRow("at rest") << "none" << kRest;
    QTest::newRow("mouse held") << "mouse" << kPressed;
    QTest::newRow("space held") << "space" << kPressed;
    QTest::newRow("enter held") << "enter" << kPressed;
}

void TestSpherePaint::builtInFace() {
    QFETCH(QString, how);
    QFETCH(QColor, during);
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    if (how == "mouse")
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(16, 16));
    else if (how == "space")
        QTest::keyPress(&s, Qt::Key_Space);
    else if (how == "enter")
        QTest::keyPress(&s, Qt::Key_Enter);
    QCOMPARE(at(s, 16, 16), during);
    if (how == "mouse")
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(16, 16));
    else if (how == "space")
        QTest::keyRelease(&s, Qt::Key_Space);
    else if (how == "enter")
        QTest::keyRelease(&s, Qt::Key_Enter);
    QCOMPARE(at(s, 16, 16), kRest);
}

void TestSpherePaint::typeWithoutBitmapPaintsNothing() {
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setSphereType(GlossSphere::GlsSphereTypeEnum(11));
    QCOMPARE(at(s, 16, 16), kRest); // what was there stays
    s.setSphereType(GlossSphere::GlsSphereTypeEnum(-1));
    QCOMPARE(at(s, 16, 16), kRest);
}

void TestSpherePaint::disabledFace_data() {
    QTest::addColumn<int>("picture"); // 0 none, 1 empty, 2 an image
    QTest::addColumn<QColor>("face");
    QTest::newRow("none: the library's face") << 0 << kDisabled;
    QTest::newRow("empty counts as present: nothing drawn") << 1 << QColor(Qt::magenta);
    QTest::newRow("host picture") << 2 << QColor(Qt::cyan);
}

void TestSpherePaint::disabledFace() {
    QFETCH(int, picture);
    QFETCH(QColor, face);
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setContentIcon(solid(Qt::magenta, QSize(8, 8)));
    s.setIconSize(GlossSphere::GlsSphrIcon32);
    s.setContentType(GlossSphere::GlsCntIcon);
    s.setShowFocus(true);
    s.setFocusColor(Qt::yellow);
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&s, &in);
    s.setPictureDisabled(picture == 0   ? Picture()
                         : picture == 1 ? Picture::empty()
                                        : Picture(solid(Qt::cyan)));
    QCOMPARE(at(s, 16, 16), QColor(Qt::magenta));
    QCOMPARE(at(s, 16, 0), QColor(Qt::yellow));
    s.setEnabledProperty(false);
    // Neither the content nor the focus mark is drawn over the disabled face.
    QCOMPARE(at(s, 16, 16), face);
    if (picture != 1)
        QCOMPARE(at(s, 16, 0), face);
}

void TestSpherePaint::customFace_data() {
    QTest::addColumn<int>("normal"); // 0 none, 2 image
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QColor>("face");
    const QColor fresh(Qt::white); // the built-in type 0 face drawn at creation
    QTest::newRow("no normal, rest") << 0 << true << "none" << fresh;
    QTest::newRow("no normal, pressed") << 0 << true << "press" << fresh;
    QTest::newRow("no normal, hovered") << 0 << true << "move" << fresh;
    QTest::newRow("rest") << 2 << true << "none" << QColor(Qt::red);
    QTest::newRow("pressed") << 2 << true << "press" << QColor(Qt::blue);
    QTest::newRow("hovered") << 2 << true << "move" << QColor(Qt::green);
    QTest::newRow("not on top, hovered") << 2 << false << "move" << QColor(Qt::red);
    QTest::newRow("not on top, pressed") << 2 << false << "press" << QColor(Qt::blue);
}

void TestSpherePaint::customFace() {
    QFETCH(int, normal);
    QFETCH(bool, onTop);
    QFETCH(QString, action);
    QFETCH(QColor, face);
    GlossSphere s;
    s.setContentType(GlossSphere::GlsCntLetter);
    s.setContentLetter(QString());
    s.setPictureNormal(normal ? Picture(solid(Qt::red)) : Picture());
    s.setPictureOver(solid(Qt::green));
    s.setPicturePushed(solid(Qt::blue));
    s.setUseAnimation(true);
    s.setUseOnTop(onTop);
    s.setSphereType(GlossSphere::glsSphereCustom);
    if (action == "press") {
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(16, 16));
    } else if (action == "move") {
        QMouseEvent move(QEvent::MouseMove, QPointF(9, 9), QPointF(9, 9), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&s, &move);
    }
    QCOMPARE(at(s, 16, 16), face);
}

void TestSpherePaint::letterIsCentred() {
    QWidget host;
    auto *s = new GlossSphere(&host);
    host.show();
    s->setPictureMode(GlossControl::RescaleToEdges);
    s->resize(64, 64);
    s->setFontProperty(QFont(QStringLiteral("Liberation Sans"), 28));
    s->setForeColor(Qt::black);
    s->setSphereType(GlossSphere::GlsSphereRings);
    s->setContentLetter(QStringLiteral("A"));
    s->setContentType(GlossSphere::GlsCntLetter);
    const QRect ink = boxOf(s->surface().toImage(), Qt::black);
    QVERIFY(!ink.isEmpty());
    const QFontMetricsF fm(s->font());
    const QRectF cell(32 - fm.horizontalAdvance("A") / 2, 32 - fm.height() / 2,
                      fm.horizontalAdvance("A"), fm.height());
    QVERIFY2(cell.adjusted(-1, -1, 1, 1).contains(QRectF(ink)), "letter outside its measured cell");
    QVERIFY(qAbs(ink.center().x() - 32) <= 2);
}

void TestSpherePaint::iconSizes_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("where");
    QTest::newRow("own size") << 0 << QRect(16, 16, 20, 10);
    QTest::newRow("32") << 1 << QRect(16, 16, 32, 32);
    QTest::newRow("24") << 2 << QRect(20, 20, 24, 24);
    QTest::newRow("16") << 3 << QRect(24, 24, 16, 16);
    QTest::newRow("other") << 7 << QRect(24, 24, 16, 16);
}

void TestSpherePaint::iconSizes() {
    QFETCH(int, size);
    QFETCH(QRect, where);
    QWidget host;
    auto *s = new GlossSphere(&host);
    host.show();
    s->setPictureMode(GlossControl::RescaleToEdges);
    s->resize(64, 64);
    s->setContentIcon(solid(Qt::red, QSize(20, 10)));
    s->setIconSize(GlossSphere::GlsSphrIconSize(size));
    s->setContentType(GlossSphere::GlsCntIcon);
    QCOMPARE(boxOf(s->surface().toImage(), Qt::red), where);
}

void TestSpherePaint::focusCircles_data() {
    QTest::addColumn<bool>("showFocus");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("shown") << true << true << true;
    QTest::newRow("not wanted") << false << true << false;
    QTest::newRow("not focused") << true << false << false;
}

void TestSpherePaint::focusCircles() {
    QFETCH(bool, showFocus);
    QFETCH(bool, focused);
    QFETCH(bool, drawn);
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setShowFocus(showFocus);
    s.setFocusColor(Qt::yellow);
    if (focused) {
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(&s, &in);
    }
    // Top of the second circle (centre 16,16, radius 16) and left of the first (centre 15,15).
    QCOMPARE(at(s, 16, 0) == QColor(Qt::yellow), drawn);
    QCOMPARE(at(s, 0, 15) == QColor(Qt::yellow), drawn);
    QCOMPARE(at(s, 16, 16), kRest);
    if (focused) {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(&s, &out);
        QCOMPARE(at(s, 16, 0), kRest);
    }
}

QTEST_MAIN(TestSpherePaint)
#include "tst_sphere_paint.moc"
