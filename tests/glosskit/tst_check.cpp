// GlossCheck: the box it shows in each state, toggling by mouse and keyboard, the caption from
// x = 30, the focus marks and its persistence (including the keys a load leaves alone).

#include "check/glosscheck.h"
#include "common/resources.h"

#include <QSignalSpy>
#include <QTest>

using namespace glosskit;

namespace {

QPixmap solid(QColor c, QSize size = QSize(24, 24)) {
    QPixmap p(size);
    p.fill(c);
    return p;
}

const QColor kUnchecked(10, 200, 10), kChecked(200, 10, 10), kPushed(10, 10, 200),
    kDisabled(90, 90, 90), kBack(30, 30, 30);

QColor boxColour(const GlossCheck &c) {
    return c.surface().toImage().pixelColor(12, c.height() / 2);
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

void prepare(GlossCheck &c) {
    c.resize(150, 30);
    c.setBackColor(kBack);
    c.setForeColor(Qt::white);
    c.setFontProperty(sharpFont());
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mouseClicksToggle();
    void keysToggleWithoutClick_data();
    void keysToggleWithoutClick();
    void customBoxes_data();
    void customBoxes();
    void disabledBox_data();
    void disabledBox();
    void captionStartsAt30_data();
    void captionStartsAt30();
    void foreColorRepaintsAtOnce();
    void focusMarks_data();
    void focusMarks();
    void newAndMissingDefaults();
    void missingKeysKeepCurrentValue_data();
    void missingKeysKeepCurrentValue();
    void roundTrip();
};

void TestCheck::initTestCase() {
    setResourceBitmap(201, solid(kUnchecked));
    setResourceBitmap(202, solid(kChecked));
    setResourceBitmap(203, solid(kPushed));
    setResourceBitmap(204, solid(kDisabled));
}

void TestCheck::cleanupTestCase() {
    for (int id : {201, 202, 203, 204})
        setResourceBitmap(id, QPixmap());
}

void TestCheck::mouseClicksToggle() {
    GlossCheck c;
    prepare(c);
    QSignalSpy clicks(&c, &GlossControl::Click);
    QSignalSpy changes(&c, &GlossControl::propertyChanged);
    QCOMPARE(boxColour(c), kUnchecked);
    const QPoint at(12, 15);
    QTest::mousePress(&c, Qt::LeftButton, {}, at);
    QCOMPARE(boxColour(c), kPushed);
    QCOMPARE(c.Value(), GlossCheck::GKUnChecked);
    QTest::mouseRelease(&c, Qt::LeftButton, {}, at);
    QCOMPARE(boxColour(c), kChecked);
    QCOMPARE(c.Value(), GlossCheck::GKChecked);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(changes.contains({QStringLiteral("Value")}));
    QTest::mouseClick(&c, Qt::LeftButton, {}, at);
    QCOMPARE(boxColour(c), kUnchecked);
    QCOMPARE(c.Value(), GlossCheck::GKUnChecked);
    QCOMPARE(clicks.count(), 2);
}

void TestCheck::keysToggleWithoutClick_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << true;
    QTest::newRow("letter") << int(Qt::Key_A) << false;
}

void TestCheck::keysToggleWithoutClick() {
    QFETCH(int, key);
    QFETCH(bool, toggles);
    GlossCheck c;
    prepare(c);
    QStringList order;
    connect(&c, &GlossControl::KeyDown, this, [&](short &, short) {
        order << QStringLiteral("KeyDown");
        // The box is already pushed when the host hears of the key.
        order << (c.isPressed() ? QStringLiteral("pressed") : QStringLiteral("up"));
        return;
    });
    connect(&c, &GlossControl::KeyUp, this,
            [&](short &, short) { order << QStringLiteral("KeyUp") + QString::number(c.Value()); });
    connect(&c, &GlossControl::Click, this, [&] { order << QStringLiteral("Click"); });
    QTest::keyPress(&c, Qt::Key(key));
    QCOMPARE(boxColour(c), toggles ? kPushed : kUnchecked);
    QTest::keyRelease(&c, Qt::Key(key));
    const QString v = toggles ? QStringLiteral("1") : QStringLiteral("0");
    QCOMPARE(order, QStringList({QStringLiteral("KeyDown"),
                                 toggles ? QStringLiteral("pressed") : QStringLiteral("up"),
                                 QStringLiteral("KeyUp") + v}));
    QCOMPARE(boxColour(c), toggles ? kChecked : kUnchecked);
}

void TestCheck::customBoxes_data() {
    QTest::addColumn<bool>("withCheck");
    QTest::addColumn<bool>("withPushed");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("box");
    const QColor x(1, 2, 3), u(4, 5, 6), p(7, 8, 9);
    QTest::newRow("checked") << true << true << 1 << false << x;
    QTest::newRow("checked without PictureCheck") << false << true << 1 << false << kBack;
    QTest::newRow("unchecked") << true << true << 0 << false << u;
    QTest::newRow("pushed") << true << true << 0 << true << p;
    QTest::newRow("pushed without PicturePushed") << true << false << 1 << true << u;
}

void TestCheck::customBoxes() {
    QFETCH(bool, withCheck);
    QFETCH(bool, withPushed);
    QFETCH(int, value);
    QFETCH(bool, pressed);
    QFETCH(QColor, box);
    GlossCheck c;
    prepare(c);
    c.setCaption(QStringLiteral("Custom"));
    c.setGlossCheckType(GlossCheck::GKCustom);
    c.setPictureUncheck(solid(QColor(4, 5, 6)));
    c.setPictureCheck(withCheck ? Picture(solid(QColor(1, 2, 3))) : Picture());
    c.setPicturePushed(withPushed ? Picture(solid(QColor(7, 8, 9))) : Picture());
    c.setValue(GlossCheck::GKBiState(value));
    if (pressed)
        QTest::mousePress(&c, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(boxColour(c), box);
    // The caption is drawn whatever the box shows.
    QVERIFY(boxOf(c.surface().toImage(), Qt::white).left() >= 30);
}

void TestCheck::disabledBox_data() {
    QTest::addColumn<int>("picture"); // 0 none, 1 empty, 2 image
    QTest::addColumn<QColor>("box");
    QTest::newRow("none: bitmap 204") << 0 << kDisabled;
    QTest::newRow("empty: no box") << 1 << kBack;
    QTest::newRow("own picture") << 2 << QColor(50, 60, 70);
}

void TestCheck::disabledBox() {
    QFETCH(int, picture);
    QFETCH(QColor, box);
    GlossCheck c;
    prepare(c);
    c.setValue(GlossCheck::GKChecked);
    c.setPictureDisabled(picture == 0   ? Picture()
                         : picture == 1 ? Picture::empty()
                                        : Picture(solid(QColor(50, 60, 70))));
    c.setEnabledProperty(false);
    QCOMPARE(boxColour(c), box);
    QVERIFY(!boxOf(c.surface().toImage(), Qt::white).isEmpty()); // caption still there
}

void TestCheck::captionStartsAt30_data() {
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<int>("adjustTop");
    QTest::newRow("one line") << false << 0;
    QTest::newRow("multi-line from 0") << true << 0;
    QTest::newRow("multi-line from 12") << true << 12;
}

void TestCheck::captionStartsAt30() {
    QFETCH(bool, multiLine);
    QFETCH(int, adjustTop);
    GlossCheck c;
    prepare(c);
    c.resize(150, 40);
    c.setAllowMultiLine(multiLine);
    c.setAdjustTop(adjustTop);
    c.setCaption(QStringLiteral("Hi"));
    const QRect text = boxOf(c.surface().toImage(), Qt::white);
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.left() >= 30 && text.left() <= 33, qPrintable(QString::number(text.left())));
    if (multiLine) {
        QVERIFY(text.top() >= adjustTop && text.top() <= adjustTop + 6);
    } else {
        // Vertically centred on one line.
        QVERIFY(qAbs(text.center().y() - 20) <= 3);
    }
}

void TestCheck::foreColorRepaintsAtOnce() {
    GlossCheck c;
    prepare(c);
    c.setCaption(QStringLiteral("Colour"));
    const QColor red(255, 0, 0);
    QVERIFY(boxOf(c.surface().toImage(), red).isEmpty());
    c.setForeColor(red);
    QVERIFY(!boxOf(c.surface().toImage(), red).isEmpty());
    QVERIFY(boxOf(c.surface().toImage(), Qt::white).isEmpty());
}

void TestCheck::focusMarks_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("show");
    QTest::addColumn<QRect>("mark");
    QTest::newRow("circle") << 0 << true << QRect(1, 4, 23, 23);
    QTest::newRow("square") << 1 << true << QRect(0, 3, 25, 25);
    QTest::newRow("other type: none") << 5 << true << QRect();
    QTest::newRow("ShowFocus off") << 0 << false << QRect();
}

void TestCheck::focusMarks() {
    QFETCH(int, type);
    QFETCH(bool, show);
    QFETCH(QRect, mark);
    GlossCheck c;
    prepare(c);
    c.setCaption(QString());
    c.setFocusType(GlossCheck::GKChkFocusType(type));
    c.setShowFocus(show);
    c.setFocusColor(QColor(255, 0, 255));
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&c, &in);
    QCOMPARE(boxOf(c.surface().toImage(), QColor(255, 0, 255)), mark);
}

void TestCheck::newAndMissingDefaults() {
    QWidget host;
    auto *c = new GlossCheck(&host);
    c->setObjectName(QStringLiteral("GlossCheck3"));
    c->InitProperties();
    QCOMPARE(c->Caption(), QStringLiteral("GlossCheck3"));
    QCOMPARE(c->FocusColor(), QColor(0, 255, 0));
    QVERIFY(c->PictureDisabled().isNone());
    QVERIFY(c->PictureCheck().isEmpty());
    QCOMPARE(c->BackColor(), oleToColor(0x8000000Fu));

    c->ReadProperties(PropertyBag());
    QCOMPARE(c->Caption(), QString());
    QCOMPARE(c->BackColor(), QColor(0, 0, 0));
    QCOMPARE(c->ForeColor(), QColor(255, 255, 255));
    QVERIFY(c->PictureCheck().isNone());
    QVERIFY(c->Enabled());
}

void TestCheck::missingKeysKeepCurrentValue_data() {
    QTest::addColumn<QString>("bagText");
    QTest::addColumn<bool>("keepsPicture");
    QTest::addColumn<int>("focusType");
    QTest::newRow("neither key") << "Value = 1" << true << 1;
    QTest::newRow("FocusType present") << "FocusType = 0" << true << 0;
    QTest::newRow("PictureDisabled present, empty") << "PictureDisabled = png:" << false << 1;
}

void TestCheck::missingKeysKeepCurrentValue() {
    QFETCH(QString, bagText);
    QFETCH(bool, keepsPicture);
    QFETCH(int, focusType);
    GlossCheck c;
    const Picture own(solid(QColor(50, 60, 70)));
    c.setPictureDisabled(own);
    c.setFocusType(GlossCheck::GKChkNormalSquare);
    c.ReadProperties(PropertyBag::fromText(bagText));
    QCOMPARE(c.PictureDisabled() == own, keepsPicture);
    QCOMPARE(int(c.FocusType()), focusType);
}

void TestCheck::roundTrip() {
    GlossCheck a;
    a.setCaption(QStringLiteral("Round"));
    a.setValue(GlossCheck::GKChecked);
    a.setBackColor(QColor(1, 2, 3));
    a.setForeColor(QColor(4, 5, 6));
    a.setShowFocus(true);
    a.setPictureCheck(solid(Qt::red));
    a.setFocusColor(QColor(7, 8, 9));
    a.setGlossCheckType(GlossCheck::GKCustom);
    a.setFocusType(GlossCheck::GKChkNormalSquare);
    a.setUseSound(true);
    a.setSoundMethod(GlossControl::GKUseSoundEvent);
    a.setAllowMultiLine(true);
    a.setAdjustTop(4);
    PropertyBag bag;
    a.WriteProperties(bag);
    QCOMPARE(bag.keys(),
             QStringList({"Caption", "Value", "BackColor", "ForeColor", "ShowFocus", "PictureCheck",
                          "PictureUncheck", "PicturePushed", "FocusColor", "GlossCheckType",
                          "FocusType", "UseSound", "SoundMethod", "AllowMultiline", "AdjustTop"}));
    GlossCheck b;
    b.ReadProperties(PropertyBag::fromText(bag.toText()));
    QCOMPARE(b.Caption(), QStringLiteral("Round"));
    QCOMPARE(b.Value(), GlossCheck::GKChecked);
    QCOMPARE(b.BackColor(), QColor(1, 2, 3));
    QVERIFY(b.AllowMultiLine());
    QCOMPARE(b.AdjustTop(), 4);
    QCOMPARE(b.FocusType(), GlossCheck::GKChkNormalSquare);
    PropertyBag again;
    b.WriteProperties(again);
    QCOMPARE(again, bag);
}

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
