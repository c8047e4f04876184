// GlossSphere, on the pixels it draws: which face when, disabled and custom faces, the content in
// the middle and the focus circles; when the roll-over runs; pictures that are none or empty.

#include "datatable.h"
#include "glosstest.h"
#include "sphere/glosssphere.h"

#include <QFontMetricsF>
#include <QTest>

using namespace glosstest;

namespace {

// Distinct solid colours for the built-in faces this test looks at.
const QColor kRest(10, 20, 30), kDisabled(90, 90, 90);

} // namespace

class TestSphere : public QObject {
    Q_OBJECT
private slots:
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
    void timerInvokeNeedsAllThree_data();
    void timerInvokeNeedsAllThree();
    void pictureNoneVersusEmpty();

private:
    Bitmaps m_faces{{303, solid(kRest)}, {300, solid(Qt::white)}, {600, solid(kDisabled)}};
};

void TestSphere::typeWithoutBitmapPaintsNothing() {
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setSphereType(GlossSphere::GlsSphereTypeEnum(11));
    QCOMPARE(pixel(s, 16, 16), kRest); // what was there stays
    s.setSphereType(GlossSphere::GlsSphereTypeEnum(-1));
    QCOMPARE(pixel(s, 16, 16), kRest);
}

void TestSphere::disabledFace_data() {
    // picture: 0 none, 1 empty, 2 an image
    columns<int, QColor>("picture", "face");
    row("none: the library's face", 0, kDisabled);
    row("empty counts as present: nothing drawn", 1, QColor(Qt::magenta));
    row("host picture", 2, QColor(Qt::cyan));
}

void TestSphere::disabledFace() {
    QFETCH(int, picture);
    QFETCH(QColor, face);
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setContentIcon(solid(Qt::magenta, QSize(8, 8)));
    s.setIconSize(GlossSphere::GlsSphrIcon32);
    s.setContentType(GlossSphere::GlsCntIcon);
    s.setShowFocus(true);
    s.setFocusColor(Qt::yellow);
    focus(&s, true);
    s.setPictureDisabled(picture == 0   ? Picture()
                         : picture == 1 ? Picture::empty()
                                        : Picture(solid(Qt::cyan)));
    QCOMPARE(pixel(s, 16, 16), QColor(Qt::magenta));
    QCOMPARE(pixel(s, 16, 0), QColor(Qt::yellow));
    s.setEnabledProperty(false);
    // Neither the content nor the focus mark is drawn over the disabled face.
    QCOMPARE(pixel(s, 16, 16), face);
    if (picture != 1)
        QCOMPARE(pixel(s, 16, 0), face);
}

void TestSphere::customFace_data() {
    columns<bool, bool, QString, QColor>("normal", "onTop", "action", "face");
    const QColor fresh(Qt::white); // the built-in type 0 face drawn at creation
    row("no normal, rest", false, true, "none", fresh);
    row("no normal, pressed", false, true, "press", fresh);
    row("no normal, hovered", false, true, "move", fresh);
    row("rest", true, true, "none", QColor(Qt::red));
    row("pressed", true, true, "press", QColor(Qt::blue));
    row("hovered", true, true, "move", QColor(Qt::green));
    row("not on top, hovered", true, false, "move", QColor(Qt::red));
    row("not on top, pressed", true, false, "press", QColor(Qt::blue));
}

void TestSphere::customFace() {
    QFETCH(bool, normal);
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
    if (action == "press")
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(16, 16));
    else if (action == "move")
        moveMouse(&s, QPointF(9, 9));
    QCOMPARE(pixel(s, 16, 16), face);
}

void TestSphere::letterIsCentred() {
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
    const QRect ink = boxOf(*s, Qt::black);
    QVERIFY(!ink.isEmpty());
    const QFontMetricsF fm(s->font());
    const QRectF cell(32 - fm.horizontalAdvance("A") / 2, 32 - fm.height() / 2,
                      fm.horizontalAdvance("A"), fm.height());
    QVERIFY2(cell.adjusted(-1, -1, 1, 1).contains(QRectF(ink)), "letter outside its measured cell");
    QVERIFY(qAbs(ink.center().x() - 32) <= 2);
}

void TestSphere::iconSizes_data() {
    columns<int, QRect>("size", "where");
    row("own size", 0, QRect(16, 16, 20, 10));
    row("32", 1, QRect(16, 16, 32, 32));
    row("24", 2, QRect(20, 20, 24, 24));
    row("16", 3, QRect(24, 24, 16, 16));
    row("other", 7, QRect(24, 24, 16, 16));
}

void TestSphere::iconSizes() {
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
    QCOMPARE(boxOf(*s, Qt::red), where);
}

void TestSphere::focusCircles_data() {
    columns<bool, bool>("showFocus", "focused");
    row("shown", true, true);
    row("not wanted", false, true);
    row("not focused", true, false);
}

void TestSphere::focusCircles() {
    QFETCH(bool, showFocus);
    QFETCH(bool, focused);
    GlossSphere s;
    s.setSphereType(GlossSphere::GlsSphereRainbow);
    s.setShowFocus(showFocus);
    s.setFocusColor(Qt::yellow);
    if (focused)
        focus(&s, true);
    // Top of the second circle (centre 16,16, radius 16) and left of the first (centre 15,15).
    const bool drawn = showFocus && focused;
    QCOMPARE(pixel(s, 16, 0) == QColor(Qt::yellow), drawn);
    QCOMPARE(pixel(s, 0, 15) == QColor(Qt::yellow), drawn);
    QCOMPARE(pixel(s, 16, 16), kRest);
    focus(&s, false);
    QCOMPARE(pixel(s, 16, 0), kRest);
}

void TestSphere::timerInvokeNeedsAllThree_data() {
    columns<bool, int, bool, int>("animation", "type", "onTop", "s");
    row("all", true, 10, true, -1);
    row("no animation", false, 10, true, 0);
    row("built-in type", true, 3, true, 0);
    row("not on top", true, 10, false, 0);
}

void TestSphere::timerInvokeNeedsAllThree() {
    QFETCH(bool, animation);
    QFETCH(int, type);
    QFETCH(bool, onTop);
    QFETCH(int, s);
    GlossSphere sphere;
    sphere.setUseAnimation(animation);
    sphere.setSphereType(GlossSphere::GlsSphereTypeEnum(type));
    sphere.setUseOnTop(onTop);
    sphere.TimerInvoke();
    QCOMPARE(int(sphere.hoverState()), s);
}

void TestSphere::pictureNoneVersusEmpty() {
    // A fresh sphere holds empty pictures: they are saved and come back as present.
    GlossSphere fresh;
    PropertyBag bag;
    fresh.WriteProperties(bag);
    QVERIFY(bag.contains("PictureNormal"));
    QVERIFY(!bag.contains("PictureOver2")); // none
    GlossSphere loaded;
    loaded.ReadProperties(bag);
    QVERIFY(loaded.PictureNormal().isEmpty());
    QVERIFY(loaded.PictureOver2().isNone());
}

QTEST_MAIN(TestSphere)
#include "tst_sphere.moc"
