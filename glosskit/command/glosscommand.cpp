#include "../common/drawing.h"
#include "glosscommand_p.h"

namespace glosskit {

namespace {

constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;

} // namespace

GlossCommandPrivate::GlossCommandPrivate()
    : GlossControlPrivate({.size = {250, 100}, .keys = ButtonKeys::BeforeHost}) {}

void GlossCommandPrivate::persist(Persist &io) {
    io.integer("hWnd", hwnd, 0);
    io.enumeration("BackPicture", backPicture, 0);
    io.text("Caption", caption, QString());
    io.ole("ForeColor", foreColor, kWhite);
    io.fontName("FontName", QStringLiteral("Arial"));
    io.fontSize("FontSize", 20);
    io.fontStyle("FontBold", Persist::Bold);
    io.fontStyle("FontItalic", Persist::Italic);
    io.fontStyle("FontStrikethru", Persist::Strikethru);
    io.fontStyle("FontUnderline", Persist::Underline);
    // Read after the single font keys, so it wins over them.
    io.font("Font");
    io.picture("SideIcon", sideIcon);
    io.picture("RSideIcon", rSideIcon);
    io.enabled("Enabled");
    io.boolean("ShowFocus", showFocus, false);
    io.boolean("HasShadow", hasShadow, false);
    io.color("ShadowColor", shadowColor, 0);
    io.enumeration("PictureMode", pictureMode, 0);
    io.picture("PictureNormal", pictureNormal);
    io.picture("PictureDisabled", pictureDisabled);
    io.boolean("PictureGoDown", pictureGoDown, false);
    io.boolean("AllowMultiLine", allowMultiLine, false);
    io.integer("AdjustTop", adjustTop, 0);
    io.single("SideIconHeight", sideIconHeight, 32);
    io.single("RSideIconWidth", rSideIconWidth, 32);
    io.single("RSideIconHeight", rSideIconHeight, 32);
    io.text("ShortCutKey", shortCutKey, QString());
    io.single("GradientRedDividend", redDividend, 2);
    io.single("GradientGreenDividend", greenDividend, 2);
    io.single("GradientBlueDividend", blueDividend, 1);
    io.boolean("UseSound", useSound, false);
    io.enumeration("SoundMethod", soundMethod, 0);
}

void GlossCommandPrivate::measure() {
    isNarrow = clientWidth() <= 255;
}

void GlossCommandPrivate::rebuildGradientIfShown() {
    // The size may have changed before the control heard of it (a hidden control learns of its
    // size only when shown).
    measure();
    if (backPicture == GlossCommand::GKPictureX1)
        BuildGradient(clientWidth() - 2, clientHeight() - 2);
}

GlossCommand::GlossCommand(QWidget *parent) : GlossControl(*new GlossCommandPrivate, parent) {
    d_func()->playSound = [this](GKSoundType t) { emit PlaySound(t); };
    d_func()->isNarrow = width() <= 255;
    initProperties();
}

GlossCommand::~GlossCommand() = default;

// --- persistence ---------------------------------------------------------------------------

void GlossCommand::initProperties() {
    Q_D(GlossCommand);
    d->hwnd = 0;
    d->backPicture = GKSpiralRainbow;
    d->caption = d->instanceName();
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    d->foreColor = kButtonText;
    d->pictureDisabled = Picture::empty();
    d->pictureNormal = Picture::empty();
    // The divisors are set through their setters.
    setGradientRedDividend(2);
    setGradientGreenDividend(2);
    setGradientBlueDividend(1);
    d->pictureGoDown = false;
    d->hasShadow = false;
    d->sideIconHeight = d->rSideIconHeight = d->rSideIconWidth = 32;
    draw();
}

void GlossCommand::readProperties(const PropertyBag &bag) {
    Q_D(GlossCommand);
    readBag(bag);
    d->applyAccessKeys(d->shortCutKey);
    d->rebuildGradientIfShown();
    draw();
}

// --- properties ----------------------------------------------------------------------------

GLOSS_FIELD_PROPERTY(GlossCommand, bool, HasShadow, hasShadow)
GLOSS_FIELD_PROPERTY(GlossCommand, QColor, ShadowColor, shadowColor)

int GlossCommand::hwnd() const {
    return d_func()->hwnd;
}

void GlossCommand::setHwnd(int value) {
    Q_D(GlossCommand);
    d->set(d->hwnd, value, &GlossCommand::hwndChanged);
    d->notify("hwnd");
}

GlossCommand::GKBackPics GlossCommand::BackPicture() const {
    return d_func()->backPicture;
}

void GlossCommand::setBackPicture(GKBackPics picture) {
    Q_D(GlossCommand);
    d->set(d->backPicture, picture, &GlossCommand::BackPictureChanged);
    d->rebuildGradientIfShown();
    d->notify("BackPicture");
    draw();
}

// The sizes of the side pictures, bounded to the pixels a picture can have.
#define GLOSS_SIDE_ICON_SIZE(Name, field)                                                          \
    double GlossCommand::Name() const {                                                            \
        return d_func()->field;                                                                    \
    }                                                                                              \
    void GlossCommand::set##Name(double v) {                                                       \
        d_func()->setShown(d_func()->field, PropertyBag::boundPixels(v), #Name,                    \
                           &GlossCommand::Name##Changed);                                          \
    }
GLOSS_SIDE_ICON_SIZE(SideIconHeight, sideIconHeight)
GLOSS_SIDE_ICON_SIZE(RSideIconHeight, rSideIconHeight)
GLOSS_SIDE_ICON_SIZE(RSideIconWidth, rSideIconWidth)
#undef GLOSS_SIDE_ICON_SIZE

// A divisor of the gradient; a new one rebuilds the gradient while it is shown.
#define GLOSS_DIVIDEND_PROPERTY(Name, field)                                                       \
    double GlossCommand::Name() const {                                                            \
        return d_func()->field;                                                                    \
    }                                                                                              \
    void GlossCommand::set##Name(double v) {                                                       \
        Q_D(GlossCommand);                                                                         \
        d->set(d->field, v, &GlossCommand::Name##Changed);                                         \
        d->rebuildGradientIfShown();                                                               \
        d->notify(#Name);                                                                          \
        draw();                                                                                    \
    }
GLOSS_DIVIDEND_PROPERTY(GradientRedDividend, redDividend)
GLOSS_DIVIDEND_PROPERTY(GradientGreenDividend, greenDividend)
GLOSS_DIVIDEND_PROPERTY(GradientBlueDividend, blueDividend)
#undef GLOSS_DIVIDEND_PROPERTY

GLOSS_SHOWN_PROPERTY(GlossCommand, Picture, SideIcon, sideIcon)
GLOSS_SHOWN_PROPERTY(GlossCommand, Picture, RSideIcon, rSideIcon)
GLOSS_SHOWN_PROPERTY(GlossCommand, bool, PictureGoDown, pictureGoDown)

bool GlossCommand::isNarrow() const {
    return d_func()->isNarrow;
}

QPixmap GlossCommand::gradientPicture() const {
    return d_func()->gradientPicture;
}

// --- events --------------------------------------------------------------------------------

void GlossCommand::onFocusChanged(bool focus) {
    Q_D(GlossCommand);
    d->hasFocus = focus;
    if (d->showFocus)
        draw();
}

void GlossCommand::onPaint() {
    // A full repaint starts from the cleared window, as after an exposure.
    d_func()->clearSurface(systemColor(ButtonFace));
    draw();
}

void GlossCommand::onResize() {
    Q_D(GlossCommand);
    d->measure();
    if (d->backPicture == GKPictureX1)
        d->BuildGradient(d->clientWidth() - 2, d->clientHeight() - 2);
}

} // namespace glosskit
