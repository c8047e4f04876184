#include "glosscommand.h"
#include "../common/drawing.h"
#include "../common/resources.h"

#include <cmath>

namespace glosskit {

namespace {

constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;

} // namespace

GlossCommand::GlossCommand(QWidget *parent) : GlossControl(parent) {
    setFocusPolicy(Qt::StrongFocus);
    resize(250, 100);
    m_isNarrow = width() <= 255;
    InitProperties();
}

// --- persistence ---------------------------------------------------------------------------

void GlossCommand::InitProperties() {
    m_hwnd = 0;
    m_backPicture = GKSpiralRainbow;
    m_caption = instanceName();
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    m_foreColor = kButtonText;
    m_pictureDisabled = Picture::empty();
    m_pictureNormal = Picture::empty();
    setGradientRedDividend(2);
    setGradientGreenDividend(2);
    setGradientBlueDividend(1);
    m_pictureGoDown = false;
    m_hasShadow = false;
    m_sideIconHeight = m_rSideIconHeight = m_rSideIconWidth = 32;
    RefreshCommand();
}

void GlossCommand::ReadProperties(const PropertyBag &bag) {
    m_hwnd = bag.readInt(QStringLiteral("hWnd"), 0);
    m_backPicture = GKBackPics(bag.readInt(QStringLiteral("BackPicture"), 0));
    m_caption = bag.readString(QStringLiteral("Caption"), QString());
    m_foreColor = bag.readColor(QStringLiteral("ForeColor"), kWhite);
    step([&] {
        // The single font keys are applied first; the Font key read after them wins.
        QFont f = font();
        const QString name = bag.readString(QStringLiteral("FontName"), QStringLiteral("Arial"));
        if (!name.isEmpty())
            f.setFamily(name);
        const double size = bag.readSingle(QStringLiteral("FontSize"), 20);
        if (size > 0)
            f.setPointSizeF(size);
        f.setBold(bag.readBool(QStringLiteral("FontBold"), false));
        f.setItalic(bag.readBool(QStringLiteral("FontItalic"), false));
        f.setStrikeOut(bag.readBool(QStringLiteral("FontStrikethru"), false));
        f.setUnderline(bag.readBool(QStringLiteral("FontUnderline"), false));
        setFont(f);
        setFont(bag.readFont(QStringLiteral("Font"), ambientFont()));
    });
    m_sideIcon = bag.readPicture(QStringLiteral("SideIcon"), Picture());
    m_rSideIcon = bag.readPicture(QStringLiteral("RSideIcon"), Picture());
    step([&] { setEnabled(bag.readBool(QStringLiteral("Enabled"), true)); });
    m_showFocus = bag.readBool(QStringLiteral("ShowFocus"), false);
    m_hasShadow = bag.readBool(QStringLiteral("HasShadow"), false);
    m_shadowColor = oleToColor(bag.readColor(QStringLiteral("ShadowColor"), 0));
    m_pictureMode = GKPicStyles(bag.readInt(QStringLiteral("PictureMode"), 0));
    m_pictureNormal = bag.readPicture(QStringLiteral("PictureNormal"), Picture());
    m_pictureDisabled = bag.readPicture(QStringLiteral("PictureDisabled"), Picture());
    m_pictureGoDown = bag.readBool(QStringLiteral("PictureGoDown"), false);
    m_allowMultiLine = bag.readBool(QStringLiteral("AllowMultiLine"), false);
    m_adjustTop = bag.readInt(QStringLiteral("AdjustTop"), 0);
    m_sideIconHeight = bag.readSingle(QStringLiteral("SideIconHeight"), 32);
    m_rSideIconWidth = bag.readSingle(QStringLiteral("RSideIconWidth"), 32);
    m_rSideIconHeight = bag.readSingle(QStringLiteral("RSideIconHeight"), 32);
    m_shortCutKey = bag.readString(QStringLiteral("ShortCutKey"), QString());
    m_redDividend = bag.readSingle(QStringLiteral("GradientRedDividend"), 2);
    m_greenDividend = bag.readSingle(QStringLiteral("GradientGreenDividend"), 2);
    m_blueDividend = bag.readSingle(QStringLiteral("GradientBlueDividend"), 1);
    m_useSound = bag.readBool(QStringLiteral("UseSound"), false);
    m_soundMethod = GKSoundMethod(bag.readInt(QStringLiteral("SoundMethod"), 0));
    applyAccessKeys(m_shortCutKey);
    m_isNarrow = clientWidth() <= 255;
    if (m_backPicture == GKPictureX1)
        BuildGradient(clientWidth() - 2, clientHeight() - 2);
    RefreshCommand();
}

void GlossCommand::WriteProperties(PropertyBag &bag) {
    step([&] {
        const QFont f = font();
        bag.writeInt(QStringLiteral("hWnd"), m_hwnd, 0);
        bag.writeInt(QStringLiteral("BackPicture"), m_backPicture, 0);
        bag.writeString(QStringLiteral("Caption"), m_caption, QString());
        bag.writeColor(QStringLiteral("ForeColor"), m_foreColor, kWhite);
        bag.writeString(QStringLiteral("FontName"), f.family(), QStringLiteral("Arial"));
        bag.writeSingle(QStringLiteral("FontSize"), f.pointSizeF(), 20);
        bag.writeBool(QStringLiteral("FontBold"), f.bold(), false);
        bag.writeBool(QStringLiteral("FontItalic"), f.italic(), false);
        bag.writeBool(QStringLiteral("FontStrikethru"), f.strikeOut(), false);
        bag.writeBool(QStringLiteral("FontUnderline"), f.underline(), false);
        bag.writeFont(QStringLiteral("Font"), f, ambientFont());
        bag.writePicture(QStringLiteral("SideIcon"), m_sideIcon, Picture());
        bag.writePicture(QStringLiteral("RSideIcon"), m_rSideIcon, Picture());
        bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
        bag.writeBool(QStringLiteral("ShowFocus"), m_showFocus, false);
        bag.writeBool(QStringLiteral("HasShadow"), m_hasShadow, false);
        bag.writeColor(QStringLiteral("ShadowColor"), colorToOle(m_shadowColor), 0);
        bag.writeInt(QStringLiteral("PictureMode"), m_pictureMode, 0);
        bag.writePicture(QStringLiteral("PictureNormal"), m_pictureNormal, Picture());
        bag.writePicture(QStringLiteral("PictureDisabled"), m_pictureDisabled, Picture());
        bag.writeBool(QStringLiteral("PictureGoDown"), m_pictureGoDown, false);
        bag.writeBool(QStringLiteral("AllowMultiLine"), m_allowMultiLine, false);
        bag.writeInt(QStringLiteral("AdjustTop"), m_adjustTop, 0);
        bag.writeSingle(QStringLiteral("SideIconHeight"), m_sideIconHeight, 32);
        bag.writeSingle(QStringLiteral("RSideIconWidth"), m_rSideIconWidth, 32);
        bag.writeSingle(QStringLiteral("RSideIconHeight"), m_rSideIconHeight, 32);
        bag.writeString(QStringLiteral("ShortCutKey"), m_shortCutKey, QString());
        bag.writeSingle(QStringLiteral("GradientRedDividend"), m_redDividend, 2);
        bag.writeSingle(QStringLiteral("GradientGreenDividend"), m_greenDividend, 2);
        bag.writeSingle(QStringLiteral("GradientBlueDividend"), m_blueDividend, 1);
        bag.writeBool(QStringLiteral("UseSound"), m_useSound, false);
        bag.writeInt(QStringLiteral("SoundMethod"), m_soundMethod, 0);
    });
}

// --- property setters ----------------------------------------------------------------------

void GlossCommand::setHwnd(int value) {
    m_hwnd = value;
    notifyChanged("hwnd");
}

void GlossCommand::setBackPicture(GKBackPics picture) {
    m_backPicture = picture;
    rebuildGradientIfShown();
    notifyChanged("BackPicture");
    RefreshCommand();
}

void GlossCommand::setCaption(const QString &caption) {
    m_caption = caption;
    notifyChanged("Caption");
    RefreshCommand();
}

void GlossCommand::setShortCutKey(const QString &keys) {
    m_shortCutKey = keys;
    notifyChanged("ShortCutKey");
    applyAccessKeys(keys);
}

#define GLOSS_VALUE_SETTER(Name, Type, member, extra)                                              \
    void GlossCommand::set##Name(Type v) {                                                         \
        member = v;                                                                                \
        extra;                                                                                     \
        notifyChanged(#Name);                                                                      \
        RefreshCommand();                                                                          \
    }
GLOSS_VALUE_SETTER(SideIconHeight, double, m_sideIconHeight,
                   m_sideIconHeight = PropertyBag::boundPixels(m_sideIconHeight))
GLOSS_VALUE_SETTER(RSideIconHeight, double, m_rSideIconHeight,
                   m_rSideIconHeight = PropertyBag::boundPixels(m_rSideIconHeight))
GLOSS_VALUE_SETTER(RSideIconWidth, double, m_rSideIconWidth,
                   m_rSideIconWidth = PropertyBag::boundPixels(m_rSideIconWidth))
GLOSS_VALUE_SETTER(GradientRedDividend, double, m_redDividend, rebuildGradientIfShown())
GLOSS_VALUE_SETTER(GradientGreenDividend, double, m_greenDividend, rebuildGradientIfShown())
GLOSS_VALUE_SETTER(GradientBlueDividend, double, m_blueDividend, rebuildGradientIfShown())
GLOSS_VALUE_SETTER(SideIcon, const Picture &, m_sideIcon, (void)0)
GLOSS_VALUE_SETTER(RSideIcon, const Picture &, m_rSideIcon, (void)0)
GLOSS_VALUE_SETTER(PictureMode, GKPicStyles, m_pictureMode, (void)0)
GLOSS_VALUE_SETTER(PictureNormal, const Picture &, m_pictureNormal, (void)0)
GLOSS_VALUE_SETTER(PictureDisabled, const Picture &, m_pictureDisabled, (void)0)
GLOSS_VALUE_SETTER(PictureGoDown, bool, m_pictureGoDown, (void)0)
#undef GLOSS_VALUE_SETTER

QColor GlossCommand::ForeColor() const {
    return oleToColor(m_foreColor);
}

void GlossCommand::setForeColor(const QColor &color) {
    // While the caption's shadow is being drawn the foreground belongs to the shadow.
    if (m_drawingShadow)
        return;
    m_foreColor = colorToOle(color);
    notifyChanged("ForeColor");
    RefreshCommand();
}

void GlossCommand::changeFont(const std::function<void(QFont &)> &change, const char *name) {
    step([&] {
        QFont f = font();
        change(f);
        setFont(f);
    });
    notifyChanged(name);
    RefreshCommand();
}

void GlossCommand::setFontName(const QString &name) {
    // An empty name is not a font: the font stays as it was.
    changeFont(
        [&](QFont &f) {
            if (!name.isEmpty())
                f.setFamily(name);
        },
        "FontName");
}

void GlossCommand::setFontSize(double size) {
    changeFont(
        [&](QFont &f) {
            if (size > 0 && std::isfinite(size))
                f.setPointSizeF(size);
        },
        "FontSize");
}

void GlossCommand::setFontBold(bool on) {
    changeFont([&](QFont &f) { f.setBold(on); }, "FontBold");
}

void GlossCommand::setFontItalic(bool on) {
    changeFont([&](QFont &f) { f.setItalic(on); }, "FontItalic");
}

void GlossCommand::setFontStrikethru(bool on) {
    changeFont([&](QFont &f) { f.setStrikeOut(on); }, "FontStrikethru");
}

void GlossCommand::setFontUnderline(bool on) {
    changeFont([&](QFont &f) { f.setUnderline(on); }, "FontUnderline");
}

void GlossCommand::setFontProperty(const QFont &font) {
    changeFont([&](QFont &f) { f = font; }, "Font");
}

void GlossCommand::setEnabledProperty(bool enabled) {
    step([&] { setEnabled(enabled); }); // repaints through the change of state
    notifyChanged("Enabled");
    RefreshCommand();
}

// --- container events ----------------------------------------------------------------------

void GlossCommand::pressSound(bool press) {
    sound(press, m_useSound, m_soundMethod, [this](GKSoundType t) { emit PlaySound(t); });
}

void GlossCommand::onMouseDown(short button, short shift, float x, float y) {
    m_isPressed = true;
    pressSound(true);
    RefreshCommand();
    GlossControl::onMouseDown(button, shift, x, y);
}

void GlossCommand::onMouseUp(short button, short shift, float x, float y) {
    m_isPressed = false;
    pressSound(false);
    RefreshCommand();
    GlossControl::onMouseUp(button, shift, x, y);
}

void GlossCommand::onKeyDown(short &keyCode, short shift) {
    // The key is looked at before the host's handler runs.
    if (keyCode == 13 || keyCode == 32) {
        m_isPressed = true;
        pressSound(true);
        RefreshCommand();
    }
    GlossControl::onKeyDown(keyCode, shift);
}

void GlossCommand::onKeyUp(short &keyCode, short shift) {
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = false;
        pressSound(false);
        RefreshCommand();
        GlossControl::onClick();
    }
    GlossControl::onKeyUp(keyCode, shift);
}

void GlossCommand::onFocusChanged(bool focus) {
    m_hasFocus = focus;
    if (m_showFocus)
        RefreshCommand();
}

void GlossCommand::onPaint() {
    // A full repaint starts from the cleared window, as after an exposure.
    clearSurface(systemColor(ButtonFace));
    RefreshCommand();
}

void GlossCommand::onResize() {
    m_isNarrow = clientWidth() <= 255;
    if (m_backPicture == GKPictureX1)
        BuildGradient(clientWidth() - 2, clientHeight() - 2);
}

} // namespace glosskit
