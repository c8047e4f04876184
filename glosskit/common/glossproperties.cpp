// GlossControl: the shared properties, the persistence handlers and the key list reader/writer.

#include "glosscontrol_p.h"

#include <QMetaProperty>

#include <cmath>

namespace glosskit {

// --- plain fields: no repaint, no word to the container ---------------------------------------

GLOSS_FIELD_PROPERTY(GlossControl, bool, ShowFocus, showFocus)
GLOSS_FIELD_PROPERTY(GlossControl, QColor, FocusColor, focusColor)
GLOSS_FIELD_PROPERTY(GlossControl, bool, UseSound, useSound)
GLOSS_FIELD_PROPERTY(GlossControl, GlossControl::GKSoundMethod, SoundMethod, soundMethod)
GLOSS_FIELD_PROPERTY(GlossControl, bool, AllowMultiLine, allowMultiLine)

int GlossControl::AdjustTop() const {
    return d_func()->adjustTop;
}

void GlossControl::setAdjustTop(int top) {
    d_func()->set(d_func()->adjustTop, int(PropertyBag::boundPixels(top)),
                  &GlossControl::AdjustTopChanged);
}

// --- setters that tell the container and repaint ---------------------------------------------

GLOSS_SHOWN_PROPERTY(GlossControl, QString, Caption, caption)

QString GlossControl::ShortCutKey() const {
    return d_func()->shortCutKey;
}

void GlossControl::setShortCutKey(const QString &keys) {
    Q_D(GlossControl);
    d->set(d->shortCutKey, keys, &GlossControl::ShortCutKeyChanged);
    d->notify("ShortCutKey");
    d->applyAccessKeys(keys);
}

bool GlossControl::Enabled() const {
    return isEnabled();
}

void GlossControl::setEnabledProperty(bool enabled) {
    Q_D(GlossControl);
    step([&] { setEnabled(enabled); }); // a change of state repaints all by itself
    d->notify("Enabled");
    if (!(d->traits.quiet & QuietEnabled))
        refresh();
}

QFont GlossControl::Font() const {
    return font();
}

void GlossControl::setFontProperty(const QFont &f) {
    d_func()->changeFont([&](QFont &font) { font = f; }, "Font");
}

QString GlossControl::FontName() const {
    return font().family();
}

void GlossControl::setFontName(const QString &name) {
    // An empty name is not a font: the font stays as it was.
    d_func()->changeFont(
        [&](QFont &f) {
            if (!name.isEmpty())
                f.setFamily(name);
        },
        "FontName");
}

double GlossControl::FontSize() const {
    return font().pointSizeF();
}

void GlossControl::setFontSize(double size) {
    d_func()->changeFont(
        [&](QFont &f) {
            if (size > 0 && std::isfinite(size))
                f.setPointSizeF(size);
        },
        "FontSize");
}

// The style flags of the font: each reads and sets one flag of the widget's font.
#define GLOSS_FONT_FLAG(Name, flag, setFlag)                                                       \
    bool GlossControl::Name() const {                                                              \
        return font().flag();                                                                      \
    }                                                                                              \
    void GlossControl::set##Name(bool on) {                                                        \
        d_func()->changeFont([&](QFont &f) { f.setFlag(on); }, #Name);                             \
    }
GLOSS_FONT_FLAG(FontBold, bold, setBold)
GLOSS_FONT_FLAG(FontItalic, italic, setItalic)
GLOSS_FONT_FLAG(FontStrikethru, strikeOut, setStrikeOut)
GLOSS_FONT_FLAG(FontUnderline, underline, setUnderline)
#undef GLOSS_FONT_FLAG

void GlossControlPrivate::cursorChanged(const char *name, QuietSetter setter) {
    applyCursor();
    notify(name);
    if (!(traits.quiet & setter))
        q->refresh();
}

void GlossControlPrivate::changeFont(const std::function<void(QFont &)> &change, const char *name) {
    step([&] {
        QFont f = q->font();
        change(f);
        q->setFont(f); // the change of font raises FontChanged
    });
    notify(name);
    q->refresh();
}

QColor GlossControl::ForeColor() const {
    return oleToColor(d_func()->foreColor);
}

void GlossControl::setForeColor(const QColor &color) {
    Q_D(GlossControl);
    if (d->drawingShadow)
        return;
    d->setShown(d->foreColor, colorToOle(color), "ForeColor", &GlossControl::ForeColorChanged);
}

Picture GlossControl::MouseIcon() const {
    return d_func()->mouseIcon;
}

void GlossControl::setMouseIcon(const Picture &icon) {
    Q_D(GlossControl);
    d->set(d->mouseIcon, icon, &GlossControl::MouseIconChanged);
    d->cursorChanged("MouseIcon", QuietMouseIcon);
}

int GlossControl::MousePointer() const {
    return d_func()->mousePointer;
}

void GlossControl::setMousePointer(int pointer) {
    Q_D(GlossControl);
    d->set(d->mousePointer, pointer, &GlossControl::MousePointerChanged);
    d->cursorChanged("MousePointer", QuietMousePointer);
}

GLOSS_SHOWN_PROPERTY(GlossControl, bool, UseAnimation, useAnimation)
GLOSS_SHOWN_PROPERTY(GlossControl, bool, UseOnTop, useOnTop)
GLOSS_SHOWN_PROPERTY(GlossControl, Picture, PictureNormal, pictureNormal)
GLOSS_SHOWN_PROPERTY(GlossControl, Picture, PicturePushed, picturePushed)
GLOSS_SHOWN_PROPERTY(GlossControl, Picture, PictureOver, pictureOver)
GLOSS_SHOWN_PROPERTY(GlossControl, Picture, PictureOver2, pictureOver2)
GLOSS_SHOWN_PROPERTY(GlossControl, Picture, PictureDisabled, pictureDisabled)

GlossControl::GKPicStyles GlossControl::PictureMode() const {
    return d_func()->pictureMode;
}

void GlossControl::setPictureMode(GKPicStyles mode) {
    Q_D(GlossControl);
    d->setShown(d->pictureMode, mode, "PictureMode", &GlossControl::PictureModeChanged);
    if (d->traits.shape)
        d->updateMask();
}

// --- persistence -----------------------------------------------------------------------------

namespace {

// The values of the properties whose change signals the persistence handlers raise (the enabled
// state and the font raise theirs as the widget changes).
QVariantList snapshot(const QObject *o, QList<QMetaProperty> *props) {
    QVariantList values;
    const QMetaObject *mo = o->metaObject();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QByteArray signal = p.notifySignal().name();
        if (!p.hasNotifySignal() || signal == "EnabledChanged" || signal == "FontChanged")
            continue;
        if (props)
            props->append(p);
        values.append(p.read(o));
    }
    return values;
}

// Runs a handler and then raises the change signals of the values it changed.
template <class F> void signallingChanges(GlossControl *control, F &&handler) {
    QList<QMetaProperty> props;
    const QVariantList before = snapshot(control, &props);
    handler();
    const QVariantList after = snapshot(control, nullptr);
    for (qsizetype i = 0; i < props.size() && i < after.size(); ++i) {
        if (before[i] != after[i])
            step([&] { props[i].notifySignal().invoke(control, Qt::DirectConnection); });
    }
}

} // namespace

void GlossControl::InitProperties() {
    signallingChanges(this, [this] { initProperties(); });
}

void GlossControl::ReadProperties(const PropertyBag &bag) {
    signallingChanges(this, [&] { readProperties(bag); });
}

void GlossControl::readProperties(const PropertyBag &bag) {
    readBag(bag);
    refresh();
}

void GlossControl::WriteProperties(PropertyBag &bag) {
    writeBag(bag);
}

void GlossControl::readBag(const PropertyBag &bag) {
    Persist io(d_func(), bag);
    d_func()->persist(io);
}

void GlossControl::writeBag(PropertyBag &bag) {
    Persist io(d_func(), bag);
    step([&] { d_func()->persist(io); });
}

Persist::Persist(GlossControlPrivate *control, const PropertyBag &in)
    : m_control(control), m_in(&in) {}

Persist::Persist(GlossControlPrivate *control, PropertyBag &out)
    : m_control(control), m_out(&out) {}

namespace {

// Loads field from the bag (in) or saves it into the bag (out) with the bag's accessors of its
// type; a load of an absent key gives readDefault, a save leaves the key out when field equals
// def.
template <class T, class D, class R, class W>
void transfer(const PropertyBag *in, PropertyBag *out, const QString &key, T &field,
              const D &readDefault, const D &def, R read, W write) {
    if (in)
        field = (in->*read)(key, readDefault);
    else
        (out->*write)(key, field, def);
}

} // namespace

void Persist::boolean(const char *key, bool &field, bool def) {
    transfer(m_in, m_out, name(key), field, def, def, &PropertyBag::readBool,
             &PropertyBag::writeBool);
}

void Persist::integer(const char *key, int &field, int def, Absent absent) {
    transfer(m_in, m_out, name(key), field, absent == KeepsValue ? field : def, def,
             &PropertyBag::readInt, &PropertyBag::writeInt);
}

void Persist::single(const char *key, double &field, double def) {
    transfer(m_in, m_out, name(key), field, def, def, &PropertyBag::readSingle,
             &PropertyBag::writeSingle);
}

void Persist::text(const char *key, QString &field, const QString &def) {
    transfer(m_in, m_out, name(key), field, def, def, &PropertyBag::readString,
             &PropertyBag::writeString);
}

void Persist::ole(const char *key, quint32 &field, quint32 def) {
    transfer(m_in, m_out, name(key), field, def, def, &PropertyBag::readColor,
             &PropertyBag::writeColor);
}

void Persist::oleByShade(const char *key, quint32 &field, quint32 def) {
    if (m_in)
        field = m_in->readColor(name(key), def);
    else
        m_out->writeColor(name(key), oleToColor(field) == oleToColor(def) ? def : field, def);
}

void Persist::color(const char *key, QColor &field, quint32 def) {
    if (m_in)
        field = oleToColor(m_in->readColor(name(key), def));
    else
        m_out->writeColor(name(key), colorToOle(field), def);
}

void Persist::picture(const char *key, Picture &field, Absent absent) {
    if (m_in)
        field = m_in->readPicture(name(key), absent == KeepsValue ? field : Picture());
    else
        m_out->writePicture(name(key), field, Picture());
}

void Persist::enabled(const char *key) {
    if (m_in)
        step([&] { m_control->q->setEnabled(m_in->readBool(name(key), true)); });
    else
        m_out->writeBool(name(key), m_control->q->isEnabled(), true);
}

void Persist::font(const char *key) {
    if (m_in) {
        const QFont ambient = m_control->ambientFont();
        changeFont([&](QFont &f) { f = m_in->readFont(name(key), ambient); });
    } else {
        m_out->writeFont(name(key), m_control->q->font(), m_control->ambientFont());
    }
}

void Persist::fontName(const char *key, const QString &def) {
    // An empty name is no font: the font stays as it is.
    if (m_in) {
        const QString family = m_in->readString(name(key), def);
        if (!family.isEmpty())
            changeFont([&](QFont &f) { f.setFamily(family); });
    } else {
        m_out->writeString(name(key), m_control->q->font().family(), def);
    }
}

void Persist::fontSize(const char *key, double def) {
    // A size of 0 (or less) is no font size: the size stays as it is.
    if (m_in) {
        const double size = m_in->readSingle(name(key), def);
        if (size > 0)
            changeFont([&](QFont &f) { f.setPointSizeF(size); });
    } else {
        m_out->writeSingle(name(key), m_control->q->font().pointSizeF(), def);
    }
}

namespace {

bool styleOf(const QFont &f, Persist::FontStyle style) {
    switch (style) {
    case Persist::Bold:
        return f.bold();
    case Persist::Italic:
        return f.italic();
    case Persist::Strikethru:
        return f.strikeOut();
    default:
        return f.underline();
    }
}

void setStyle(QFont &f, Persist::FontStyle style, bool on) {
    switch (style) {
    case Persist::Bold:
        f.setBold(on);
        break;
    case Persist::Italic:
        f.setItalic(on);
        break;
    case Persist::Strikethru:
        f.setStrikeOut(on);
        break;
    default:
        f.setUnderline(on);
        break;
    }
}

} // namespace

void Persist::fontStyle(const char *key, FontStyle style) {
    if (!m_in) {
        m_out->writeBool(name(key), styleOf(m_control->q->font(), style), false);
        return;
    }
    const bool on = m_in->readBool(name(key), false);
    changeFont([&](QFont &f) { setStyle(f, style, on); });
}

void Persist::changeFont(const std::function<void(QFont &)> &change) {
    step([&] {
        QFont f = m_control->q->font();
        change(f);
        m_control->q->setFont(f);
    });
}

} // namespace glosskit
