// GlossSphere behaviour: the roll-over table, events and their order, keyboard presses, the
// persisted keys and the size and shape rules.

#include "common/glosskit.h"
#include "common/resources.h"
#include "common/sound.h"
#include "sphere/glosssphere.h"

#include <QMouseEvent>
#include <QTest>

#include <memory>

using namespace glosskit;

namespace {

QPixmap solid(QColor c) {
    QPixmap p(32, 32);
    p.fill(c);
    return p;
}

const QColor kNormal(200, 0, 0), kOver(0, 200, 0), kOver2(0, 0, 200), kPushed(200, 200, 0);

QColor centre(const GlossSphere &s) {
    return s.surface().toImage().pixelColor(16, 16);
}

void moveMouse(QWidget *w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

// Records the events of a control in the order they are raised.
struct Recorder {
    QStringList log;
    explicit Recorder(GlossSphere &s) {
        QObject::connect(&s, &GlossControl::Click, [this] { log << "Click"; });
        QObject::connect(&s, &GlossControl::DblClick, [this] { log << "DblClick"; });
        QObject::connect(&s, &GlossControl::KeyDown,
                         [this](short &k, short) { log << QStringLiteral("KeyDown %1").arg(k); });
        QObject::connect(&s, &GlossControl::KeyPress,
                         [this](short k) { log << QStringLiteral("KeyPress %1").arg(k); });
        QObject::connect(&s, &GlossControl::KeyUp,
                         [this](short &k, short) { log << QStringLiteral("KeyUp %1").arg(k); });
        QObject::connect(&s, &GlossControl::MouseDown, [this](short b, short, float x, float y) {
            log << QStringLiteral("MouseDown %1 %2,%3").arg(b).arg(x).arg(y);
        });
        QObject::connect(&s, &GlossControl::MouseUp, [this](short b, short, float, float) {
            log << QStringLiteral("MouseUp %1").arg(b);
        });
        QObject::connect(&s, &GlossSphere::PlaySound, [this](GlossControl::GKSoundType t) {
            log << QStringLiteral("PlaySound %1").arg(t);
        });
    }
};

} // namespace

class TestSphere : public QObject {
    Q_OBJECT
private slots:
    void hoverTable_data();
    void hoverTable();
    void timerInvokeNeedsAllThree_data();
    void timerInvokeNeedsAllThree();
    void spaceAndEnterPress_data();
    void spaceAndEnterPress();
    void mouseEventsInOrder();
    void hostCancelsKeyWithZero();
    void settersNotifyFieldsDoNot();
    void missingAndNewValues_data();
    void missingAndNewValues();
    void hostLowerCaseBagLoads();
    void roundTripAndWriteOrder();
    void pictureNoneVersusEmpty();
    void sizeByPictureMode_data();
    void sizeByPictureMode();
    void oneAndHalfSizeKeepsSizeWith64Mask();
};

// Each row replays the pass of a cursor over a custom sphere with a host timer, up to one step.
void TestSphere::hoverTable_data() {
    QTest::addColumn<QString>("steps"); // m = mouse move, t = timer tick
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("painted"); // the last step drew
    QTest::addColumn<QColor>("face");  // what the control shows afterwards
    QTest::newRow("move") << "m" << 4 << 1 << true << kOver;
    QTest::newRow("tick 1") << "mt" << 3 << 1 << false << kOver;
    QTest::newRow("tick 2") << "mtt" << 3 << 2 << false << kOver;
    QTest::newRow("tick 3") << "mttt" << 2 << 2 << false << kOver;
    QTest::newRow("tick 4 over") << "mtttt" << 1 << 2 << true << kOver;
    QTest::newRow("tick 5 over2") << "mttttt" << 0 << 0 << true << kOver2;
    QTest::newRow("tick 6 normal") << "mtttttt" << -1 << 0 << true << kNormal;
    QTest::newRow("tick 7 idle") << "mttttttt" << -1 << 0 << false << kNormal;
    QTest::newRow("idle stays") << "mttttttttt" << -1 << 0 << false << kNormal;
    QTest::newRow("moving keeps over") << "mm" << 4 << 1 << false << kOver;
    QTest::newRow("move in phase 2") << "mttm" << 2 << 2 << true << kOver;
    QTest::newRow("leave from phase 2") << "mttmt" << 1 << 2 << true << kOver;
}

void TestSphere::hoverTable() {
    QFETCH(QString, steps);
    QFETCH(int, s);
    QFETCH(int, p);
    QFETCH(bool, painted);
    QFETCH(QColor, face);
    GlossSphere sphere;
    sphere.setSphereType(GlossSphere::glsSphereCustom);
    sphere.setPictureNormal(solid(kNormal));
    sphere.setPictureOver(solid(kOver));
    sphere.setPictureOver2(solid(kOver2));
    sphere.setUseAnimation(true);
    sphere.setUseOnTop(true);
    int before = 0;
    for (QChar c : steps) {
        before = sphere.refreshCount();
        if (c == u'm')
            moveMouse(&sphere);
        else
            sphere.TimerInvoke();
    }
    QCOMPARE(int(sphere.hoverState()), s);
    QCOMPARE(int(sphere.hoverPhase()), p);
    QCOMPARE(sphere.refreshCount() > before, painted);
    QCOMPARE(centre(sphere), face);
}

void TestSphere::timerInvokeNeedsAllThree_data() {
    QTest::addColumn<bool>("animation");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<int>("s");
    QTest::newRow("all") << true << 10 << true << -1;
    QTest::newRow("no animation") << false << 10 << true << 0;
    QTest::newRow("built-in type") << true << 3 << true << 0;
    QTest::newRow("not on top") << true << 10 << false << 0;
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

void TestSphere::spaceAndEnterPress_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("space") << int(Qt::Key_Space)
                           << QStringList{"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"};
    QTest::newRow("enter") << int(Qt::Key_Return)
                           << QStringList{"KeyDown 13", "KeyPress 13", "KeyUp 13", "Click"};
    QTest::newRow("letter") << int(Qt::Key_X)
                            << QStringList{"KeyDown 88", "KeyPress 120", "KeyUp 88"};
}

void TestSphere::spaceAndEnterPress() {
    QFETCH(int, key);
    QFETCH(QStringList, events);
    GlossSphere sphere;
    Recorder rec(sphere);
    const bool button = key != Qt::Key_X;
    QTest::keyPress(&sphere, Qt::Key(key));
    QCOMPARE(sphere.isPressed(), button);
    QTest::keyRelease(&sphere, Qt::Key(key));
    QVERIFY(!sphere.isPressed());
    QCOMPARE(rec.log, events);
}

void TestSphere::mouseEventsInOrder() {
    GlossSphere sphere;
    sphere.setUseSound(true);
    sphere.setSoundMethod(GlossControl::GKUseSoundEvent);
    Recorder rec(sphere);
    QTest::mouseClick(&sphere, Qt::LeftButton, {}, QPoint(12, 20));
    QCOMPARE(rec.log, (QStringList{"PlaySound 0", "MouseDown 1 12,20", "PlaySound 1", "MouseUp 1",
                                   "Click"}));
    rec.log.clear();
    QTest::mouseDClick(&sphere, Qt::LeftButton, {}, QPoint(12, 20));
    QVERIFY(rec.log.contains("DblClick"));
    QVERIFY(!rec.log.contains("Click")); // the release ending a double click is no click
    rec.log.clear();
    QTest::mouseClick(&sphere, Qt::RightButton, {}, QPoint(12, 20));
    QCOMPARE(rec.log.last(), QStringLiteral("MouseUp 2"));
}

void TestSphere::hostCancelsKeyWithZero() {
    GlossSphere sphere;
    sphere.setUseSound(true);
    setResourceBitmap(303, solid(Qt::white));
    setResourceBitmap(403, solid(Qt::black));
    sphere.setSphereType(GlossSphere::GlsSphereRainbow);
    connect(&sphere, &GlossControl::KeyDown, this, [](short &code, short) {
        if (code == 32)
            code = 0;
    });
    clearRequestedSounds();
    QTest::keyPress(&sphere, Qt::Key_Space);
    QVERIFY(!sphere.isPressed());
    QCOMPARE(centre(sphere), QColor(Qt::white)); // no pressed face
    QVERIFY(requestedSounds().isEmpty());        // no press sound
    setResourceBitmap(303, QPixmap());
    setResourceBitmap(403, QPixmap());
}

void TestSphere::settersNotifyFieldsDoNot() {
    GlossSphere sphere;
    QStringList changed;
    connect(&sphere, &GlossControl::propertyChanged, this, [&](const QString &n) { changed << n; });
    int before = sphere.refreshCount();
    sphere.setFocusColor(Qt::red);
    sphere.setShowFocus(true);
    sphere.setUseSound(true);
    sphere.setSoundMethod(GlossControl::GKUseSoundEvent);
    QCOMPARE(sphere.refreshCount(), before);
    QVERIFY(changed.isEmpty());
    sphere.setShortCutKey(QStringLiteral("Q"));
    sphere.setMouseIcon(Picture());
    QCOMPARE(sphere.refreshCount(), before); // these two do not repaint either
    sphere.setSphereType(GlossSphere::GlsSphereClouds);
    QVERIFY(sphere.refreshCount() > before);
    QCOMPARE(changed, (QStringList{"ShortCutKey", "MouseIcon", "SphereType"}));
}

void TestSphere::missingAndNewValues_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("fresh");
    QTest::addColumn<QVariant>("loaded"); // from an empty bag
    QTest::newRow("UseAnimation") << "UseAnimation" << QVariant(false) << QVariant(true);
    QTest::newRow("UseOnTop") << "UseOnTop" << QVariant(false) << QVariant(true);
    QTest::newRow("ContentLetter") << "ContentLetter" << QVariant("0") << QVariant("0");
    QTest::newRow("Enabled") << "Enabled" << QVariant(true) << QVariant(true);
    QTest::newRow("FocusColor") << "FocusColor" << QVariant(QColor(Qt::white))
                                << QVariant(QColor(Qt::white));
}

void TestSphere::missingAndNewValues() {
    QFETCH(QString, property);
    QFETCH(QVariant, fresh);
    QFETCH(QVariant, loaded);
    std::unique_ptr<QWidget> w(createControl(QStringLiteral("GlossKit.GlossSphere")));
    QCOMPARE(w->property(property.toLatin1()), fresh);
    QVERIFY(loadControl(w.get(), PropertyBag()));
    QCOMPARE(w->property(property.toLatin1()), loaded);
}

void TestSphere::hostLowerCaseBagLoads() {
    bool ok = false;
    const PropertyBag bag =
        PropertyBag::fromText(QStringLiteral("_extentx = 847\n_extenty = 847\nspheretype = "
                                             "4\ncontenttype = 2\ncontentletter = \"Q\"\n"
                                             "picturemode = 0\nuseanimation = 0\nuseontop = 0\n"),
                              &ok);
    QVERIFY(ok);
    GlossSphere sphere;
    sphere.ReadProperties(bag);
    QCOMPARE(sphere.SphereType(), GlossSphere::GlsSphereRainFlux);
    QCOMPARE(sphere.ContentType(), GlossSphere::GlsCntLetter);
    QCOMPARE(sphere.ContentLetter(), QStringLiteral("Q"));
    QVERIFY(!sphere.UseAnimation());
    QVERIFY(!sphere.UseOnTop());
}

void TestSphere::roundTripAndWriteOrder() {
    GlossSphere a;
    a.setSphereType(GlossSphere::GlsSphereVortex);
    a.setContentType(GlossSphere::GlsCntIcon);
    a.setContentIcon(solid(Qt::blue));
    a.setIconSize(GlossSphere::GlsSphrIcon24);
    a.setForeColor(QColor(1, 2, 3));
    a.setShowFocus(true);
    a.setFocusColor(QColor(0, 255, 0));
    a.setPictureOver2(solid(kOver2));
    a.setPictureMode(GlossControl::RescaleToEdges);
    a.setShortCutKey(QStringLiteral("K"));
    a.setUseSound(true);
    a.setSoundMethod(GlossControl::GKUseSoundEvent);
    a.setEnabledProperty(false);
    PropertyBag bag;
    a.WriteProperties(bag);
    const QStringList order = {"Enabled",     "MouseIcon",    "MousePointer",  "SphereType",
                               "ContentType", "ContentIcon",  "ContentLetter", "Font",
                               "ForeColor",   "IconSize",     "ShowFocus",     "PictureNormal",
                               "PictureOver", "PictureOver2", "PicturePushed", "PictureDisabled",
                               "FocusColor",  "PictureMode",  "UseAnimation",  "UseOnTop",
                               "ShortCutKey", "UseSound",     "SoundMethod"};
    QStringList expected;
    for (const QString &k : order) {
        if (bag.contains(k))
            expected << k;
    }
    QCOMPARE(bag.keys(), expected);
    QVERIFY(!bag.contains("MousePointer")); // defaults are left out
    QCOMPARE(bag.readColor("ForeColor", 0), 0x030201u);

    GlossSphere b;
    b.ReadProperties(PropertyBag::fromText(bag.toText()));
    PropertyBag again;
    b.WriteProperties(again);
    QCOMPARE(again.toText(), bag.toText());
    QVERIFY(!b.isEnabled());
    QCOMPARE(b.ShortCutKey(), QStringLiteral("K"));
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
    // A bag without them gives none.
    GlossSphere bare;
    bare.ReadProperties(PropertyBag());
    QVERIFY(bare.PictureNormal().isNone());
    QVERIFY(bare.ContentIcon().isNone());
}

void TestSphere::sizeByPictureMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size");
    QTest::newRow("0 default") << 0 << QSize(32, 32);
    QTest::newRow("1 rescale") << 1 << QSize(50, 40);
    QTest::newRow("2 when needed") << 2 << QSize(50, 40);
    QTest::newRow("3 half") << 3 << QSize(16, 16);
    QTest::newRow("4 double") << 4 << QSize(64, 64);
    QTest::newRow("5 one and half") << 5 << QSize(50, 40);
    QTest::newRow("9 other") << 9 << QSize(50, 40);
}

void TestSphere::sizeByPictureMode() {
    QFETCH(int, mode);
    QFETCH(QSize, size);
    QWidget host;
    auto *s = new GlossSphere(&host);
    host.resize(200, 200);
    host.show();
    s->setPictureMode(GlossControl::GKPicStyles(mode));
    s->resize(50, 40);
    QCOMPARE(s->size(), size);
    if (mode == 1 || mode == 2) { // the disc is stretched to the new size
        QVERIFY(s->mask().contains(QPoint(48, 20)));
        QVERIFY(!s->mask().contains(QPoint(1, 1)));
    }
}

void TestSphere::oneAndHalfSizeKeepsSizeWith64Mask() {
    QWidget host;
    auto *s = new GlossSphere(&host);
    host.resize(200, 200);
    host.show();
    s->resize(48, 48);
    s->setPictureMode(GlossControl::OneAndHalfSize);
    s->resize(48, 48);
    QCOMPARE(s->size(), QSize(48, 48));
    // The 64 x 64 disc, not scaled: its centre lies at (32, 32).
    QVERIFY(s->mask().contains(QPoint(47, 47)));
    QVERIFY(!s->mask().contains(QPoint(3, 3)));
    QCOMPARE(s->mask(), QRegion(resourceMask(707)));
}

QTEST_MAIN(TestSphere)
#include "tst_sphere.moc"
