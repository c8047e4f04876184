#include "glossscreen.h"
#include "../common/glosscontrol_p.h"
#include "../common/resources.h"

namespace glosskit {

namespace {

// One screen type's artwork: the face colour, then the eight pieces in painting order. Positions
// and sizes are expressions of the client size; a strip is drawn only when its condition holds.
struct Piece {
    int id;
    int x, xw; // x = x + xw * W (xw is 0 or 1)
    int y, yh; // y = y + yh * H
    int w, ww; // width = w + ww * W
    int h, hh; // height = h + hh * H
    int minW;  // drawn only when W >= minW (0: always)
    int minH;  // drawn only when H >= minH (0: always)
};

struct ScreenArt {
    QColor face;
    Piece pieces[8];
};

// The thresholds of the two vertical right strips (85 with H - 88, 153 with H - 165, 79 with
// H - 89) are kept as the frames have always been drawn: a screen a few pixels taller than the
// threshold gets its right strip mirrored upward from its top end.
const ScreenArt kArt[3] = {
    {QColor(0, 137, 0),
     {{500, 0, 0, 0, 0, 189, 0, 197, 0, 0, 0},
      {501, 0, 0, -49, 1, 54, 0, 49, 0, 0, 0},
      {502, -66, 1, 0, 0, 66, 0, 50, 0, 0, 0},
      {503, -37, 1, -38, 1, 37, 0, 38, 0, 0, 0},
      {504, 189, 0, 0, 0, -255, 1, 35, 0, 255, 0},
      {505, 54, 0, -34, 1, -91, 1, 34, 0, 91, 0},
      {506, -1, 0, 197, 0, 37, 0, -246, 1, 0, 246},
      {507, -38, 1, 50, 0, 38, 0, -88, 1, 0, 85}}},
    {QColor(0, 138, 128),
     {{510, 0, 0, 0, 0, 189, 0, 175, 0, 0, 0},
      {511, 0, 0, -52, 1, 55, 0, 52, 0, 0, 0},
      {512, -65, 1, 0, 0, 65, 0, 52, 0, 0, 0},
      {513, -133, 1, -114, 1, 133, 0, 114, 0, 0, 0},
      {514, 189, 0, 0, 0, -254, 1, 40, 0, 255, 0},
      {515, 55, 0, -34, 1, -188, 1, 34, 0, 188, 0},
      {516, -1, 0, 175, 0, 36, 0, -227, 1, 0, 227},
      {517, -34, 1, 51, 0, 34, 0, -165, 1, 0, 153}}},
    {QColor(0, 0, 133),
     {{520, 0, 0, 0, 0, 249, 0, 197, 0, 0, 0},
      {521, 0, 0, -47, 1, 50, 0, 47, 0, 0, 0},
      {522, -61, 1, 0, 0, 61, 0, 47, 0, 0, 0},
      {523, -46, 1, -42, 1, 46, 0, 42, 0, 0, 0},
      {524, 249, 0, 0, 0, -310, 1, 36, 0, 310, 0},
      {525, 50, 0, -33, 1, -96, 1, 33, 0, 96, 0},
      {526, -1, 0, 197, 0, 37, 0, -244, 1, 0, 244},
      {527, -36, 1, 47, 0, 36, 0, -89, 1, 0, 79}}},
};

// Stretches a piece into a rectangle; a negative width or height mirrors it about its start.
void drawPiece(QPainter &p, const QPixmap &pixmap, int x, int y, int w, int h) {
    if (pixmap.isNull() || w == 0 || h == 0)
        return;
    p.save();
    p.translate(x, y);
    p.scale(w < 0 ? -1 : 1, h < 0 ? -1 : 1);
    p.drawPixmap(QRect(0, 0, qAbs(w), qAbs(h)), pixmap);
    p.restore();
}

} // namespace

class GlossScreenPrivate : public GlossControlPrivate {
public:
    GlossScreenPrivate()
        : GlossControlPrivate({.size = {300, 300}, .quiet = QuietMouseIcon | QuietMousePointer}) {}

    void persist(Persist &io) override {
        io.integer("BorderStyle", borderStyle, 0);
        io.picture("MouseIcon", mouseIcon);
        io.integer("MousePointer", mousePointer, 0);
        io.enumeration("ScreenType", screenType, 0);
    }

    void applyBorderStyle() {
        // A fixed single border takes one pixel on every side from the client area.
        const int m = borderStyle == 1 ? 1 : 0;
        step([&] { q->setContentsMargins(m, m, m, m); });
    }

    int borderStyle = 0;
    GlossScreen::GKScreenTypes screenType = GlossScreen::GKGreenScreen;
};

GlossScreen::GlossScreen(QWidget *parent) : GlossControl(*new GlossScreenPrivate, parent) {
    initProperties();
}

GlossScreen::~GlossScreen() = default;

QColor GlossScreen::faceColor(int screenType) {
    return screenType >= 0 && screenType < 3 ? kArt[screenType].face : QColor();
}

void GlossScreen::initProperties() {
    d_func()->screenType = GKGreenScreen;
    draw();
}

void GlossScreen::readProperties(const PropertyBag &bag) {
    Q_D(GlossScreen);
    readBag(bag);
    d->applyBorderStyle();
    d->applyCursor();
    draw();
}

int GlossScreen::BorderStyle() const {
    return d_func()->borderStyle;
}

void GlossScreen::setBorderStyle(int style) {
    Q_D(GlossScreen);
    d->set(d->borderStyle, style, &GlossScreen::BorderStyleChanged);
    d->applyBorderStyle();
    d->notify("BorderStyle");
    draw();
}

GLOSS_SHOWN_PROPERTY(GlossScreen, GlossScreen::GKScreenTypes, ScreenType, screenType)

void GlossScreen::onResize() {
    draw();
}

void GlossScreen::paintEvent(QPaintEvent *event) {
    GlossControl::paintEvent(event);
    if (d_func()->borderStyle == 1) {
        step([&] {
            QPainter p(this);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        });
    }
}

// RefreshScreen
void GlossScreen::draw() {
    Q_D(GlossScreen);
    if (d->screenType < 0 || d->screenType > 2) {
        // No artwork for this type: nothing is drawn and the surface keeps what it showed.
        step([&] { d->ensureSurface(); });
        update();
        return;
    }
    d->drawSurface([&](QPainter &p) {
        const int W = d->clientWidth(), H = d->clientHeight();
        const ScreenArt &art = kArt[d->screenType];
        step([&] { p.fillRect(QRect(0, 0, W, H), art.face); });
        for (const Piece &piece : art.pieces) {
            if ((piece.minW && W < piece.minW) || (piece.minH && H < piece.minH))
                continue;
            step([&] {
                drawPiece(p, resourceBitmap(piece.id), piece.x + piece.xw * W,
                          piece.y + piece.yh * H, piece.w + piece.ww * W, piece.h + piece.hh * H);
            });
        }
    });
}

} // namespace glosskit
