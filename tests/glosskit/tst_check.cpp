// GlossCheck: the box it shows in each state, the caption from x = 30, the focus marks and the
// keys a load leaves alone.

#include "check/glosscheck.h"
#include "datatable.h"
#include "glosstest.h"

#include <QTest>

using namespace glosstest;

namespace {

QPixmap boxPicture(QColor c) {
    return solid(c, QSize(24, 24));
}

const QColor kUnchecked(10, 200, 10), kChecked(200, 10, 10), kPushed(10, 10, 200),
    kDisabled(90, 90, 90), kBack(30, 30, 30);

QColor boxColour(const GlossCheck &c) {
    return c.surface().toImage().pixelColor(12, c.height() / 2);
}

void prepare(GlossCheck &c) {
    c.resize(150, 30);
    c.setBackColor(kBack);
    c.setForeColor(Qt::white);
    c.setFontProperty(sharpFont(12));
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT
private slots:
    void customBoxes_data();
    void customBoxes();
    void disabledBox_data();
    void disabledBox();
    void captionStartsAt30_data();
    void captionStartsAt30();
    void focusMarks_data();
    void focusMarks();
    void missingKeysKeepCurrentValue_data();
    void missingKeysKeepCurrentValue();

private:
    Bitmaps m_boxes{{201, boxPicture(kUnchecked)},
                    {202, boxPicture(kChecked)},
                    {203, boxPicture(kPushed)},
                    {204, boxPicture(kDisabled)}};
};

void TestCheck::customBoxes_data() {
    columns<bool, bool, int, bool, QColor>("withCheck", "withPushed", "value", "pressed", "box");
    const QColor x(1, 2, 3), u(4, 5, 6), p(7, 8, 9);
    row("checked", true, true, 1, false, x);
    row("checked without PictureCheck", false, true, 1, false, kBack);
    row("unchecked", true, true, 0, false, u);
    row("pushed", true, true, 0, true, p);
    row("pushed without PicturePushed", true, false, 1, true, u);
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
    c.setPictureUncheck(boxPicture(QColor(4, 5, 6)));
    c.setPictureCheck(withCheck ? Picture(boxPicture(QColor(1, 2, 3))) : Picture());
    c.setPicturePushed(withPushed ? Picture(boxPicture(QColor(7, 8, 9))) : Picture());
    c.setValue(GlossCheck::GKBiState(value));
    if (pressed)
        QTest::mousePress(&c, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(boxColour(c), box);
    // The caption is drawn whatever the box shows.
    QVERIFY(boxOf(c, Qt::white).left() >= 30);
}

void TestCheck::disabledBox_data() {
    // picture: 0 none, 1 empty, 2 image
    columns<int, QColor>("picture", "box");
    row("none: bitmap 204", 0, kDisabled);
    row("empty: no box", 1, kBack);
    row("own picture", 2, QColor(50, 60, 70));
}

void TestCheck::disabledBox() {
    QFETCH(int, picture);
    QFETCH(QColor, box);
    GlossCheck c;
    prepare(c);
    c.setValue(GlossCheck::GKChecked);
    c.setPictureDisabled(picture == 0   ? Picture()
                         : picture == 1 ? Picture::empty()
                                        : Picture(boxPicture(QColor(50, 60, 70))));
    c.setEnabledProperty(false);
    QCOMPARE(boxColour(c), box);
    QVERIFY(!boxOf(c, Qt::white).isEmpty()); // caption still there
}

void TestCheck::captionStartsAt30_data() {
    columns<bool, int>("multiLine", "adjustTop");
    row("one line", false, 0);
    row("multi-line from 0", true, 0);
    row("multi-line from 12", true, 12);
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
    const QRect text = boxOf(c, Qt::white);
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.left() >= 30 && text.left() <= 33, qPrintable(QString::number(text.left())));
    if (multiLine) {
        QVERIFY(text.top() >= adjustTop && text.top() <= adjustTop + 6);
    } else {
        // Vertically centred on one line.
        QVERIFY(qAbs(text.center().y() - 20) <= 3);
    }
}

void TestCheck::focusMarks_data() {
    columns<int, bool, QRect>("type", "show", "mark");
    row("circle", 0, true, QRect(1, 4, 23, 23));
    row("square", 1, true, QRect(0, 3, 25, 25));
    row("other type: none", 5, true, QRect());
    row("ShowFocus off", 0, false, QRect());
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
    focus(&c, true);
    QCOMPARE(boxOf(c, QColor(255, 0, 255)), mark);
}

void TestCheck::missingKeysKeepCurrentValue_data() {
    columns<QString, bool, int>("bagText", "keepsPicture", "focusType");
    row("neither key", "Value = 1", true, 1);
    row("FocusType present", "FocusType = 0", true, 0);
    row("PictureDisabled present, empty", "PictureDisabled = png:", false, 1);
}

void TestCheck::missingKeysKeepCurrentValue() {
    QFETCH(QString, bagText);
    QFETCH(bool, keepsPicture);
    QFETCH(int, focusType);
    GlossCheck c;
    const Picture own(boxPicture(QColor(50, 60, 70)));
    c.setPictureDisabled(own);
    c.setFocusType(GlossCheck::GKChkNormalSquare);
    c.ReadProperties(PropertyBag::fromText(bagText));
    QCOMPARE(c.PictureDisabled() == own, keepsPicture);
    QCOMPARE(int(c.FocusType()), focusType);
}

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
