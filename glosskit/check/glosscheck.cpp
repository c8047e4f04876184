#include "glosscheck.h"
#include "../common/drawing.h"
#include "../common/resources.h"

namespace glosskit {

namespace {

constexpr quint32 kButtonFace = 0x8000000Fu;
constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;
constexpr quint32 kGreen = 0x00FF00u;

} // namespace

GlossCheck::GlossCheck(QWidget *parent) : GlossControl(parent) {
    setFocusPolicy(Qt::StrongFocus);
    resize(150, 30);
    InitProperties();
}

// --- persistence ---------------------------------------------------------------------------

void GlossCheck::InitProperties() {
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    m_caption = instanceName();
    m_value = GKUnChecked;
    m_showFocus = false;
    m_picturePushed = Picture::empty();
    m_pictureCheck = Picture::empty();
    m_pictureUncheck = Picture::empty();
    m_pictureDisabled = Picture();
    m_focusColor = oleToColor(kGreen);
    m_type = GKClassic;
    m_focusType = GKChkNormalCircle;
    m_backColor = kButtonFace;
    m_foreColor = kButtonText;
    computePresence();
    RefreshCheck();
}

void GlossCheck::ReadProperties(const PropertyBag &bag) {
    step([&] { setFont(bag.readFont(QStringLiteral("Font"), ambientFont())); });
    m_caption = bag.readString(QStringLiteral("Caption"), QString());
    m_value = GKBiState(bag.readInt(QStringLiteral("Value"), 0));
    m_backColor = bag.readColor(QStringLiteral("BackColor"), 0);
    m_foreColor = bag.readColor(QStringLiteral("ForeColor"), kWhite);
    step([&] { setEnabled(bag.readBool(QStringLiteral("Enabled"), true)); });
    m_showFocus = bag.readBool(QStringLiteral("ShowFocus"), false);
    m_pictureCheck = bag.readPicture(QStringLiteral("PictureCheck"), Picture());
    m_pictureUncheck = bag.readPicture(QStringLiteral("PictureUncheck"), Picture());
    m_picturePushed = bag.readPicture(QStringLiteral("PicturePushed"), Picture());
    m_focusColor = oleToColor(bag.readColor(QStringLiteral("FocusColor"), kGreen));
    m_type = GKChkType(bag.readInt(QStringLiteral("GlossCheckType"), 0));
    // These two keep the control's current value when the bag lacks them.
    m_pictureDisabled = bag.readPicture(QStringLiteral("PictureDisabled"), m_pictureDisabled);
    m_focusType = GKChkFocusType(bag.readInt(QStringLiteral("FocusType"), m_focusType));
    m_useSound = bag.readBool(QStringLiteral("UseSound"), false);
    m_soundMethod = GKSoundMethod(bag.readInt(QStringLiteral("SoundMethod"), 0));
    m_allowMultiLine = bag.readBool(QStringLiteral("AllowMultiLine"), false);
    m_adjustTop = bag.readInt(QStringLiteral("AdjustTop"), 0);
    computePresence();
    RefreshCheck();
}

void GlossCheck::WriteProperties(PropertyBag &bag) {
    step([&] {
        bag.writeFont(QStringLiteral("Font"), font(), ambientFont());
        bag.writeString(QStringLiteral("Caption"), m_caption, QString());
        bag.writeInt(QStringLiteral("Value"), m_value, 0);
        bag.writeColor(QStringLiteral("BackColor"), m_backColor, 0);
        bag.writeColor(QStringLiteral("ForeColor"), m_foreColor, kWhite);
        bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
        bag.writeBool(QStringLiteral("ShowFocus"), m_showFocus, false);
        bag.writePicture(QStringLiteral("PictureCheck"), m_pictureCheck, Picture());
        bag.writePicture(QStringLiteral("PictureUncheck"), m_pictureUncheck, Picture());
        bag.writePicture(QStringLiteral("PicturePushed"), m_picturePushed, Picture());
        bag.writeColor(QStringLiteral("FocusColor"), colorToOle(m_focusColor), kGreen);
        bag.writeInt(QStringLiteral("GlossCheckType"), m_type, 0);
        bag.writePicture(QStringLiteral("PictureDisabled"), m_pictureDisabled, Picture());
        bag.writeInt(QStringLiteral("FocusType"), m_focusType, 0);
        bag.writeBool(QStringLiteral("UseSound"), m_useSound, false);
        bag.writeInt(QStringLiteral("SoundMethod"), m_soundMethod, 0);
        // Written with a lower-case l; it reads back because keys ignore case.
        bag.writeBool(QStringLiteral("AllowMultiline"), m_allowMultiLine, false);
        bag.writeInt(QStringLiteral("AdjustTop"), m_adjustTop, 0);
    });
}

void GlossCheck::computePresence() {
    m_hasPicturePushed = !m_picturePushed.isNone();
    m_hasPictureDisabled = !m_pictureDisabled.isNone();
    m_hasPictureCheck = !m_pictureCheck.isNone();
    m_hasPictureUncheck = !m_pictureUncheck.isNone();
}

// --- property setters ----------------------------------------------------------------------

void GlossCheck::setFontProperty(const QFont &f) {
    step([&] { setFont(f); });
    notifyChanged("Font");
    RefreshCheck();
}

void GlossCheck::setCaption(const QString &caption) {
    m_caption = caption;
    notifyChanged("Caption");
    RefreshCheck();
}

void GlossCheck::setValue(GKBiState value) {
    m_value = value;
    notifyChanged("Value");
    RefreshCheck();
}

QColor GlossCheck::BackColor() const {
    return oleToColor(m_backColor);
}

void GlossCheck::setBackColor(const QColor &color) {
    m_backColor = colorToOle(color);
    notifyChanged("BackColor");
    RefreshCheck();
}

QColor GlossCheck::ForeColor() const {
    return oleToColor(m_foreColor);
}

void GlossCheck::setForeColor(const QColor &color) {
    m_foreColor = colorToOle(color);
    notifyChanged("ForeColor");
    RefreshCheck();
}

void GlossCheck::setEnabledProperty(bool enabled) {
    step([&] { setEnabled(enabled); }); // repaints through the change of state
    notifyChanged("Enabled");
    RefreshCheck();
}

#define GLOSS_PICTURE_SETTER(Name, member)                                                         \
    void GlossCheck::set##Name(const Picture &p) {                                                 \
        member = p;                                                                                \
        computePresence();                                                                         \
        notifyChanged(#Name);                                                                      \
        RefreshCheck();                                                                            \
    }
GLOSS_PICTURE_SETTER(PictureUncheck, m_pictureUncheck)
GLOSS_PICTURE_SETTER(PictureCheck, m_pictureCheck)
GLOSS_PICTURE_SETTER(PictureDisabled, m_pictureDisabled)
GLOSS_PICTURE_SETTER(PicturePushed, m_picturePushed)
#undef GLOSS_PICTURE_SETTER

void GlossCheck::setGlossCheckType(GKChkType type) {
    m_type = type;
    notifyChanged("GlossCheckType");
    RefreshCheck();
}

void GlossCheck::setFocusType(GKChkFocusType type) {
    m_focusType = type;
    notifyChanged("FocusType");
    RefreshCheck();
}

// --- container events ----------------------------------------------------------------------

void GlossCheck::pressSound(bool press) {
    sound(press, m_useSound, m_soundMethod, [this](GKSoundType t) { emit PlaySound(t); });
}

void GlossCheck::toggle() {
    m_value = m_value == GKUnChecked ? GKChecked : GKUnChecked;
}

void GlossCheck::onMouseDown(short button, short shift, float x, float y) {
    m_isPressed = true;
    pressSound(true);
    RefreshCheck();
    GlossControl::onMouseDown(button, shift, x, y);
}

void GlossCheck::onMouseUp(short button, short shift, float x, float y) {
    m_isPressed = false;
    pressSound(false);
    toggle();
    notifyChanged("Value");
    RefreshCheck();
    GlossControl::onMouseUp(button, shift, x, y);
}

void GlossCheck::onKeyDown(short &keyCode, short shift) {
    // The key is looked at before the host's handler runs.
    if (keyCode == 13 || keyCode == 32) {
        m_isPressed = true;
        pressSound(true);
        RefreshCheck();
    }
    GlossControl::onKeyDown(keyCode, shift);
}

void GlossCheck::onKeyUp(short &keyCode, short shift) {
    if (keyCode == 32 || keyCode == 13) {
        m_isPressed = false;
        toggle();
        pressSound(false);
        notifyChanged("Value");
        RefreshCheck();
    }
    // A toggle from the keyboard raises no Click.
    GlossControl::onKeyUp(keyCode, shift);
}

void GlossCheck::onFocusChanged(bool focus) {
    m_hasFocus = focus;
    RefreshCheck();
}

void GlossCheck::onPaint() {
    RefreshCheck();
}

void GlossCheck::onResize() {
    RefreshCheck();
}

// --- painting ------------------------------------------------------------------------------

const QPixmap *GlossCheck::boxPicture() const {
    if (!isEnabled())
        return m_hasPictureDisabled ? &m_pictureDisabled.pixmap() : &resourceBitmap(204);
    if (m_type == GKClassic) {
        if (m_isPressed)
            return &resourceBitmap(203);
        return &resourceBitmap(m_value != GKUnChecked ? 202 : 201);
    }
    if (m_type == GKCustom) {
        if (m_isPressed)
            return m_hasPicturePushed ? &m_picturePushed.pixmap() : &m_pictureUncheck.pixmap();
        if (m_value != GKUnChecked)
            return m_hasPictureCheck ? &m_pictureCheck.pixmap() : nullptr;
        return m_hasPictureUncheck ? &m_pictureUncheck.pixmap() : nullptr;
    }
    return nullptr;
}

void GlossCheck::RefreshCheck() {
    clearSurface(oleToColor(m_backColor));
    drawSurface([&](QPainter &p) {
        const int w = clientWidth(), h = clientHeight();
        step([&] {
            QRect r(0, 0, w, h);
            r.setLeft(30);
            r.setRight(r.right() - 2);
            p.setFont(font());
            p.setPen(oleToColor(m_foreColor));
            if (m_allowMultiLine) {
                r.setTop(m_adjustTop);
                drawTextFlags(p, r, m_caption, kTextLeftLines);
            } else {
                drawTextFlags(p, r, m_caption, kTextLeftSingle);
            }
        });
        step([&] {
            const QPixmap *box = boxPicture();
            if (box && !box->isNull())
                p.drawPixmap(0, h / 2 - 12, *box);
        });
        if (m_hasFocus && m_showFocus) {
            step([&] {
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(m_focusColor, 1));
                p.setBrush(Qt::NoBrush);
                if (m_focusType == GKChkNormalCircle)
                    p.drawEllipse(QPoint(12, h / 2), 11, 11);
                else if (m_focusType == GKChkNormalSquare)
                    p.drawRect(0, h / 2 - 12, 24, 24);
            });
        }
    });
}

} // namespace glosskit
