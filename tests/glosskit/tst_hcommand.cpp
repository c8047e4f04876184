// GlossHCommand: faces at rest and pressed, custom faces, the shine run by TimerInvoke and the
// captions on a disabled bar.

#include "datatable.h"
#include "glosstest.h"
#include "hcommand/glosshcommand.h"

#include <QTest>

using namespace glosstest;

namespace {

const QSize kBar(175, 32);

QColor at(const GlossHCommand &b, int x, int y) {
    return QColor(b.surface().toImage().pixel(x, y));
}

const QColor kRest3(20, 40, 60), kDisabled(120, 120, 120);

// Sampled left of the centre caption and inside the bar, below the rim.
const QPoint kFacePixel(40, 12);

} // namespace

class TestHCommand : public QObject {
    Q_OBJECT
private slots:
    void customFaces_data();
    void customFaces();
    void shineWaitsForAnimation();
    void shineRisesFallsAndRepaints();
    void shineColours_data();
    void shineColours();
    void captionsOnDisabledBar();

private:
    Bitmaps m_faces{{553, solid(kRest3, kBar)},
                    {550, solid(QColor(1, 1, 1), kBar)},
                    {602, solid(kDisabled, kBar)}};
};

void TestHCommand::customFaces_data() {
    columns<bool, bool, bool, QColor>("withPushed", "useOnTop", "pressed", "face");
    const QColor normal(0, 200, 0), pushed(0, 0, 200);
    row("rest", true, true, false, normal);
    row("pressed", true, true, true, pushed);
    row("pressed without PicturePushed", false, true, true, normal);
    row("UseOnTop off", true, false, false, normal);
}

void TestHCommand::customFaces() {
    QFETCH(bool, withPushed);
    QFETCH(bool, useOnTop);
    QFETCH(bool, pressed);
    QFETCH(QColor, face);
    GlossHCommand b;
    b.setCaption(QString());
    b.setGlossStyle(GlossHCommand::GKCustom);
    b.setPictureNormal(solid(QColor(0, 200, 0), kBar));
    b.setPicturePushed(withPushed ? Picture(solid(QColor(0, 0, 200), kBar)) : Picture());
    b.setUseOnTop(useOnTop);
    if (pressed)
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(80, 16));
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), face);
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
    columns<int, QColor>("mode", "colour");
    row("white", 0, QColor(64, 64, 64));
    row("red", 1, QColor(64, 0, 0));
    row("green", 2, QColor(0, 64, 0));
    row("blue", 3, QColor(0, 0, 64));
    row("cyan", 4, QColor(0, 64, 64));
    row("magenta", 5, QColor(64, 0, 64));
    row("yellow", 6, QColor(64, 64, 0));
    row("other: last colour, black", 9, QColor(0, 0, 0));
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
    b.setFontProperty(sharpFont(12));
    b.setCaption(QString());
    b.setLeftCaption(QStringLiteral("L"));
    b.setRightCaption(QStringLiteral("R"));
    b.setLeftColor(QColor(255, 0, 0));
    b.setRightColor(QColor(0, 0, 255));
    b.setPictureDisabled(Picture());
    b.setEnabledProperty(false);
    QCOMPARE(at(b, kFacePixel.x(), kFacePixel.y()), kDisabled);
    const QRect left = boxOf(b, QColor(255, 0, 0)), right = boxOf(b, QColor(0, 0, 255));
    QVERIFY(!left.isEmpty() && !right.isEmpty());
    QVERIFY(left.left() <= 3);
    QVERIFY(right.right() >= 171);
    QVERIFY(qAbs(left.center().y() - 16) <= 2);
}

QTEST_MAIN(TestHCommand)
#include "tst_hcommand.moc"
