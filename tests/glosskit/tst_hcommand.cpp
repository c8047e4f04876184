// GlossHCommand: faces at rest and pressed, custom faces and roll-over, sizes and shape masks per
// PictureMode, the shine run by TimerInvoke, captions on a disabled bar, event order and the
// persisted keys.

#include "common/resources.h"
#include "hcommand/glosshcommand.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace glosskit;

namespace {

QPixmap solid(QColor c, QSize size = QSize(175, 32)) {
    QPixmap p(size);
    p.fill(c);
    return p;
}

QColor at(const GlossHCommand &b, int x, int y) {
    return QColor(b.surface().toImage().pixel(x, y));
}

QRect boxOf(const QImage &img, QColor c) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

QFont sharpFont() {
    QFont f(QStringLiteral("Liberation Sans"), 12, QFont::Bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

const QColor kRest3(20, 40, 60), kPressed3(200, 40, 60), kDisabled(120, 120, 120);

// Sampled left of the centre caption and inside the bar, below the rim.
const QPoint kFacePixel(40, 12);

} // namespace

class TestHCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void builtInFaces_data();
    void builtInFaces();
    void customFaces_data();
    void customFaces();
    void rollOverPass();
    void sizeAndMask_data();
    void sizeAndMask();
    void shineWaitsForAnimation();
    void shineRisesFallsAndRepaints();
    void shineColours_data();
    void shineColours();
    void captionsOnDisabledBar();
    void mouseEventOrder();
    void keyIsExaminedAfterHost();
    void newAndMissingDefaults();
    void allowMultiLineKeyPair();
    void roundTripAndKeyOrder();
};

void TestHCommand::initTestCase() {
    setResourceBitmap(553, solid(kRest3));
    setResourceBitmap(563, solid(kPressed3));
    setResourceBitmap(550, solid(QColor(1, 1, 1)));
    setResourceBitmap(602, solid(kDisabled));
}

void TestHCommand::cleanupTestCase() {
    for (int id : {553, 563, 550, 602})
        setResourceBitmap(id, QPixmap());
}

void TestHCommand::builtInFaces_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("space") << "space";
}

void TestHCommand::builtInFaces() {
    QFETCH(QString, how);
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCrystaline);
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), kRest3);
    if (how == QLatin1String("mouse"))
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(80, 16));
    else
        QTest::keyPress(&b, Qt::Key_Space);
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), kPressed3);
    if (how == QLatin1String("mouse"))
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(80, 16));
    else
        QTest::keyRelease(&b, Qt::Key_Space);
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), kRest3);
}

void TestHCommand::customFaces_data() {
    QTest::addColumn<bool>("withPushed");
    QTest::addColumn<bool>("useOnTop");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("face");
    const QColor normal(0, 200, 0), pushed(0, 0, 200);
    QTest::newRow("rest") << true << true << false << normal;
    QTest::newRow("pressed") << true << true << true << pushed;
    QTest::newRow("pressed without PicturePushed") << false << true << true << normal;
    QTest::newRow("UseOnTop off") << true << false << false << normal;
}

void TestHCommand::customFaces() {
    QFETCH(bool, withPushed);
    QFETCH(bool, useOnTop);
    QFETCH(bool, pressed);
    QFETCH(QColor, face);
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCustom);
    b.setPictureNormal(solid(QColor(0, 200, 0)));
    b.setPicturePushed(withPushed ? Picture(solid(QColor(0, 0, 200))) : Picture());
    b.setUseOnTop(useOnTop);
    if (pressed)
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(80, 16));
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), face);
}

void TestHCommand::rollOverPass() {
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCustom);
    const QColor normal(0, 200, 0), over(200, 200, 0), over2(0, 200, 200);
    b.setPictureNormal(solid(normal));
    b.setPictureOver(solid(over));
    b.setPictureOver2(solid(over2));
    b.setUseOnTop(true);
    b.setUseAnimation(true);
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 16), QPointF(80, 16), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&b, &move);
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), over);
    QCOMPARE(b.hoverState(), short(4));
    QCOMPARE(b.hoverPhase(), short(1));
    // Ticks: 4,1 -> 3,1 -> (extra first rule) 4,2 ... until the over-2 face and then normal.
    QList<QColor> faces;
    for (int i = 0; i < 8; ++i) {
        b.TimerInvoke();
        faces << at(b, kFacePixel.x(), kFacePixel.y());
    }
    QVERIFY(faces.contains(over2));
    QCOMPARE(faces.last(), normal);
    QCOMPARE(b.hoverState(), short(-1));
}

void TestHCommand::sizeAndMask_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("mask");
    QTest::newRow("0") << 0 << QSize(300, 50) << QSize(175, 32) << 700;
    QTest::newRow("3 half") << 3 << QSize(175, 32) << QSize(88, 16) << 701;
    QTest::newRow("4 double") << 4 << QSize(175, 32) << QSize(350, 64) << 702;
    QTest::newRow("5 as 4") << 5 << QSize(175, 32) << QSize(350, 64) << 702;
    QTest::newRow("1 keeps its size") << 1 << QSize(300, 50) << QSize(300, 50) << 0;
}

void TestHCommand::sizeAndMask() {
    QFETCH(int, mode);
    QFETCH(QSize, start);
    QFETCH(QSize, size);
    QFETCH(int, mask);
    QWidget host;
    host.resize(400, 100);
    auto *b = new GlossHCommand(&host);
    host.show();
    b->setPictureMode(GlossControl::GKPicStyles(mode));
    b->resize(start);
    QCOMPARE(b->size(), size);
    if (mask)
        QCOMPARE(b->mask(), QRegion(resourceMask(mask)));
    else // the bar stretched: corners outside, the middle inside
        QVERIFY(!b->mask().contains(QPoint(0, 0)) && b->mask().contains(QPoint(150, 25)));
}

void TestHCommand::shineWaitsForAnimation() {
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCrystaline);
    const QImage before = b.surface().toImage();
    b.ShineEdges();
    for (int i = 0; i < 5; ++i)
        b.TimerInvoke();
    QCOMPARE(b.surface().toImage(), before);
    QCOMPARE(b.shinePhase(), short(1));
    b.setUseAnimation(true);
    b.TimerInvoke();
    QCOMPARE(b.shineLevel(), short(32));
    QCOMPARE(at(b, 87, 1), QColor(32, 32, 32));
}

void TestHCommand::shineRisesFallsAndRepaints() {
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCrystaline);
    b.setUseAnimation(true);
    b.ShineEdges();
    QList<int> levels;
    QList<int> rim;
    for (int i = 0; i < 16; ++i) {
        b.TimerInvoke();
        levels << b.shineLevel();
        rim << at(b, 87, 1).red();
    }
    QCOMPARE(levels,
             QList<int>({32, 64, 96, 128, 160, 192, 224, 255, 223, 191, 159, 127, 95, 63, 31, 0}));
    QCOMPARE(rim, levels); // white shine: every rim drawn in the level reached
    QCOMPARE(b.shinePhase(), short(32));
    QCOMPARE(at(b, 87, 1), QColor(0, 0, 0)); // the last rim is black
    QCOMPARE(at(b, 87, 30), QColor(0, 0, 0));
    b.TimerInvoke();
    QCOMPARE(b.shinePhase(), short(0));
    QCOMPARE(at(b, 87, 1), kRest3); // repainted: the rim is gone
    b.TimerInvoke();
    QCOMPARE(at(b, 87, 1), kRest3);
}

void TestHCommand::shineColours_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("white") << 0 << QColor(64, 64, 64);
    QTest::newRow("red") << 1 << QColor(64, 0, 0);
    QTest::newRow("green") << 2 << QColor(0, 64, 0);
    QTest::newRow("blue") << 3 << QColor(0, 0, 64);
    QTest::newRow("cyan") << 4 << QColor(0, 64, 64);
    QTest::newRow("magenta") << 5 << QColor(64, 0, 64);
    QTest::newRow("yellow") << 6 << QColor(64, 64, 0);
    QTest::newRow("other: last colour, black") << 9 << QColor(0, 0, 0);
}

void TestHCommand::shineColours() {
    QFETCH(int, mode);
    QFETCH(QColor, colour);
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCrystaline);
    b.setUseAnimation(true);
    b.setShineMode(GlossHCommand::GKHShineModes(mode));
    b.ShineEdges();
    b.TimerInvoke();
    b.TimerInvoke();
    QCOMPARE(at(b, 87, 1), colour);
}

void TestHCommand::captionsOnDisabledBar() {
    GlossHCommand b;
    b.setFontProperty(sharpFont());
    b.setCaption(QString());
    b.setLeftCaption(QStringLiteral("L"));
    b.setRightCaption(QStringLiteral("R"));
    b.setLeftColor(QColor(255, 0, 0));
    b.setRightColor(QColor(0, 0, 255));
    b.setPictureDisabled(Picture());
    b.setEnabledProperty(false);
    const QImage img = b.surface().toImage();
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), kDisabled);
    const QRect left = boxOf(img, QColor(255, 0, 0)), right = boxOf(img, QColor(0, 0, 255));
    QVERIFY(!left.isEmpty() && !right.isEmpty());
    QVERIFY(left.left() <= 3);
    QVERIFY(right.right() >= 171);
    QVERIFY(qAbs(left.center().y() - 16) <= 2);
}

void TestHCommand::mouseEventOrder() {
    GlossHCommand b;
    QStringList order;
    connect(&b, &GlossControl::MouseDown, this, [&](short, short, float, float) {
        order << (b.isPressed() ? "MouseDown pressed" : "MouseDown up");
    });
    connect(&b, &GlossControl::MouseUp, this, [&](short, short, float, float) {
        order << (b.isPressed() ? "MouseUp pressed" : "MouseUp up");
    });
    connect(&b, &GlossControl::Click, this, [&] { order << "Click"; });
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(80, 16));
    // The bar raises the mouse events before it changes its state.
    QCOMPARE(order, QStringList({"MouseDown up", "MouseUp pressed", "Click"}));
}

void TestHCommand::keyIsExaminedAfterHost() {
    GlossHCommand b;
    connect(&b, &GlossControl::KeyDown, this, [](short &code, short) { code = 0; });
    QTest::keyPress(&b, Qt::Key_Space);
    QVERIFY(!b.isPressed());
}

void TestHCommand::newAndMissingDefaults() {
    QWidget host;
    auto *b = new GlossHCommand(&host);
    b->setObjectName(QStringLiteral("Bar1"));
    b->InitProperties();
    QCOMPARE(b->Caption(), QStringLiteral("Bar1"));
    QVERIFY(!b->UseAnimation());
    QVERIFY(!b->UseOnTop());
    QCOMPARE(b->FocusColor(), QColor(0, 255, 0));
    QVERIFY(b->PictureOver2().isNone());
    QVERIFY(b->PictureNormal().isEmpty());

    b->ReadProperties(PropertyBag());
    QCOMPARE(b->Caption(), QStringLiteral("0"));
    QVERIFY(b->UseAnimation());
    QVERIFY(b->UseOnTop());
    QVERIFY(b->PictureNormal().isNone());
    QCOMPARE(b->ForeColor(), oleToColor(0x80000012u));
    QCOMPARE(b->Font().family(), host.font().family()); // no name, no size: the font stays
}

void TestHCommand::allowMultiLineKeyPair() {
    GlossHCommand a;
    a.setAllowMultiLine(true);
    PropertyBag bag;
    a.WriteProperties(bag);
    QVERIFY(bag.keys().contains(QStringLiteral("AllowMultiLine")));
    GlossHCommand b;
    b.ReadProperties(bag);
    QVERIFY(b.AllowMultiLine());
}

void TestHCommand::roundTripAndKeyOrder() {
    GlossHCommand a;
    a.setEnabledProperty(false);
    a.setFontProperty(QFont(QStringLiteral("Liberation Serif"), 13));
    a.setFontBold(true);
    a.setFontItalic(true);
    a.setFontStrikethru(true);
    a.setFontUnderline(true);
    a.setForeColor(QColor(1, 2, 3));
    a.setMouseIcon(solid(Qt::red, QSize(8, 8)));
    a.setMousePointer(99);
    a.setGlossStyle(GlossHCommand::GKCustom);
    a.setCaption(QStringLiteral("Bar"));
    a.setShowFocus(true);
    a.setFocusStyle(GlossHCommand::GKHRoundIndent);
    a.setPictureNormal(solid(Qt::green, QSize(4, 4)));
    a.setPictureOver(solid(Qt::yellow, QSize(4, 4)));
    a.setPictureOver2(solid(Qt::cyan, QSize(4, 4)));
    a.setPicturePushed(solid(Qt::blue, QSize(4, 4)));
    a.setPictureDisabled(solid(Qt::gray, QSize(4, 4)));
    a.setFocusColor(QColor(9, 8, 7));
    a.setPictureMode(GlossControl::HalfSize);
    a.setShineMode(GlossHCommand::GKHYellowShine);
    a.setShortCutKey(QStringLiteral("b"));
    a.setLeftCaption(QStringLiteral("<"));
    a.setRightCaption(QStringLiteral(">"));
    a.setLeftColor(QColor(4, 4, 4));
    a.setRightColor(QColor(5, 5, 5));
    a.setUseSound(true);
    a.setSoundMethod(GlossControl::GKUseSoundEvent);
    a.setAllowMultiLine(true);
    a.setAdjustTop(3);
    // UseAnimation and UseOnTop are off, which differs from their defaults: both are written.
    PropertyBag bag;
    a.WriteProperties(bag);
    QCOMPARE(bag.keys(),
             QStringList({"Enabled",        "Font",         "FontBold",       "FontItalic",
                          "FontName",       "FontSize",     "FontStrikethru", "FontUnderline",
                          "ForeColor",      "MouseIcon",    "MousePointer",   "GlossStyle",
                          "Caption",        "ShowFocus",    "FocusStyle",     "PictureNormal",
                          "PictureOver",    "PictureOver2", "PicturePushed",  "PictureDisabled",
                          "FocusColor",     "PictureMode",  "UseAnimation",   "ShineMode",
                          "UseOnTop",       "ShortCutKey",  "LeftCaption",    "RightCaption",
                          "LeftColor",      "RightColor",   "UseSound",       "SoundMethod",
                          "AllowMultiLine", "AdjustTop"}));
    GlossHCommand b;
    b.ReadProperties(PropertyBag::fromText(bag.toText()));
    QCOMPARE(b.Caption(), QStringLiteral("Bar"));
    QVERIFY(b.FontBold() && b.FontUnderline());
    QCOMPARE(b.FontName(), QStringLiteral("Liberation Serif"));
    QCOMPARE(b.size(), QSize(88, 16));
    QVERIFY(!b.UseAnimation());
    PropertyBag again;
    b.WriteProperties(again);
    QCOMPARE(again, bag);
}

QTEST_MAIN(TestHCommand)
#include "tst_hcommand.moc"
