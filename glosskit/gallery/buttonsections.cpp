// The gallery's sections of the rectangular, bar and check controls.

#include "gallery.h"

#include "check/glosscheck.h"
#include "command/glosscommand.h"
#include "common/glosskit.h"
#include "common/resources.h"
#include "hcommand/glosshcommand.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using namespace glosskit;

namespace {

template <class T> T *make(const char *progId, QWidget *parent = nullptr) {
    return qobject_cast<T *>(createControl(QLatin1String(progId), parent));
}

void holdDown(QWidget *w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(w, &press);
}

void giveFocusMark(QWidget *w) {
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(w, &in);
}

QFont sans(int pt, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"), pt, bold ? QFont::Bold : QFont::Normal);
    return f;
}

QPixmap arrowIcon(QColor colour, bool right) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.setBrush(colour);
    if (right)
        p.drawPolygon(QPolygonF({QPointF(5, 4), QPointF(20, 12), QPointF(5, 20)}));
    else
        p.drawPolygon(QPolygonF({QPointF(19, 4), QPointF(4, 12), QPointF(19, 20)}));
    return pm;
}

// A bar sizes itself by its picture mode; a cell of that size keeps layouts from squeezing it.
QWidget *cell(QWidget *control) {
    auto *c = new QWidget;
    c->setFixedSize(control->size());
    control->setParent(c);
    control->move(0, 0);
    return c;
}

QWidget *labelled(QWidget *control, const QString &text) {
    auto *cell = new QWidget;
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(control, 0, Qt::AlignCenter);
    auto *l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    v->addWidget(l);
    return cell;
}

} // namespace

QWidget *Gallery::commandSection() {
    static const char *const names[] = {"SpiralRainbow",    "CyanWater",   "BlueBubblyWater",
                                        "AuroraZone",       "GreenWater",  "TriColorTemple",
                                        "UnderwaterClouds", "LollipopLand"};
    auto *box = new QGroupBox(QStringLiteral("GlossCommand"));
    auto *grid = new QGridLayout(box);
    grid->setSpacing(6);
    auto command = [](int back, const QString &caption) {
        auto *c = make<GlossCommand>("GlossKit.GlossCommand");
        c->setFixedSize(150, 56);
        c->setPictureMode(GlossControl::RescaleToEdges);
        c->setFontProperty(sans(10));
        // A caption that reads on its face; the shadow only under white.
        const QColor ink = GlossCommand::captionColorFor(back);
        c->setForeColor(ink);
        c->setHasShadow(ink == QColor(Qt::white));
        c->setBackPicture(GlossCommand::GKBackPics(back));
        c->setCaption(caption);
        return c;
    };
    for (int i = 0; i < 8; ++i)
        grid->addWidget(
            labelled(command(i, QLatin1String(names[i])), QStringLiteral("BackPicture %1").arg(i)),
            i / 4, i % 4);

    auto *gradient = command(GlossCommand::GKPictureX1, QStringLiteral("Gradient"));
    grid->addWidget(labelled(gradient, QStringLiteral("8 gradient (2, 2, 1)")), 2, 0);

    auto *warm = command(GlossCommand::GKPictureX1, QStringLiteral("Gradient"));
    warm->setGradientRedDividend(0.6);
    warm->setGradientGreenDividend(1.5);
    warm->setGradientBlueDividend(4);
    grid->addWidget(labelled(warm, QStringLiteral("8 gradient (0.6, 1.5, 4)")), 2, 1);

    auto *pressed = command(GlossCommand::GKCyanWater, QStringLiteral("Pressed"));
    pressed->setPictureGoDown(true);
    pressed->setSideIcon(arrowIcon(QColor(255, 220, 60), false));
    pressed->setSideIconHeight(24);
    holdDown(pressed);
    grid->addWidget(labelled(pressed, QStringLiteral("pressed, go-down")), 2, 2);

    auto *disabled = command(GlossCommand::GKCyanWater, QStringLiteral("Disabled"));
    disabled->setForeColor(QColor(90, 90, 90));
    disabled->setPictureDisabled(Picture()); // none: the library's disabled face
    disabled->setEnabledProperty(false);
    grid->addWidget(labelled(disabled, QStringLiteral("disabled")), 2, 3);

    auto *icons = command(GlossCommand::GKBlueBubblyWater, QStringLiteral("Icons"));
    icons->setSideIcon(arrowIcon(QColor(255, 220, 60), false));
    icons->setRSideIcon(arrowIcon(QColor(255, 220, 60), true));
    icons->setSideIconHeight(24);
    icons->setRSideIconHeight(24);
    icons->setRSideIconWidth(24);
    grid->addWidget(labelled(icons, QStringLiteral("side icons")), 3, 0);

    auto *focus = command(GlossCommand::GKAuroraZone, QStringLiteral("Focused"));
    focus->setShowFocus(true);
    giveFocusMark(focus);
    grid->addWidget(labelled(focus, QStringLiteral("focus, shadow")), 3, 1);

    auto *multi =
        command(GlossCommand::GKGreenWater, QStringLiteral("A caption on more than one line"));
    multi->setAllowMultiLine(true);
    multi->setAdjustTop(6);
    grid->addWidget(labelled(multi, QStringLiteral("multi-line from 6")), 3, 2);

    auto *none = command(GlossCommand::GKPictureX2, QStringLiteral("No face"));
    none->setForeColor(Qt::black);
    none->setHasShadow(false);
    grid->addWidget(labelled(none, QStringLiteral("9: no bitmap")), 3, 3);
    return box;
}

QWidget *Gallery::hcommandSection() {
    static const char *const names[] = {"CyanWater", "BlueWater", "TriColor",   "Crystaline",
                                        "Clouds",    "OldMarble", "TintMarble", "Spectrum"};
    auto *box = new QGroupBox(
        QStringLiteral("GlossHCommand (the top right bar shines, the custom one rolls over)"));
    auto *grid = new QGridLayout(box);
    grid->setSpacing(6);
    auto bar = [](int style, const QString &caption) {
        auto *b = make<GlossHCommand>("GlossKit.GlossHCommand");
        b->setFontProperty(sans(9));
        b->setForeColor(GlossHCommand::captionColorFor(style));
        b->setGlossStyle(GlossHCommand::GKHCommandTypes(style));
        b->setCaption(caption);
        return b;
    };
    for (int i = 0; i < 8; ++i) {
        auto *rest = bar(i, QLatin1String(names[i]));
        auto *down = bar(i, QStringLiteral("pressed"));
        holdDown(down);
        grid->addWidget(cell(rest), i, 0);
        grid->addWidget(cell(down), i, 1);
    }

    auto *shine = bar(GlossHCommand::GKBlueWater, QStringLiteral("Shine"));
    shine->setUseAnimation(true);
    shine->setShineMode(GlossHCommand::GKHCyanShine);
    connect(m_animation, &QTimer::timeout, shine, &GlossHCommand::TimerInvoke);
    auto *again = new QTimer(shine);
    connect(again, &QTimer::timeout, shine, &GlossHCommand::ShineEdges);
    again->start(2400);
    QTimer::singleShot(100, shine, &GlossHCommand::ShineEdges);
    grid->addWidget(cell(shine), 0, 2);

    auto *custom = bar(GlossHCommand::GKCustom, QStringLiteral("Roll-over"));
    custom->setPictureNormal(Picture(resourceBitmap(551)));
    custom->setPictureOver(Picture(resourceBitmap(557)));
    custom->setPicturePushed(Picture(resourceBitmap(561)));
    custom->setUseAnimation(true);
    custom->setUseOnTop(true);
    connect(m_animation, &QTimer::timeout, custom, &GlossHCommand::TimerInvoke);
    // Moves the cursor over it now and then, so the over face comes and goes.
    auto *hover = new QTimer(custom);
    connect(hover, &QTimer::timeout, custom, [custom] {
        QMouseEvent move(QEvent::MouseMove, QPointF(80, 16), QPointF(80, 16), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(custom, &move);
    });
    hover->start(1500);
    QTimer::singleShot(0, hover, [hover] { hover->timeout({}); });
    grid->addWidget(cell(custom), 1, 2);

    static const char *const focusNames[] = {"ClassicIndent", "ColorOutline", "BoldOutline",
                                             "RoundIndent"};
    for (int f = 0; f < 4; ++f) {
        auto *b = bar(f == 3 ? GlossHCommand::GKCrystaline : GlossHCommand::GKTintMarble,
                      QLatin1String(focusNames[f]));
        if (f == 3)
            b->setForeColor(QColor(30, 40, 80));
        b->setFocusStyle(GlossHCommand::GKHCommandFocusStyles(f));
        b->setFocusColor(QColor(255, 230, 60));
        b->setShowFocus(true);
        giveFocusMark(b);
        grid->addWidget(cell(b), 2 + f, 2);
    }

    auto *disabled = bar(GlossHCommand::GKCyanWater, QStringLiteral("Off"));
    disabled->setLeftCaption(QStringLiteral("  L"));
    disabled->setRightCaption(QStringLiteral("R  "));
    disabled->setLeftColor(QColor(0, 0, 140));
    disabled->setRightColor(QColor(140, 0, 0));
    disabled->setForeColor(QColor(80, 80, 80));
    disabled->setPictureDisabled(Picture());
    disabled->setEnabledProperty(false);
    grid->addWidget(cell(disabled), 6, 2);

    auto *half = bar(GlossHCommand::GKSpectrum, QString());
    half->setPictureMode(GlossControl::HalfSize);
    grid->addWidget(cell(half), 7, 2, Qt::AlignCenter);

    auto *dbl = bar(GlossHCommand::GKClouds, QStringLiteral("DoubleSize"));
    dbl->setFontProperty(sans(16));
    dbl->setForeColor(QColor(20, 40, 110));
    dbl->setLeftCaption(QStringLiteral("   <<"));
    dbl->setRightCaption(QStringLiteral(">>   "));
    dbl->setLeftColor(QColor(20, 40, 110));
    dbl->setRightColor(QColor(20, 40, 110));
    dbl->setPictureMode(GlossControl::DoubleSize);
    grid->addWidget(cell(dbl), 8, 0, 1, 3, Qt::AlignCenter);
    return box;
}

QWidget *Gallery::checkSection() {
    auto *box = new QGroupBox(QStringLiteral("GlossCheck"));
    auto *grid = new QGridLayout(box);
    grid->setSpacing(4);
    auto check = [](const QString &caption) {
        auto *c = make<GlossCheck>("GlossKit.GlossCheck");
        c->setFixedSize(190, 30);
        c->setFontProperty(sans(10, false));
        c->setBackColor(QColor(40, 44, 52));
        c->setForeColor(Qt::white);
        c->setCaption(caption);
        return c;
    };
    grid->addWidget(check(QStringLiteral("Unchecked")), 0, 0);
    auto *checked = check(QStringLiteral("Checked"));
    checked->setValue(GlossCheck::GKChecked);
    grid->addWidget(checked, 1, 0);
    auto *pressed = check(QStringLiteral("Pressed"));
    holdDown(pressed);
    grid->addWidget(pressed, 2, 0);
    auto *disabled = check(QStringLiteral("Disabled"));
    disabled->setForeColor(QColor(140, 140, 140));
    disabled->setEnabledProperty(false);
    grid->addWidget(disabled, 3, 0);

    auto *circle = check(QStringLiteral("Focus circle"));
    circle->setShowFocus(true);
    giveFocusMark(circle);
    grid->addWidget(circle, 0, 1);
    auto *square = check(QStringLiteral("Focus square"));
    square->setValue(GlossCheck::GKChecked);
    square->setFocusType(GlossCheck::GKChkNormalSquare);
    square->setShowFocus(true);
    giveFocusMark(square);
    grid->addWidget(square, 1, 1);
    auto *custom = check(QStringLiteral("Custom pictures"));
    custom->setPictureUncheck(Picture(resourceBitmap(30001).scaled(24, 24)));
    custom->setPictureCheck(Picture(resourceBitmap(30002).scaled(24, 24)));
    custom->setGlossCheckType(GlossCheck::GKCustom);
    custom->setValue(GlossCheck::GKChecked);
    grid->addWidget(custom, 2, 1);
    auto *multi = check(QStringLiteral("A longer caption wrapped over two lines"));
    multi->setFixedSize(190, 40);
    multi->setAllowMultiLine(true);
    multi->setAdjustTop(3);
    multi->setFontProperty(sans(9, false));
    grid->addWidget(multi, 3, 1);
    return box;
}
