#include "glosscheck.h"
#include "../common/drawing.h"
#include "../common/glosscontrol_p.h"
#include "../common/resources.h"

namespace glosskit {

namespace {

constexpr quint32 kButtonFace = 0x8000000Fu;
constexpr quint32 kButtonText = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;
constexpr quint32 kGreen = 0x00FF00u;

} // namespace

class GlossCheckPrivate : public GlossControlPrivate {
public:
    GlossCheckPrivate()
        : GlossControlPrivate({.size = {150, 30}, .keys = ButtonKeys::BeforeHost}) {}

    void persist(Persist &io) override {
        io.font("Font");
        io.text("Caption", caption, QString());
        io.enumeration("Value", value, 0);
        io.ole("BackColor", backColor, 0);
        io.ole("ForeColor", foreColor, kWhite);
        io.enabled("Enabled");
        io.boolean("ShowFocus", showFocus, false);
        io.picture("PictureCheck", pictureCheck);
        io.picture("PictureUncheck", pictureUncheck);
        io.picture("PicturePushed", picturePushed);
        io.color("FocusColor", focusColor, kGreen);
        io.enumeration("GlossCheckType", type, 0);
        // These two keep the control's current value when the bag lacks them.
        io.picture("PictureDisabled", pictureDisabled, Persist::KeepsValue);
        io.enumeration("FocusType", focusType, 0, Persist::KeepsValue);
        io.boolean("UseSound", useSound, false);
        io.enumeration("SoundMethod", soundMethod, 0);
        // Written with a lower-case l; it reads back because keys ignore case.
        io.boolean("AllowMultiline", allowMultiLine, false);
        io.integer("AdjustTop", adjustTop, 0);
    }

    void toggle() {
        set(value,
            value == GlossCheck::GKUnChecked ? GlossCheck::GKChecked : GlossCheck::GKUnChecked,
            &GlossCheck::ValueChanged);
    }
    const QPixmap *boxPicture() const;

    GlossCheck::GKBiState value = GlossCheck::GKUnChecked;
    quint32 backColor = 0;
    Picture pictureUncheck, pictureCheck;
    GlossCheck::GKChkType type = GlossCheck::GKClassic;
    GlossCheck::GKChkFocusType focusType = GlossCheck::GKChkNormalCircle;
};

GlossCheck::GlossCheck(QWidget *parent) : GlossControl(*new GlossCheckPrivate, parent) {
    d_func()->playSound = [this](GKSoundType t) { emit PlaySound(t); };
    initProperties();
}

GlossCheck::~GlossCheck() = default;

void GlossCheck::initProperties() {
    Q_D(GlossCheck);
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    d->caption = d->instanceName();
    d->value = GKUnChecked;
    d->showFocus = false;
    d->picturePushed = Picture::empty();
    d->pictureCheck = Picture::empty();
    d->pictureUncheck = Picture::empty();
    d->pictureDisabled = Picture();
    d->focusColor = oleToColor(kGreen);
    d->type = GKClassic;
    d->focusType = GKChkNormalCircle;
    d->backColor = kButtonFace;
    d->foreColor = kButtonText;
    draw();
}

// --- properties ----------------------------------------------------------------------------

GLOSS_SHOWN_PROPERTY(GlossCheck, GlossCheck::GKBiState, Value, value)

QColor GlossCheck::BackColor() const {
    return oleToColor(d_func()->backColor);
}

void GlossCheck::setBackColor(const QColor &color) {
    d_func()->setShown(d_func()->backColor, colorToOle(color), "BackColor",
                       &GlossCheck::BackColorChanged);
}

GLOSS_SHOWN_PROPERTY(GlossCheck, Picture, PictureUncheck, pictureUncheck)
GLOSS_SHOWN_PROPERTY(GlossCheck, Picture, PictureCheck, pictureCheck)
GLOSS_SHOWN_PROPERTY(GlossCheck, GlossCheck::GKChkType, GlossCheckType, type)
GLOSS_SHOWN_PROPERTY(GlossCheck, GlossCheck::GKChkFocusType, FocusType, focusType)

// --- events: each release toggles Value --------------------------------------------------------

void GlossCheck::onMouseUp(short button, short shift, float x, float y) {
    Q_D(GlossCheck);
    d->isPressed = false;
    d->sound(false);
    d->toggle();
    d->notify("Value");
    draw();
    step([&] { emit MouseUp(button, shift, x, y); });
}

void GlossCheck::onButtonKeyUp() {
    // A toggle from the keyboard raises no Click.
    Q_D(GlossCheck);
    d->isPressed = false;
    d->toggle();
    d->sound(false);
    d->notify("Value");
    draw();
}

void GlossCheck::onResize() {
    draw();
}

// --- painting (RefreshCheck) -------------------------------------------------------------------

const QPixmap *GlossCheckPrivate::boxPicture() const {
    if (!q->isEnabled())
        return pictureDisabled.isNone() ? &resourceBitmap(204) : &pictureDisabled.pixmap();
    if (type == GlossCheck::GKClassic) {
        if (isPressed)
            return &resourceBitmap(203);
        return &resourceBitmap(value != GlossCheck::GKUnChecked ? 202 : 201);
    }
    if (type == GlossCheck::GKCustom) {
        if (isPressed)
            return picturePushed.isNone() ? &pictureUncheck.pixmap() : &picturePushed.pixmap();
        if (value != GlossCheck::GKUnChecked)
            return pictureCheck.isNone() ? nullptr : &pictureCheck.pixmap();
        return pictureUncheck.isNone() ? nullptr : &pictureUncheck.pixmap();
    }
    return nullptr;
}

void GlossCheck::draw() {
    Q_D(GlossCheck);
    d->clearSurface(oleToColor(d->backColor));
    d->drawSurface([&](QPainter &p) {
        const int w = d->clientWidth(), h = d->clientHeight();
        step([&] {
            QRect r(0, 0, w, h);
            r.setLeft(30);
            r.setRight(r.right() - 2);
            p.setFont(font());
            p.setPen(oleToColor(d->foreColor));
            if (d->allowMultiLine) {
                r.setTop(d->adjustTop);
                drawTextFlags(p, r, d->caption, kTextLeftLines);
            } else {
                drawTextFlags(p, r, d->caption, kTextLeftSingle);
            }
        });
        step([&] {
            const QPixmap *box = d->boxPicture();
            if (box && !box->isNull())
                p.drawPixmap(0, h / 2 - 12, *box);
        });
        if (d->hasFocus && d->showFocus) {
            step([&] {
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(d->focusColor, 1));
                p.setBrush(Qt::NoBrush);
                if (d->focusType == GKChkNormalCircle)
                    p.drawEllipse(QPoint(12, h / 2), 11, 11);
                else if (d->focusType == GKChkNormalSquare)
                    p.drawRect(0, h / 2 - 12, 24, 24);
            });
        }
    });
}

} // namespace glosskit
