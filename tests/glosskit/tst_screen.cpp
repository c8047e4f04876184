// GlossScreen: which piece lands where for each screen type and size, the thresholds as the
// frames have always been drawn, the real artwork at many sizes, border and cursor, key codes.

#include "datatable.h"
#include "glosstest.h"
#include "screen/glossscreen.h"

#include <QTest>

using namespace glosstest;

namespace {

// Every piece of the three frames gets a colour of its own, so that each pixel tells its piece.
QColor pieceColour(int id) {
    return QColor(id % 256, (id * 7) % 256, 255 - id % 100);
}

QPixmap solidPiece(int id) {
    static const QMap<int, QSize> sizes = {
        {500, {189, 197}}, {501, {54, 49}},   {502, {66, 50}}, {503, {37, 38}},   {504, {1, 35}},
        {505, {1, 34}},    {506, {37, 1}},    {507, {38, 1}},  {510, {189, 175}}, {511, {55, 52}},
        {512, {65, 51}},   {513, {133, 114}}, {514, {1, 40}},  {515, {1, 34}},    {516, {36, 1}},
        {517, {34, 1}},    {520, {249, 197}}, {521, {50, 47}}, {522, {61, 47}},   {523, {46, 42}},
        {524, {1, 36}},    {525, {1, 33}},    {526, {37, 1}},  {527, {36, 1}}};
    QPixmap p(sizes.value(id));
    p.fill(pieceColour(id));
    return p;
}

const int kPieces[] = {500, 501, 502, 503, 504, 505, 506, 507, 510, 511, 512, 513,
                       514, 515, 516, 517, 520, 521, 522, 523, 524, 525, 526, 527};

// The extent of one piece's colour.
QRect extentOf(const GlossScreen &s, int id) {
    return glosstest::boxOf(s, pieceColour(id));
}

} // namespace

class TestScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void piecesBySize_data();
    void piecesBySize();
    void mirroredRightStrip_data();
    void mirroredRightStrip();
    void faceColours_data();
    void faceColours();
    void artworkJoinsAtEverySize_data();
    void artworkJoinsAtEverySize();
    void unknownTypeDrawsNothing();
    void borderAndCursor();
    void eventsCarryCodes();
};

void TestScreen::initTestCase() {
    for (int id : kPieces)
        setResourceBitmap(id, solidPiece(id));
}

void TestScreen::cleanupTestCase() {
    for (int id : kPieces)
        setResourceBitmap(id, QPixmap());
}

void TestScreen::piecesBySize_data() {
    // extent: empty when not drawn
    columns<int, QSize, int, QRect>("type", "size", "piece", "extent");
    const QSize square(300, 300);
    row("0: 300 x 300 top left", 0, square, 500, QRect(0, 0, 189, 197));
    row("0: bottom left", 0, square, 501, QRect(0, 251, 54, 49));
    row("0: top right", 0, square, 502, QRect(234, 0, 66, 50));
    row("0: bottom right", 0, square, 503, QRect(263, 262, 37, 38));
    row("0: top strip 45 wide", 0, square, 504, QRect(189, 0, 45, 35));
    row("0: bottom strip 209 wide", 0, square, 505, QRect(54, 266, 209, 34));
    // From x = -1: its first column lies outside.
    row("0: left strip 54 high", 0, square, 506, QRect(0, 197, 36, 54));
    row("0: right strip 212 high", 0, square, 507, QRect(262, 50, 38, 212));
    row("0: 240 wide, no top strip", 0, QSize(240, 300), 504, QRect());
    row("0: 240 wide, bottom strip 149", 0, QSize(240, 300), 505, QRect(54, 266, 149, 34));
    row("0: 255 wide, top strip of width 0", 0, QSize(255, 300), 504, QRect());
    row("0: 245 high, no left strip", 0, QSize(300, 245), 506, QRect());
    row("0: 84 high, no right strip", 0, QSize(300, 84), 507, QRect());
    row("1: 300 x 300 top strip", 1, QSize(300, 300), 514, QRect(189, 0, 46, 40));
    row("1: bottom strip", 1, QSize(300, 300), 515, QRect(55, 266, 112, 34));
    row("1: left strip", 1, QSize(300, 300), 516, QRect(0, 175, 35, 73));
    row("1: right strip", 1, QSize(300, 300), 517, QRect(266, 51, 34, 135));
    row("1: top right is 52 high", 1, QSize(300, 300), 512, QRect(235, 0, 65, 52));
    row("1: 187 wide, no bottom strip", 1, QSize(187, 300), 515, QRect());
    row("2: top strip", 2, QSize(400, 300), 524, QRect(249, 0, 90, 36));
    row("2: 309 wide, no top strip", 2, QSize(309, 300), 524, QRect());
    row("2: bottom strip", 2, QSize(400, 300), 525, QRect(50, 267, 304, 33));
    row("2: left strip", 2, QSize(400, 300), 526, QRect(0, 197, 36, 56));
    row("2: right strip", 2, QSize(400, 300), 527, QRect(364, 47, 36, 211));
}

void TestScreen::piecesBySize() {
    QFETCH(int, type);
    QFETCH(QSize, size);
    QFETCH(int, piece);
    QFETCH(QRect, extent);
    GlossScreen s;
    s.resize(size);
    s.setScreenType(GlossScreen::GKScreenTypes(type));
    QCOMPARE(extentOf(s, piece), extent);
}

void TestScreen::mirroredRightStrip_data() {
    columns<int, int, int, QRect>("type", "height", "piece", "extent");
    // Between the threshold and the full height the strip's height is negative: it is drawn
    // upward from its top end, over the top-right piece.
    row("0 at 86: 2 rows above y 50", 0, 86, 507, QRect(262, 48, 38, 2));
    row("0 at 85: 3 rows", 0, 85, 507, QRect(262, 47, 38, 3));
    row("0 at 88: nothing", 0, 88, 507, QRect());
    row("1 at 160", 1, 160, 517, QRect(266, 46, 34, 5));
    row("1 at 152: not drawn", 1, 152, 517, QRect());
    row("2 at 80", 2, 80, 527, QRect(264, 38, 36, 9));
    row("2 at 78: not drawn", 2, 78, 527, QRect());
}

void TestScreen::mirroredRightStrip() {
    QFETCH(int, type);
    QFETCH(int, height);
    QFETCH(int, piece);
    QFETCH(QRect, extent);
    GlossScreen s;
    s.resize(300, height);
    s.setScreenType(GlossScreen::GKScreenTypes(type));
    QCOMPARE(extentOf(s, piece), extent);
}

void TestScreen::faceColours_data() {
    columns<int, QColor>("type", "colour");
    row("green", 0, QColor(0, 137, 0));
    row("cyan", 1, QColor(0, 138, 128));
    row("blue", 2, QColor(0, 0, 133));
}

void TestScreen::faceColours() {
    QFETCH(int, type);
    QFETCH(QColor, colour);
    GlossScreen s;
    s.resize(600, 500);
    s.setScreenType(GlossScreen::GKScreenTypes(type));
    QCOMPARE(s.surface().toImage().pixelColor(300, 250), colour);
}

void TestScreen::artworkJoinsAtEverySize_data() {
    columns<int, QSize>("type", "size");
    const QSize sizes[] = {{330, 250}, {300, 300}, {600, 420}, {240, 120},
                           {110, 86},  {241, 193}, {86, 88}};
    for (int type = 0; type < 3; ++type)
        for (const QSize &size : sizes)
            QTest::addRow("type %d, %d x %d", type, size.width(), size.height()) << type << size;
}

// The real artwork, at sizes where the pieces overlap or leave the strips to fill between them:
// the frame is four battens of one width whose shading runs only across them (the top one up to
// the right batten, the right one down to the bottom batten, the bottom one across the whole
// width, the left one between), solid to the corners, and the glass inside is never darker
// than the face.
void TestScreen::artworkJoinsAtEverySize() {
    QFETCH(int, type);
    QFETCH(QSize, size);
    struct RealArtwork {
        RealArtwork() {
            for (int id : kPieces)
                setResourceBitmap(id, QPixmap());
        }
        ~RealArtwork() {
            for (int id : kPieces)
                setResourceBitmap(id, solidPiece(id));
        }
    } real;
    GlossScreen s;
    s.resize(size);
    s.setScreenType(GlossScreen::GKScreenTypes(type));
    const QImage img = s.surface().toImage();
    const int W = size.width(), H = size.height(), b = 24;
    const QColor face = GlossScreen::faceColor(type);
    const auto check = [&](int x, int y, int rx, int ry, const char *batten) {
        if (img.pixel(x, y) != img.pixel(rx, ry))
            QFAIL(qPrintable(QStringLiteral("%1 batten at (%2, %3) differs from (%4, %5)")
                                 .arg(QLatin1String(batten))
                                 .arg(x)
                                 .arg(y)
                                 .arg(rx)
                                 .arg(ry)));
    };
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (y >= H - b)
                check(x, y, 0, y, "bottom");
            else if (x >= W - b)
                check(x, y, x, 0, "right");
            else if (y < b)
                check(x, y, 0, y, "top");
            else if (x < b)
                check(x, y, x, b, "left");
            else {
                const QColor c = img.pixelColor(x, y);
                QVERIFY2(c.red() >= face.red() && c.green() >= face.green() &&
                             c.blue() >= face.blue(),
                         qPrintable(QStringLiteral("glass at (%1, %2)").arg(x).arg(y)));
            }
            if (QTest::currentTestFailed())
                return;
        }
    }
    // The corners are the frame's, tinted like it: no glass, no grey case showing.
    for (QPoint corner : {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)}) {
        const QColor c = img.pixelColor(corner);
        const int spread =
            std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
        QVERIFY(c != face && spread > 20);
    }
}

void TestScreen::unknownTypeDrawsNothing() {
    GlossScreen s;
    s.resize(300, 300);
    const int before = s.refreshCount();
    s.setScreenType(GlossScreen::GKScreenTypes(3));
    QCOMPARE(s.refreshCount(), before);
    // What type 0 drew stays.
    QCOMPARE(s.surface().toImage().pixelColor(240, 230), GlossScreen::faceColor(0));
    s.resize(400, 400); // the new area gets no face colour
    QVERIFY(s.surface().toImage().pixelColor(350, 350) != GlossScreen::faceColor(0));
}

void TestScreen::borderAndCursor() {
    GlossScreen s;
    s.resize(300, 300);
    s.show();
    s.setMousePointer(2);
    QCOMPARE(s.cursor().shape(), Qt::CrossCursor);
    s.setBorderStyle(1);
    QCOMPARE(s.surface().size(), QSize(298, 298)); // the line takes a pixel on each side
    QCOMPARE(s.grab().toImage().pixelColor(0, 150), QColor(Qt::black));
}

// Keys and mouse reach the host with the container's codes and shift state.
void TestScreen::eventsCarryCodes() {
    GlossScreen s;
    s.resize(300, 300);
    QStringList log;
    connect(&s, &GlossControl::MouseDown, this, [&](short b, short sh, float x, float y) {
        log << QStringLiteral("MouseDown %1 %2 %3 %4").arg(b).arg(sh).arg(x).arg(y);
    });
    connect(&s, &GlossControl::KeyDown, this,
            [&](short &k, short sh) { log << QStringLiteral("KeyDown %1 %2").arg(k).arg(sh); });
    const int before = s.refreshCount();
    QTest::mouseClick(&s, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 50));
    QTest::keyPress(&s, Qt::Key_F1, Qt::ControlModifier);
    // Ctrl goes down first (17), then F1 (112) with Ctrl held.
    QCOMPARE(log, (QStringList{"MouseDown 2 1 40 50", "KeyDown 17 2", "KeyDown 112 2"}));
    QCOMPARE(s.refreshCount(), before); // nothing else happens
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
