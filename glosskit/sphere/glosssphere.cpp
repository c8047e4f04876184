#include "glosssphere.h"
#include "../common/glosscontrol_p.h"
#include "../common/resources.h"

#include <QFontMetricsF>

namespace glosskit {

namespace {

constexpr quint32 kButtonTextColor = 0x80000012u;
constexpr quint32 kWhite = 0xFFFFFFu;

// The disc: 32 x 32 at rest, 16 and 64 at half and double size, the 64 x 64 mask unscaled at one
// and a half size, stretched in modes 1 and 2.
const Shape kDisc = {705, {{705, {32, 32}}, {}, {}, {706, {16, 16}}, {707, {64, 64}}, {707, {}}}};

void stretch(QPainter &p, const QPixmap &pixmap, int w, int h) {
    if (!pixmap.isNull())
        p.drawPixmap(QRect(0, 0, w, h), pixmap);
}

} // namespace

class GlossSpherePrivate : public GlossControlPrivate {
public:
    GlossSpherePrivate()
        : GlossControlPrivate({.size = {32, 32},
                               .keys = ButtonKeys::AfterHost,
                               .rollOver = RollOver::Sphere,
                               .shape = &kDisc,
                               .quiet = QuietMouseIcon | QuietEnabled}) {}

    void persist(Persist &io) override {
        io.enabled("Enabled");
        io.picture("MouseIcon", mouseIcon);
        io.integer("MousePointer", mousePointer, 0);
        io.enumeration("SphereType", sphereType, 0);
        io.enumeration("ContentType", contentType, 0);
        io.picture("ContentIcon", contentIcon);
        io.text("ContentLetter", contentLetter, QStringLiteral("0"));
        io.font("Font");
        io.oleByShade("ForeColor", foreColor, kButtonTextColor);
        io.enumeration("IconSize", iconSize, 0);
        io.boolean("ShowFocus", showFocus, false);
        io.picture("PictureNormal", pictureNormal);
        io.picture("PictureOver", pictureOver);
        io.picture("PictureOver2", pictureOver2);
        io.picture("PicturePushed", picturePushed);
        io.picture("PictureDisabled", pictureDisabled);
        io.color("FocusColor", focusColor, kWhite);
        io.enumeration("PictureMode", pictureMode, 0);
        io.boolean("UseAnimation", useAnimation, true);
        io.boolean("UseOnTop", useOnTop, true);
        io.text("ShortCutKey", shortCutKey, QString());
        io.boolean("UseSound", useSound, false);
        io.enumeration("SoundMethod", soundMethod, 0);
    }

    void drawFace(QPainter &p, int w, int h) const;
    void drawContent(QPainter &p, int w, int h) const;

    GlossSphere::GlsSphereTypeEnum sphereType = GlossSphere::GlsSphereRings;
    GlossSphere::GlsSphrContentTypeEnum contentType = GlossSphere::GlsCntNone;
    Picture contentIcon;
    QString contentLetter = QStringLiteral("0");
    GlossSphere::GlsSphrIconSize iconSize = GlossSphere::GlsSphrIconUnknown;
};

GlossSphere::GlossSphere(QWidget *parent) : GlossControl(*new GlossSpherePrivate, parent) {
    d_func()->playSound = [this](GKSoundType t) { emit PlaySound(t); };
    initProperties();
}

GlossSphere::~GlossSphere() = default;

// --- persistence ---------------------------------------------------------------------------

void GlossSphere::initProperties() {
    Q_D(GlossSphere);
    d->sphereType = GlsSphereRings;
    d->contentType = GlsCntNone;
    d->contentIcon = Picture::empty();
    d->contentLetter = QStringLiteral("0");
    step([&] { setFont(QFont()); }); // the container's (inherited) font
    d->foreColor = kButtonTextColor;
    d->iconSize = GlsSphrIconUnknown;
    d->showFocus = false;
    d->pictureOver = Picture::empty();
    d->picturePushed = Picture::empty();
    d->pictureNormal = Picture::empty();
    d->pictureDisabled = Picture::empty();
    d->pictureOver2 = Picture();
    d->mouseIcon = Picture();
    d->mousePointer = 0;
    d->focusColor = oleToColor(kWhite);
    d->useAnimation = false;
    d->useOnTop = false;
    d->useSound = false;
    d->soundMethod = GKInternalSound;
    d->pictureMode = DefaultStyle;
    d->shortCutKey.clear();
    refresh();
}

void GlossSphere::readProperties(const PropertyBag &bag) {
    Q_D(GlossSphere);
    readBag(bag);
    d->applyCursor();
    d->applyAccessKeys(d->shortCutKey);
    d->updateMask();
    refresh();
}

void GlossSphere::WriteProperties(PropertyBag &bag) {
    writeBag(bag);
    d_func()->updateMask();
}

// --- properties ----------------------------------------------------------------------------

GLOSS_SHOWN_PROPERTY(GlossSphere, GlossSphere::GlsSphereTypeEnum, SphereType, sphereType)
GLOSS_SHOWN_PROPERTY(GlossSphere, GlossSphere::GlsSphrContentTypeEnum, ContentType, contentType)
GLOSS_SHOWN_PROPERTY(GlossSphere, Picture, ContentIcon, contentIcon)
GLOSS_SHOWN_PROPERTY(GlossSphere, QString, ContentLetter, contentLetter)
GLOSS_SHOWN_PROPERTY(GlossSphere, GlossSphere::GlsSphrIconSize, IconSize, iconSize)

// --- events --------------------------------------------------------------------------------

void GlossSphere::onClick() {
    refresh();
    GlossControl::onClick();
}

void GlossSphere::TimerInvoke() {
    Q_D(GlossSphere);
    if (d->useAnimation && d->sphereType == glsSphereCustom && d->useOnTop)
        d->hoverTick();
}

// --- painting (RefreshSphere) --------------------------------------------------------------

void GlossSphere::draw() {
    Q_D(GlossSphere);
    d->drawSurface([&](QPainter &p) {
        const int w = d->clientWidth(), h = d->clientHeight();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!isEnabled()) {
            step([&] {
                stretch(p,
                        d->pictureDisabled.isNone() ? resourceBitmap(600)
                                                    : d->pictureDisabled.pixmap(),
                        w, h);
            });
            return;
        }
        step([&] { d->drawFace(p, w, h); });
        step([&] { d->drawContent(p, w, h); });
        if (d->hasFocus && d->showFocus) {
            step([&] {
                p.setPen(QPen(d->focusColor, 1));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(w / 2.0 - 1, w / 2.0 - 1), w / 2.0, w / 2.0);
                p.drawEllipse(QPointF(w / 2.0, h / 2.0), w / 2.0, w / 2.0);
            });
        }
    });
}

void GlossSpherePrivate::drawFace(QPainter &p, int w, int h) const {
    if (sphereType != GlossSphere::glsSphereCustom) {
        if (sphereType >= 0 && sphereType < GlossSphere::glsSphereCustom)
            stretch(p, resourceBitmap((isPressed ? 400 : 300) + sphereType), w, h);
        return;
    }
    // Without a normal picture a custom sphere has no face at all.
    if (pictureNormal.isNone())
        return;
    const Picture *face = nullptr;
    if (isPressed)
        face = &picturePushed;
    else if (!useAnimation || !useOnTop)
        face = &pictureNormal;
    else
        face = hoverFace();
    if (face)
        stretch(p, face->pixmap(), w, h);
}

void GlossSpherePrivate::drawContent(QPainter &p, int w, int h) const {
    if (contentType == GlossSphere::GlsCntIcon) {
        const QPixmap &icon = contentIcon.pixmap();
        if (icon.isNull())
            return;
        switch (iconSize) {
        case GlossSphere::GlsSphrIconUnknown:
            p.drawPixmap(w / 2 - 16, h / 2 - 16, icon);
            break;
        case GlossSphere::GlsSphrIcon32:
            p.drawPixmap(QRect(w / 2 - 16, h / 2 - 16, 32, 32), icon);
            break;
        case GlossSphere::GlsSphrIcon24:
            p.drawPixmap(QRect(w / 2 - 12, h / 2 - 12, 24, 24), icon);
            break;
        default:
            p.drawPixmap(QRect(w / 2 - 8, h / 2 - 8, 16, 16), icon);
            break;
        }
    } else if (contentType == GlossSphere::GlsCntLetter) {
        const QFont font = q->font();
        p.setFont(font);
        p.setPen(oleToColor(foreColor));
        const QFontMetricsF fm(font);
        const double x = w / 2.0 - fm.horizontalAdvance(contentLetter) / 2.0;
        const double y = h / 2.0 - fm.height() / 2.0;
        p.drawText(QPointF(x, y + fm.ascent()), contentLetter);
    }
}

} // namespace glosskit
