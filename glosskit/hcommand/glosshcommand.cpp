#include "glosshcommand.h"
#include "../common/resources.h"

#include <cmath>

namespace glosskit {

namespace {

constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kGreen = 0x00FF00u;

} // namespace

GlossHCommand::GlossHCommand(QWidget *parent) : GlossControl(parent) {
    setFocusPolicy(Qt::StrongFocus);
    resize(175, 32);
    // Until the shape is first computed the control is the 175 x 32 bar.
    step([&] { setMask(resourceMask(700)); });
    InitProperties();
}

// --- persistence ---------------------------------------------------------------------------

void GlossHCommand::InitProperties() {
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    m_glossStyle = GKCyanWater;
    m_caption = instanceName();
    m_showFocus = false;
    m_focusStyle = GKHClassicIndent;
    m_pictureDisabled = Picture::empty();
    m_picturePushed = Picture::empty();
    m_pictureOver = Picture::empty();
    m_pictureNormal = Picture::empty();
    m_pictureOver2 = Picture();
    m_focusColor = oleToColor(kGreen);
    m_foreColor = kButtonText;
    computePresence();
    repaintWithForce();
}

void GlossHCommand::ReadProperties(const PropertyBag &bag) {
    step([&] { setEnabled(bag.readBool(QStringLiteral("Enabled"), true)); });
    step([&] {
        // The single font keys are read after Font, so they win over it.
        QFont f = bag.readFont(QStringLiteral("Font"), ambientFont());
        f.setBold(bag.readBool(QStringLiteral("FontBold"), false));
        f.setItalic(bag.readBool(QStringLiteral("FontItalic"), false));
        // An empty name or a size of 0 is no font: those steps leave the font as it is.
        const QString name = bag.readString(QStringLiteral("FontName"), QString());
        if (!name.isEmpty())
            f.setFamily(name);
        const double size = bag.readSingle(QStringLiteral("FontSize"), 0);
        if (size > 0)
            f.setPointSizeF(size);
        f.setStrikeOut(bag.readBool(QStringLiteral("FontStrikethru"), false));
        f.setUnderline(bag.readBool(QStringLiteral("FontUnderline"), false));
        setFont(f);
    });
    m_foreColor = bag.readColor(QStringLiteral("ForeColor"), kButtonText);
    m_mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"), Picture());
    m_mousePointer = bag.readInt(QStringLiteral("MousePointer"), 0);
    applyCursor(m_mousePointer, m_mouseIcon);
    m_glossStyle = GKHCommandTypes(bag.readInt(QStringLiteral("GlossStyle"), 0));
    m_caption = bag.readString(QStringLiteral("Caption"), QStringLiteral("0"));
    m_showFocus = bag.readBool(QStringLiteral("ShowFocus"), false);
    m_focusStyle = GKHCommandFocusStyles(bag.readInt(QStringLiteral("FocusStyle"), 0));
    m_pictureNormal = bag.readPicture(QStringLiteral("PictureNormal"), Picture());
    m_pictureOver = bag.readPicture(QStringLiteral("PictureOver"), Picture());
    m_pictureOver2 = bag.readPicture(QStringLiteral("PictureOver2"), Picture());
    m_picturePushed = bag.readPicture(QStringLiteral("PicturePushed"), Picture());
    m_pictureDisabled = bag.readPicture(QStringLiteral("PictureDisabled"), Picture());
    m_focusColor = oleToColor(bag.readColor(QStringLiteral("FocusColor"), kGreen));
    m_pictureMode = GKPicStyles(bag.readInt(QStringLiteral("PictureMode"), 0));
    m_useAnimation = bag.readBool(QStringLiteral("UseAnimation"), true);
    m_shineMode = GKHShineModes(bag.readInt(QStringLiteral("ShineMode"), 0));
    m_useOnTop = bag.readBool(QStringLiteral("UseOnTop"), true);
    m_shortCutKey = bag.readString(QStringLiteral("ShortCutKey"), QString());
    m_leftCaption = bag.readString(QStringLiteral("LeftCaption"), QString());
    m_rightCaption = bag.readString(QStringLiteral("RightCaption"), QString());
    m_leftColor = oleToColor(bag.readColor(QStringLiteral("LeftColor"), 0));
    m_rightColor = oleToColor(bag.readColor(QStringLiteral("RightColor"), 0));
    m_useSound = bag.readBool(QStringLiteral("UseSound"), false);
    m_soundMethod = GKSoundMethod(bag.readInt(QStringLiteral("SoundMethod"), 0));
    // Asked for with a lower-case l; the key is found whatever its case.
    m_allowMultiLine = bag.readBool(QStringLiteral("AllowMultiline"), false);
    m_adjustTop = bag.readInt(QStringLiteral("AdjustTop"), 0);
    computePresence();
    applyAccessKeys(m_shortCutKey);
    repaintWithForce();
    UpdateHMask();
}

void GlossHCommand::WriteProperties(PropertyBag &bag) {
    step([&] {
        const QFont f = font();
        bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
        bag.writeFont(QStringLiteral("Font"), f, ambientFont());
        bag.writeBool(QStringLiteral("FontBold"), f.bold(), false);
        bag.writeBool(QStringLiteral("FontItalic"), f.italic(), false);
        bag.writeString(QStringLiteral("FontName"), f.family(), QString());
        bag.writeSingle(QStringLiteral("FontSize"), f.pointSizeF(), 0);
        bag.writeBool(QStringLiteral("FontStrikethru"), f.strikeOut(), false);
        bag.writeBool(QStringLiteral("FontUnderline"), f.underline(), false);
        bag.writeColor(QStringLiteral("ForeColor"), m_foreColor, kButtonText);
        bag.writePicture(QStringLiteral("MouseIcon"), m_mouseIcon, Picture());
        bag.writeInt(QStringLiteral("MousePointer"), m_mousePointer, 0);
        bag.writeInt(QStringLiteral("GlossStyle"), m_glossStyle, 0);
        bag.writeString(QStringLiteral("Caption"), m_caption, QStringLiteral("0"));
        bag.writeBool(QStringLiteral("ShowFocus"), m_showFocus, false);
        bag.writeInt(QStringLiteral("FocusStyle"), m_focusStyle, 0);
        bag.writePicture(QStringLiteral("PictureNormal"), m_pictureNormal, Picture());
        bag.writePicture(QStringLiteral("PictureOver"), m_pictureOver, Picture());
        bag.writePicture(QStringLiteral("PictureOver2"), m_pictureOver2, Picture());
        bag.writePicture(QStringLiteral("PicturePushed"), m_picturePushed, Picture());
        bag.writePicture(QStringLiteral("PictureDisabled"), m_pictureDisabled, Picture());
        bag.writeColor(QStringLiteral("FocusColor"), colorToOle(m_focusColor), kGreen);
        bag.writeInt(QStringLiteral("PictureMode"), m_pictureMode, 0);
        bag.writeBool(QStringLiteral("UseAnimation"), m_useAnimation, true);
        bag.writeInt(QStringLiteral("ShineMode"), m_shineMode, 0);
        bag.writeBool(QStringLiteral("UseOnTop"), m_useOnTop, true);
        bag.writeString(QStringLiteral("ShortCutKey"), m_shortCutKey, QString());
        bag.writeString(QStringLiteral("LeftCaption"), m_leftCaption, QString());
        bag.writeString(QStringLiteral("RightCaption"), m_rightCaption, QString());
        bag.writeColor(QStringLiteral("LeftColor"), colorToOle(m_leftColor), 0);
        bag.writeColor(QStringLiteral("RightColor"), colorToOle(m_rightColor), 0);
        bag.writeBool(QStringLiteral("UseSound"), m_useSound, false);
        bag.writeInt(QStringLiteral("SoundMethod"), m_soundMethod, 0);
        bag.writeBool(QStringLiteral("AllowMultiLine"), m_allowMultiLine, false);
        bag.writeInt(QStringLiteral("AdjustTop"), m_adjustTop, 0);
    });
}

void GlossHCommand::computePresence() {
    m_hasPictureNormal = !m_pictureNormal.isNone();
    m_hasPicturePushed = !m_picturePushed.isNone();
    m_hasPictureOver = !m_pictureOver.isNone();
    m_hasPictureOver2 = !m_pictureOver2.isNone();
    m_hasPictureDisabled = !m_pictureDisabled.isNone();
}

// --- property setters ----------------------------------------------------------------------

void GlossHCommand::setShortCutKey(const QString &keys) {
    m_shortCutKey = keys;
    notifyChanged("ShortCutKey");
    applyAccessKeys(keys);
}

void GlossHCommand::setEnabledProperty(bool enabled) {
    step([&] { setEnabled(enabled); });
    notifyChanged("Enabled");
    repaintWithForce();
}

void GlossHCommand::changeFont(const std::function<void(QFont &)> &change, const char *name) {
    step([&] {
        QFont f = font();
        change(f);
        setFont(f);
    });
    notifyChanged(name);
    repaintWithForce();
}

void GlossHCommand::setFontProperty(const QFont &font) {
    changeFont([&](QFont &f) { f = font; }, "Font");
}

void GlossHCommand::setFontBold(bool on) {
    changeFont([&](QFont &f) { f.setBold(on); }, "FontBold");
}

void GlossHCommand::setFontItalic(bool on) {
    changeFont([&](QFont &f) { f.setItalic(on); }, "FontItalic");
}

void GlossHCommand::setFontStrikethru(bool on) {
    changeFont([&](QFont &f) { f.setStrikeOut(on); }, "FontStrikethru");
}

void GlossHCommand::setFontUnderline(bool on) {
    changeFont([&](QFont &f) { f.setUnderline(on); }, "FontUnderline");
}

void GlossHCommand::setFontName(const QString &name) {
    changeFont(
        [&](QFont &f) {
            if (!name.isEmpty())
                f.setFamily(name);
        },
        "FontName");
}

void GlossHCommand::setFontSize(double size) {
    changeFont(
        [&](QFont &f) {
            if (size > 0 && std::isfinite(size))
                f.setPointSizeF(size);
        },
        "FontSize");
}

void GlossHCommand::setForeColor(const QColor &color) {
    m_foreColor = colorToOle(color);
    notifyChanged("ForeColor");
    repaintWithForce();
}

void GlossHCommand::setMouseIcon(const Picture &icon) {
    m_mouseIcon = icon;
    applyCursor(m_mousePointer, m_mouseIcon);
    notifyChanged("MouseIcon");
    repaintWithForce();
}

void GlossHCommand::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    applyCursor(m_mousePointer, m_mouseIcon);
    notifyChanged("MousePointer");
    repaintWithForce();
}

#define GLOSS_VALUE_SETTER(Name, Type, member, extra)                                              \
    void GlossHCommand::set##Name(Type v) {                                                        \
        member = v;                                                                                \
        extra;                                                                                     \
        notifyChanged(#Name);                                                                      \
        repaintWithForce();                                                                        \
    }
GLOSS_VALUE_SETTER(UseAnimation, bool, m_useAnimation, (void)0)
GLOSS_VALUE_SETTER(ShineMode, GKHShineModes, m_shineMode, (void)0)
GLOSS_VALUE_SETTER(LeftColor, const QColor &, m_leftColor, (void)0)
GLOSS_VALUE_SETTER(RightColor, const QColor &, m_rightColor, (void)0)
GLOSS_VALUE_SETTER(GlossStyle, GKHCommandTypes, m_glossStyle, (void)0)
GLOSS_VALUE_SETTER(UseOnTop, bool, m_useOnTop, (void)0)
GLOSS_VALUE_SETTER(Caption, const QString &, m_caption, (void)0)
GLOSS_VALUE_SETTER(LeftCaption, const QString &, m_leftCaption, (void)0)
GLOSS_VALUE_SETTER(RightCaption, const QString &, m_rightCaption, (void)0)
GLOSS_VALUE_SETTER(FocusStyle, GKHCommandFocusStyles, m_focusStyle, (void)0)
GLOSS_VALUE_SETTER(PicturePushed, const Picture &, m_picturePushed, computePresence())
GLOSS_VALUE_SETTER(PictureOver, const Picture &, m_pictureOver, computePresence())
GLOSS_VALUE_SETTER(PictureNormal, const Picture &, m_pictureNormal, computePresence())
GLOSS_VALUE_SETTER(PictureDisabled, const Picture &, m_pictureDisabled, computePresence())
GLOSS_VALUE_SETTER(PictureOver2, const Picture &, m_pictureOver2, computePresence())
#undef GLOSS_VALUE_SETTER

void GlossHCommand::setPictureMode(GKPicStyles mode) {
    m_pictureMode = mode;
    notifyChanged("PictureMode");
    repaintWithForce();
    UpdateHMask();
}

// --- container events ----------------------------------------------------------------------

void GlossHCommand::pressSound(bool press) {
    sound(press, m_useSound, m_soundMethod, [this](GKSoundType t) { emit PlaySound(t); });
}

void GlossHCommand::onMouseDown(short button, short shift, float x, float y) {
    GlossControl::onMouseDown(button, shift, x, y);
    pressSound(true);
    m_isPressed = true;
    repaintWithForce();
}

void GlossHCommand::onMouseUp(short button, short shift, float x, float y) {
    GlossControl::onMouseUp(button, shift, x, y);
    pressSound(false);
    m_isPressed = false;
    repaintWithForce();
}

void GlossHCommand::onMouseMove(short button, short shift, float x, float y) {
    m_hoverState = 2;
    HoverHStep();
    GlossControl::onMouseMove(button, shift, x, y);
}

void GlossHCommand::onClick() {
    repaintWithForce();
    GlossControl::onClick();
}

void GlossHCommand::onDblClick() {
    repaintWithForce();
    GlossControl::onDblClick();
}

void GlossHCommand::onKeyDown(short &keyCode, short shift) {
    GlossControl::onKeyDown(keyCode, shift);
    // The host's handler has run: a KeyCode it set to 0 cancels the press.
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = true;
        pressSound(true);
        repaintWithForce();
    }
}

void GlossHCommand::onKeyPress(short keyAscii) {
    GlossControl::onKeyPress(keyAscii);
    repaintWithForce();
}

void GlossHCommand::onKeyUp(short &keyCode, short shift) {
    GlossControl::onKeyUp(keyCode, shift);
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = false;
        pressSound(false);
        repaintWithForce();
        GlossControl::onClick();
    }
}

void GlossHCommand::onFocusChanged(bool focus) {
    m_hasFocus = focus;
    repaintWithForce();
}

void GlossHCommand::onPaint() {
    repaintWithForce();
}

// --- roll-over and shine -------------------------------------------------------------------

void GlossHCommand::HoverHStep() {
    short &s = m_hoverState;
    short &p = m_hoverPhase;
    if (s == 3 && p == 1) {
        s = 4;
        p = 2;
    }
    if (s == 2 && p == 1)
        s = 4;
    if (s >= 0 && s <= 2)
        RefreshHCommand();
    if (s == 0 && p == 1)
        p = 0;
    if (s == 3 && p == 1) {
        s = 4;
        p = 2;
    }
    if (s == 2 && p == 0) {
        s = 4;
        p = 1;
    }
    if (s == 1 && p == 2)
        p = 0;
}

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
    m_shinePhase = 1;
}

void GlossHCommand::TimerInvoke() {
    if (!m_useAnimation)
        return;
    if (m_glossStyle == GKCustom && m_useOnTop) {
        HoverHStep();
        m_hoverState = short(m_hoverState - 1);
        if (m_hoverState == -2)
            m_hoverState = -1;
    }
    auto rim = [this] {
        m_shineColor = shineColor(m_shineMode, m_shineLevel, m_shineColor);
        drawSurface([&](QPainter &p) { drawRim(p, clientWidth(), clientHeight(), m_shineColor); });
    };
    switch (m_shinePhase) {
    case 1:
        m_shineLevel = short(m_shineLevel + 32);
        if (m_shineLevel >= 255) {
            m_shineLevel = 255;
            m_shinePhase = 2;
        }
        rim();
        break;
    case 2:
        m_shineLevel = short(m_shineLevel - 32);
        if (m_shineLevel < 1) {
            m_shineLevel = 0;
            m_shinePhase = 32;
        }
        rim();
        break;
    case 32:
        m_shinePhase = 0;
        m_shineLevel = 0;
        repaintWithForce();
        break;
    default:
        break;
    }
}

// --- size and shape ------------------------------------------------------------------------

void GlossHCommand::onResize() {
    auto force = [this](int w, int h) {
        if (width() != w || height() != h)
            resize(w, h);
    };
    step([&] {
        switch (m_pictureMode) {
        case DefaultStyle:
            force(175, 32);
            break;
        case RescaleToEdges:
        case RescaleWhenNeeded:
            UpdateHMask();
            break;
        case HalfSize:
            force(88, 16);
            break;
        case DoubleSize:
        case OneAndHalfSize:
            force(350, 64);
            break;
        default:
            break;
        }
    });
}

void GlossHCommand::UpdateHMask() {
    if (m_maskBusy)
        return;
    m_maskBusy = true;
    step([&] {
        const int w = width(), h = height();
        switch (m_pictureMode) {
        case DefaultStyle:
            setMask(resourceMask(700));
            break;
        case RescaleToEdges:
        case RescaleWhenNeeded: {
            // The hidden picture surface that scales the mask.
            QPixmap picture1(qMax(w, 1), qMax(h, 1));
            picture1.fill(Qt::white);
            QPainter p(&picture1);
            const QPixmap &bar = resourceBitmap(700);
            if (!bar.isNull())
                p.drawPixmap(QRect(0, 0, w, h), bar);
            p.end();
            setMask(maskFromPicture(picture1));
            break;
        }
        case HalfSize:
            setMask(resourceMask(701));
            break;
        case DoubleSize:
        case OneAndHalfSize:
            setMask(resourceMask(702));
            break;
        default:
            break;
        }
        onResize();
    });
    m_maskBusy = false;
}

} // namespace glosskit
