#include "glosssphere.h"
#include "../common/resources.h"

#include <QApplication>
#include <QFontMetricsF>

namespace glosskit {

namespace {

constexpr quint32 kButtonTextColor = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;

void stretch(QPainter &p, const QPixmap &pixmap, int w, int h) {
    if (!pixmap.isNull())
        p.drawPixmap(QRect(0, 0, w, h), pixmap);
}

} // namespace

GlossSphere::GlossSphere(QWidget *parent) : GlossControl(parent) {
    setFocusPolicy(Qt::StrongFocus);
    resize(32, 32);
    // Until the shape is first computed the control is the 32 x 32 disc.
    step([&] { setMask(resourceMask(705)); });
    InitProperties();
}

// --- persistence ---------------------------------------------------------------------------

void GlossSphere::InitProperties() {
    m_sphereType = GlsSphereRings;
    m_contentType = GlsCntNone;
    m_contentIcon = Picture::empty();
    m_contentLetter = QStringLiteral("0");
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    m_foreColor = oleToColor(kButtonTextColor);
    m_iconSize = GlsSphrIconUnknown;
    m_showFocus = false;
    m_pictureOver = Picture::empty();
    m_picturePushed = Picture::empty();
    m_pictureNormal = Picture::empty();
    m_pictureDisabled = Picture::empty();
    m_pictureOver2 = Picture();
    m_mouseIcon = Picture();
    m_mousePointer = 0;
    m_focusColor = Qt::white;
    m_useAnimation = false;
    m_useOnTop = false;
    m_useSound = false;
    m_soundMethod = GKInternalSound;
    m_pictureMode = DefaultStyle;
    m_shortCutKey.clear();
    computePresence();
    repaintWithForce();
}

void GlossSphere::ReadProperties(const PropertyBag &bag) {
    step([&] { setEnabled(bag.readBool(QStringLiteral("Enabled"), true)); });
    m_mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"), Picture());
    m_mousePointer = bag.readInt(QStringLiteral("MousePointer"), 0);
    applyCursor(m_mousePointer, m_mouseIcon);
    m_sphereType = GlsSphereTypeEnum(bag.readInt(QStringLiteral("SphereType"), 0));
    m_contentType = GlsSphrContentTypeEnum(bag.readInt(QStringLiteral("ContentType"), 0));
    m_contentIcon = bag.readPicture(QStringLiteral("ContentIcon"), Picture());
    m_contentLetter = bag.readString(QStringLiteral("ContentLetter"), QStringLiteral("0"));
    step([&] { setFont(bag.readFont(QStringLiteral("Font"), ambientFont())); });
    m_foreColor = oleToColor(bag.readColor(QStringLiteral("ForeColor"), kButtonTextColor));
    m_iconSize = GlsSphrIconSize(bag.readInt(QStringLiteral("IconSize"), 0));
    m_showFocus = bag.readBool(QStringLiteral("ShowFocus"), false);
    m_pictureOver = bag.readPicture(QStringLiteral("PictureOver"), Picture());
    m_pictureOver2 = bag.readPicture(QStringLiteral("PictureOver2"), Picture());
    m_pictureNormal = bag.readPicture(QStringLiteral("PictureNormal"), Picture());
    m_picturePushed = bag.readPicture(QStringLiteral("PicturePushed"), Picture());
    m_pictureDisabled = bag.readPicture(QStringLiteral("PictureDisabled"), Picture());
    m_focusColor = oleToColor(bag.readColor(QStringLiteral("FocusColor"), kWhite));
    m_pictureMode = GKPicStyles(bag.readInt(QStringLiteral("PictureMode"), 0));
    m_useAnimation = bag.readBool(QStringLiteral("UseAnimation"), true);
    m_useOnTop = bag.readBool(QStringLiteral("UseOnTop"), true);
    m_shortCutKey = bag.readString(QStringLiteral("ShortCutKey"), QString());
    m_useSound = bag.readBool(QStringLiteral("UseSound"), false);
    m_soundMethod = GKSoundMethod(bag.readInt(QStringLiteral("SoundMethod"), 0));
    computePresence();
    applyAccessKeys(m_shortCutKey);
    UpdateMask();
    repaintWithForce();
}

void GlossSphere::WriteProperties(PropertyBag &bag) {
    step([&] {
        const QColor buttonText = oleToColor(kButtonTextColor);
        bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
        bag.writePicture(QStringLiteral("MouseIcon"), m_mouseIcon, Picture());
        bag.writeInt(QStringLiteral("MousePointer"), m_mousePointer, 0);
        bag.writeInt(QStringLiteral("SphereType"), m_sphereType, 0);
        bag.writeInt(QStringLiteral("ContentType"), m_contentType, 0);
        bag.writePicture(QStringLiteral("ContentIcon"), m_contentIcon, Picture());
        bag.writeString(QStringLiteral("ContentLetter"), m_contentLetter, QStringLiteral("0"));
        bag.writeFont(QStringLiteral("Font"), font(), ambientFont());
        bag.writeColor(QStringLiteral("ForeColor"),
                       m_foreColor == buttonText ? kButtonTextColor : colorToOle(m_foreColor),
                       kButtonTextColor);
        bag.writeInt(QStringLiteral("IconSize"), m_iconSize, 0);
        bag.writeBool(QStringLiteral("ShowFocus"), m_showFocus, false);
        bag.writePicture(QStringLiteral("PictureNormal"), m_pictureNormal, Picture());
        bag.writePicture(QStringLiteral("PictureOver"), m_pictureOver, Picture());
        bag.writePicture(QStringLiteral("PictureOver2"), m_pictureOver2, Picture());
        bag.writePicture(QStringLiteral("PicturePushed"), m_picturePushed, Picture());
        bag.writePicture(QStringLiteral("PictureDisabled"), m_pictureDisabled, Picture());
        bag.writeColor(QStringLiteral("FocusColor"), colorToOle(m_focusColor), kWhite);
        bag.writeInt(QStringLiteral("PictureMode"), m_pictureMode, 0);
        bag.writeBool(QStringLiteral("UseAnimation"), m_useAnimation, true);
        bag.writeBool(QStringLiteral("UseOnTop"), m_useOnTop, true);
        bag.writeString(QStringLiteral("ShortCutKey"), m_shortCutKey, QString());
        bag.writeBool(QStringLiteral("UseSound"), m_useSound, false);
        bag.writeInt(QStringLiteral("SoundMethod"), m_soundMethod, 0);
    });
    computePresence();
    UpdateMask();
}

void GlossSphere::computePresence() {
    m_hasPictureNormal = !m_pictureNormal.isNone();
    m_hasPicturePushed = !m_picturePushed.isNone();
    m_hasPictureOver = !m_pictureOver.isNone();
    m_hasPictureOver2 = !m_pictureOver2.isNone();
    m_hasPictureDisabled = !m_pictureDisabled.isNone();
}

// --- property setters ----------------------------------------------------------------------

void GlossSphere::setEnabledProperty(bool enabled) {
    step([&] { setEnabled(enabled); }); // repaints through the change of state
    notifyChanged("Enabled");
}

void GlossSphere::setShortCutKey(const QString &keys) {
    m_shortCutKey = keys;
    notifyChanged("ShortCutKey");
    applyAccessKeys(keys);
}

void GlossSphere::setMouseIcon(const Picture &icon) {
    m_mouseIcon = icon;
    applyCursor(m_mousePointer, m_mouseIcon);
    notifyChanged("MouseIcon");
}

void GlossSphere::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    applyCursor(m_mousePointer, m_mouseIcon);
    notifyChanged("MousePointer");
    repaintWithForce();
}

void GlossSphere::setSphereType(GlsSphereTypeEnum type) {
    m_sphereType = type;
    notifyChanged("SphereType");
    repaintWithForce();
}

void GlossSphere::setContentType(GlsSphrContentTypeEnum type) {
    m_contentType = type;
    notifyChanged("ContentType");
    repaintWithForce();
}

void GlossSphere::setUseAnimation(bool on) {
    m_useAnimation = on;
    notifyChanged("UseAnimation");
    repaintWithForce();
}

void GlossSphere::setUseOnTop(bool on) {
    m_useOnTop = on;
    notifyChanged("UseOnTop");
    repaintWithForce();
}

void GlossSphere::setContentIcon(const Picture &icon) {
    m_contentIcon = icon;
    notifyChanged("ContentIcon");
    repaintWithForce();
}

void GlossSphere::setContentLetter(const QString &letter) {
    m_contentLetter = letter;
    notifyChanged("ContentLetter");
    repaintWithForce();
}

void GlossSphere::setFontProperty(const QFont &f) {
    step([&] { setFont(f); });
    notifyChanged("Font");
    repaintWithForce();
}

void GlossSphere::setForeColor(const QColor &color) {
    m_foreColor = color;
    notifyChanged("ForeColor");
    repaintWithForce();
}

void GlossSphere::setIconSize(GlsSphrIconSize size) {
    m_iconSize = size;
    notifyChanged("IconSize");
    repaintWithForce();
}

#define GLOSS_PICTURE_SETTER(Name, member)                                                         \
    void GlossSphere::set##Name(const Picture &p) {                                                \
        member = p;                                                                                \
        computePresence();                                                                         \
        notifyChanged(#Name);                                                                      \
        repaintWithForce();                                                                        \
    }
GLOSS_PICTURE_SETTER(PicturePushed, m_picturePushed)
GLOSS_PICTURE_SETTER(PictureDisabled, m_pictureDisabled)
GLOSS_PICTURE_SETTER(PictureNormal, m_pictureNormal)
GLOSS_PICTURE_SETTER(PictureOver, m_pictureOver)
GLOSS_PICTURE_SETTER(PictureOver2, m_pictureOver2)
#undef GLOSS_PICTURE_SETTER

void GlossSphere::setPictureMode(GKPicStyles mode) {
    m_pictureMode = mode;
    notifyChanged("PictureMode");
    repaintWithForce();
    UpdateMask();
}

// --- container events ----------------------------------------------------------------------

void GlossSphere::pressSound(bool press) {
    sound(press, m_useSound, m_soundMethod, [this](GKSoundType t) { emit PlaySound(t); });
}

void GlossSphere::onMouseDown(short button, short shift, float x, float y) {
    m_isPressed = true;
    pressSound(true);
    repaintWithForce();
    GlossControl::onMouseDown(button, shift, x, y);
}

void GlossSphere::onMouseUp(short button, short shift, float x, float y) {
    m_isPressed = false;
    pressSound(false);
    repaintWithForce();
    GlossControl::onMouseUp(button, shift, x, y);
}

void GlossSphere::onClick() {
    repaintWithForce();
    GlossControl::onClick();
}

void GlossSphere::onMouseMove(short button, short shift, float x, float y) {
    m_hoverState = 2;
    HoverStep();
    GlossControl::onMouseMove(button, shift, x, y);
}

void GlossSphere::onKeyDown(short &keyCode, short shift) {
    GlossControl::onKeyDown(keyCode, shift);
    // The host's handler has run: a KeyCode it set to 0 cancels the press.
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = true;
        pressSound(true);
        repaintWithForce();
    }
}

void GlossSphere::onKeyUp(short &keyCode, short shift) {
    GlossControl::onKeyUp(keyCode, shift);
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = false;
        pressSound(false);
        repaintWithForce();
        GlossControl::onClick();
    }
}

void GlossSphere::onFocusChanged(bool focus) {
    m_hasFocus = focus;
    repaintWithForce();
}

void GlossSphere::onPaint() {
    repaintWithForce();
}

// --- roll-over -----------------------------------------------------------------------------

void GlossSphere::HoverStep() {
    short &s = m_hoverState;
    short &p = m_hoverPhase;
    if (s == 2 && p == 1)
        s = 4;
    if (s >= 0 && s <= 2)
        RefreshSphere();
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

void GlossSphere::TimerInvoke() {
    if (!(m_useAnimation && m_sphereType == glsSphereCustom && m_useOnTop))
        return;
    HoverStep();
    m_hoverState = short(m_hoverState - 1);
    if (m_hoverState == -2)
        m_hoverState = -1;
}

// --- size and shape ------------------------------------------------------------------------

void GlossSphere::onResize() {
    auto force = [this](int side) {
        if (width() != side || height() != side)
            resize(side, side);
    };
    step([&] {
        switch (m_pictureMode) {
        case DefaultStyle:
            force(32);
            break;
        case RescaleToEdges:
        case RescaleWhenNeeded:
            UpdateMask();
            break;
        case HalfSize:
            force(16);
            break;
        case DoubleSize:
            force(64);
            break;
        default:
            break;
        }
    });
}

void GlossSphere::UpdateMask() {
    if (m_maskBusy)
        return;
    m_maskBusy = true;
    step([&] {
        const int w = width(), h = height();
        switch (m_pictureMode) {
        case DefaultStyle:
            setMask(resourceMask(705));
            break;
        case RescaleToEdges:
        case RescaleWhenNeeded: {
            // The hidden picture surface that scales the mask.
            QPixmap picture1(qMax(w, 1), qMax(h, 1));
            picture1.fill(Qt::white);
            QPainter p(&picture1);
            stretch(p, resourceBitmap(705), w, h);
            p.end();
            setMask(maskFromPicture(picture1));
            break;
        }
        case HalfSize:
            setMask(resourceMask(706));
            break;
        case DoubleSize:
        case OneAndHalfSize:
            setMask(resourceMask(707));
            break;
        default:
            break;
        }
        onResize();
    });
    m_maskBusy = false;
}

// --- painting ------------------------------------------------------------------------------

void GlossSphere::repaintWithForce() {
    m_forceRepaint = true;
    RefreshSphere();
    m_forceRepaint = false;
}

void GlossSphere::RefreshSphere() {
    drawSurface([&](QPainter &p) {
        const int w = clientWidth(), h = clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!isEnabled()) {
            step([&] {
                stretch(p, m_hasPictureDisabled ? m_pictureDisabled.pixmap() : resourceBitmap(600),
                        w, h);
            });
            return;
        }
        step([&] { drawFace(p, w, h); });
        step([&] { drawContent(p, w, h); });
        if (m_hasFocus && m_showFocus) {
            step([&] {
                p.setPen(QPen(m_focusColor, 1));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(w / 2.0 - 1, w / 2.0 - 1), w / 2.0, w / 2.0);
                p.drawEllipse(QPointF(w / 2.0, h / 2.0), w / 2.0, w / 2.0);
            });
        }
    });
}

void GlossSphere::drawFace(QPainter &p, int w, int h) {
    if (m_sphereType != glsSphereCustom) {
        if (m_sphereType >= 0 && m_sphereType < glsSphereCustom)
            stretch(p, resourceBitmap((m_isPressed ? 400 : 300) + m_sphereType), w, h);
        return;
    }
    if (!m_hasPictureNormal)
        return;
    const Picture *face = nullptr;
    if (m_isPressed) {
        face = &m_picturePushed;
    } else if (!m_useAnimation || !m_useOnTop) {
        face = &m_pictureNormal;
    } else {
        switch (m_hoverState) {
        case -1:
            face = m_forceRepaint ? &m_pictureNormal : nullptr;
            break;
        case 0:
            face = &m_pictureNormal;
            break;
        case 1:
            face = m_hasPictureOver2  ? &m_pictureOver2
                   : m_hasPictureOver ? &m_pictureOver
                                      : &m_pictureNormal;
            break;
        case 2:
            face = m_hasPictureOver ? &m_pictureOver : &m_pictureNormal;
            break;
        case 3:
        case 4:
        case 5:
            face = (m_hasPictureOver && m_forceRepaint) ? &m_pictureOver : &m_pictureNormal;
            break;
        default:
            break;
        }
    }
    if (face)
        stretch(p, face->pixmap(), w, h);
}

void GlossSphere::drawContent(QPainter &p, int w, int h) {
    if (m_contentType == GlsCntIcon) {
        const QPixmap &icon = m_contentIcon.pixmap();
        if (icon.isNull())
            return;
        switch (m_iconSize) {
        case GlsSphrIconUnknown:
            p.drawPixmap(w / 2 - 16, h / 2 - 16, icon);
            break;
        case GlsSphrIcon32:
            p.drawPixmap(QRect(w / 2 - 16, h / 2 - 16, 32, 32), icon);
            break;
        case GlsSphrIcon24:
            p.drawPixmap(QRect(w / 2 - 12, h / 2 - 12, 24, 24), icon);
            break;
        default:
            p.drawPixmap(QRect(w / 2 - 8, h / 2 - 8, 16, 16), icon);
            break;
        }
    } else if (m_contentType == GlsCntLetter) {
        p.setFont(font());
        p.setPen(m_foreColor);
        const QFontMetricsF fm(font());
        const double x = w / 2.0 - fm.horizontalAdvance(m_contentLetter) / 2.0;
        const double y = h / 2.0 - fm.height() / 2.0;
        p.drawText(QPointF(x, y + fm.ascent()), m_contentLetter);
    }
}

} // namespace glosskit
