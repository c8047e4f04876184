#include "glosshcommand_p.h"

namespace glosskit {

namespace {

constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kGreen = 0x00FF00u;

// The bar: 175 x 32 at rest, 88 x 16 at half size, 350 x 64 at double and one and a half size,
// stretched in modes 1 and 2.
const Shape kBar = {
    700, {{700, {175, 32}}, {}, {}, {701, {88, 16}}, {702, {350, 64}}, {702, {350, 64}}}};

} // namespace

GlossHCommandPrivate::GlossHCommandPrivate()
    : GlossControlPrivate({.size = {175, 32},
                           .keys = ButtonKeys::AfterHost,
                           .rollOver = RollOver::Bar,
                           .shape = &kBar}) {}

void GlossHCommandPrivate::persist(Persist &io) {
    io.enabled("Enabled");
    io.font("Font");
    io.fontStyle("FontBold", Persist::Bold);
    io.fontStyle("FontItalic", Persist::Italic);
    io.fontName("FontName", QString());
    io.fontSize("FontSize", 0);
    io.fontStyle("FontStrikethru", Persist::Strikethru);
    io.fontStyle("FontUnderline", Persist::Underline);
    io.ole("ForeColor", foreColor, kButtonText);
    io.picture("MouseIcon", mouseIcon);
    io.integer("MousePointer", mousePointer, 0);
    io.enumeration("GlossStyle", glossStyle, 0);
    io.text("Caption", caption, QStringLiteral("0"));
    io.boolean("ShowFocus", showFocus, false);
    io.enumeration("FocusStyle", focusStyle, 0);
    io.picture("PictureNormal", pictureNormal);
    io.picture("PictureOver", pictureOver);
    io.picture("PictureOver2", pictureOver2);
    io.picture("PicturePushed", picturePushed);
    io.picture("PictureDisabled", pictureDisabled);
    io.color("FocusColor", focusColor, kGreen);
    io.enumeration("PictureMode", pictureMode, 0);
    io.boolean("UseAnimation", useAnimation, true);
    io.enumeration("ShineMode", shineMode, 0);
    io.boolean("UseOnTop", useOnTop, true);
    io.text("ShortCutKey", shortCutKey, QString());
    io.text("LeftCaption", leftCaption, QString());
    io.text("RightCaption", rightCaption, QString());
    io.color("LeftColor", leftColor, 0);
    io.color("RightColor", rightColor, 0);
    io.boolean("UseSound", useSound, false);
    io.enumeration("SoundMethod", soundMethod, 0);
    // Read as "AllowMultiline"; keys are found whatever their case.
    io.boolean("AllowMultiLine", allowMultiLine, false);
    io.integer("AdjustTop", adjustTop, 0);
}

GlossHCommand::GlossHCommand(QWidget *parent) : GlossControl(*new GlossHCommandPrivate, parent) {
    d_func()->playSound = [this](GKSoundType t) { emit PlaySound(t); };
    initProperties();
}

GlossHCommand::~GlossHCommand() = default;

// --- persistence ---------------------------------------------------------------------------

void GlossHCommand::initProperties() {
    Q_D(GlossHCommand);
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    d->glossStyle = GKCyanWater;
    d->caption = d->instanceName();
    d->showFocus = false;
    d->focusStyle = GKHClassicIndent;
    d->pictureDisabled = Picture::empty();
    d->picturePushed = Picture::empty();
    d->pictureOver = Picture::empty();
    d->pictureNormal = Picture::empty();
    d->pictureOver2 = Picture();
    d->focusColor = oleToColor(kGreen);
    d->foreColor = kButtonText;
    refresh();
}

void GlossHCommand::readProperties(const PropertyBag &bag) {
    Q_D(GlossHCommand);
    readBag(bag);
    d->applyCursor();
    d->applyAccessKeys(d->shortCutKey);
    refresh();
    d->updateMask();
}

// --- properties ----------------------------------------------------------------------------

GLOSS_SHOWN_PROPERTY(GlossHCommand, GlossHCommand::GKHShineModes, ShineMode, shineMode)
GLOSS_SHOWN_PROPERTY(GlossHCommand, QColor, LeftColor, leftColor)
GLOSS_SHOWN_PROPERTY(GlossHCommand, QColor, RightColor, rightColor)
GLOSS_SHOWN_PROPERTY(GlossHCommand, GlossHCommand::GKHCommandTypes, GlossStyle, glossStyle)
GLOSS_SHOWN_PROPERTY(GlossHCommand, QString, LeftCaption, leftCaption)
GLOSS_SHOWN_PROPERTY(GlossHCommand, QString, RightCaption, rightCaption)
GLOSS_SHOWN_PROPERTY(GlossHCommand, GlossHCommand::GKHCommandFocusStyles, FocusStyle, focusStyle)

short GlossHCommand::shinePhase() const {
    return d_func()->shinePhase;
}

short GlossHCommand::shineLevel() const {
    return d_func()->shineLevel;
}

// --- events: the bar raises the mouse events before it changes its state ---------------------

void GlossHCommand::onMouseDown(short button, short shift, float x, float y) {
    Q_D(GlossHCommand);
    step([&] { emit MouseDown(button, shift, x, y); });
    d->sound(true);
    d->isPressed = true;
    refresh();
}

void GlossHCommand::onMouseUp(short button, short shift, float x, float y) {
    Q_D(GlossHCommand);
    step([&] { emit MouseUp(button, shift, x, y); });
    d->sound(false);
    d->isPressed = false;
    refresh();
}

void GlossHCommand::onClick() {
    refresh();
    GlossControl::onClick();
}

void GlossHCommand::onDblClick() {
    refresh();
    GlossControl::onDblClick();
}

void GlossHCommand::onKeyPress(short keyAscii) {
    GlossControl::onKeyPress(keyAscii);
    refresh();
}

// --- roll-over and shine -------------------------------------------------------------------

QColor GlossHCommand::shineColor(int mode, int level, const QColor &previous) {
    const int l = qBound(0, level, 255);
    switch (mode) {
    case GKHWhiteShine:
        return QColor(l, l, l);
    case GKHRedShine:
        return QColor(l, 0, 0);
    case GKHGreenShine:
        return QColor(0, l, 0);
    case GKHBlueShine:
        return QColor(0, 0, l);
    case GKHCyanShine:
        return QColor(0, l, l);
    case GKHMagentaShine:
        return QColor(l, 0, l);
    case GKHYellowShine:
        return QColor(l, l, 0);
    default:
        return previous;
    }
}

void GlossHCommand::ShineEdges() {
    d_func()->shinePhase = 1;
}

void GlossHCommand::TimerInvoke() {
    Q_D(GlossHCommand);
    if (!d->useAnimation)
        return;
    if (d->glossStyle == GKCustom && d->useOnTop)
        d->hoverTick();
    auto rim = [d] {
        d->shineColor = shineColor(d->shineMode, d->shineLevel, d->shineColor);
        d->drawSurface([&](QPainter &p) {
            d->drawRim(p, d->clientWidth(), d->clientHeight(), d->shineColor);
        });
    };
    switch (d->shinePhase) {
    case 1:
        d->shineLevel = short(d->shineLevel + 32);
        if (d->shineLevel >= 255) {
            d->shineLevel = 255;
            d->shinePhase = 2;
        }
        rim();
        break;
    case 2:
        d->shineLevel = short(d->shineLevel - 32);
        if (d->shineLevel < 1) {
            d->shineLevel = 0;
            d->shinePhase = 32;
        }
        rim();
        break;
    case 32:
        d->shinePhase = 0;
        d->shineLevel = 0;
        refresh();
        break;
    default:
        break;
    }
}

} // namespace glosskit
