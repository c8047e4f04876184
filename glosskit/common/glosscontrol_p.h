#pragma once

// The private part of GlossControl and what the controls' own private parts build on. Not a
// public header: only the library's sources include it.

#include "glosscontrol.h"

#include <QPainter>
#include <QPointer>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

class QShortcut;

namespace glosskit {

// Runs one step; whatever it throws is dropped and the caller carries on.
template <class F> void step(F &&f) noexcept {
    try {
        f();
    } catch (...) {
    }
}

// How a button takes Space and Enter: it looks at KeyCode before the host's KeyDown or KeyUp
// handler runs, or after it (a host that sets KeyCode to 0 then cancels the key).
enum class ButtonKeys { None, BeforeHost, AfterHost };

// The roll-over state machine; the bar's has one rule more in front.
enum class RollOver { None, Sphere, Bar };

// A shaped control's mask and size by picture mode. Modes 1 and 2 stretch the stretched mask to
// the control's size; the others take the mask of their rule and, where the rule has a size, are
// held at that size. Modes outside 0 to 5 leave mask and size as they are.
struct ShapeRule {
    int mask = 0;
    QSize size;
};
struct Shape {
    int stretched = 0;
    ShapeRule modes[6];
};

// Shared setters that do not repaint in a control. (Enabled still repaints through the change of
// state; QuietEnabled only leaves out the repaint after it.)
enum QuietSetter : unsigned { QuietMouseIcon = 1, QuietMousePointer = 2, QuietEnabled = 4 };

// What sets a control apart in the shared code, fixed per class.
struct ControlTraits {
    QSize size;                         // a new instance's size (and the size hint)
    ButtonKeys keys = ButtonKeys::None; // None: no button (no press, focus mark or sounds)
    RollOver rollOver = RollOver::None; // what a mouse move does besides raising MouseMove
    const Shape *shape = nullptr;       // shaped controls only
    unsigned quiet = 0;                 // QuietSetter flags
};

// Reads or writes the keys of a control, one call a key, in the order the control writes them
// (which is also the order it reads them). Each key has the default a load takes when it is
// absent; a write leaves the key out when the value equals it.
class GlossControlPrivate;

class Persist {
public:
    // A key that is absent from the bag on load either gives the default or leaves the value.
    enum Absent { TakesDefault, KeepsValue };
    enum FontStyle { Bold, Italic, Strikethru, Underline };

    Persist(GlossControlPrivate *control, const PropertyBag &in);
    Persist(GlossControlPrivate *control, PropertyBag &out);

    void boolean(const char *key, bool &field, bool def);
    void integer(const char *key, int &field, int def, Absent absent = TakesDefault);
    template <class E>
    void enumeration(const char *key, E &field, int def, Absent a = TakesDefault) {
        int v = int(field);
        integer(key, v, def, a);
        field = E(v);
    }
    void single(const char *key, double &field, double def);
    void text(const char *key, QString &field, const QString &def);
    // A colour kept as its OLE value, so that a system colour stays one.
    void ole(const char *key, quint32 &field, quint32 def);
    // The same, written as the default whenever it shows the default's shade.
    void oleByShade(const char *key, quint32 &field, quint32 def);
    // A colour kept as a Qt colour (a system colour is resolved on load).
    void color(const char *key, QColor &field, quint32 def);
    // Pictures default to none.
    void picture(const char *key, Picture &field, Absent absent = TakesDefault);
    // The control's own enabled state and font; the font keys are applied in their order.
    void enabled(const char *key);
    void font(const char *key);
    void fontName(const char *key, const QString &def);
    void fontSize(const char *key, double def);
    void fontStyle(const char *key, FontStyle style);

private:
    QString name(const char *key) const { return QLatin1String(key); }
    void changeFont(const std::function<void(QFont &)> &change);

    GlossControlPrivate *m_control;
    const PropertyBag *m_in = nullptr;
    PropertyBag *m_out = nullptr;
};

class GlossControlPrivate {
public:
    explicit GlossControlPrivate(const ControlTraits &traits);
    virtual ~GlossControlPrivate();

    // The keys the control persists, in the order it writes them.
    virtual void persist(Persist &io) = 0;

    // --- drawing -----------------------------------------------------------------------------
    // Draws on the surface (one pass) and shows the result.
    template <class F> void drawSurface(F &&draw) noexcept {
        step([&] {
            ensureSurface();
            QPainter painter(&surface);
            ++refreshCount;
            draw(painter);
        });
        surfaceValid = true;
        if (!inPaintEvent)
            q->update();
    }
    void ensureSurface();
    // Clears the whole surface to a colour, as the window system does before a full repaint.
    void clearSurface(const QColor &color);
    // Size of the client area in pixels (inside any border).
    int clientWidth() const;
    int clientHeight() const;

    // --- the container -----------------------------------------------------------------------
    // Tells the container that a persisted property changed.
    void notify(const char *name);
    // The container's font (the parent's, or the application's for a top-level control).
    QFont ambientFont() const;
    // The name the container gives this instance: its object name, or the class name with 1.
    QString instanceName() const;
    // Makes each character of keys an access key of the control; an empty string keeps the
    // previous keys.
    void applyAccessKeys(const QString &keys);
    // The cursor from the pointer kind (99: the custom picture).
    void applyCursor();
    // After a new MouseIcon or MousePointer: the cursor, the word to the container and, unless
    // the control keeps quiet on that setter, a repaint.
    void cursorChanged(const char *name, QuietSetter setter);

    // --- assignments -------------------------------------------------------------------------
    // Stores a value; when it differs from the stored one, raises the property's change signal.
    template <class C, class T, class V> void set(T &field, V &&value, void (C::*changed)()) {
        if (field == value)
            return;
        field = std::forward<V>(value);
        // Called in place, not through step(): in the address-sanitized build GCC 12 read this
        // closure's captures from the wrong stack slot.
        try {
            (static_cast<C *>(q)->*changed)();
        } catch (...) {
        }
    }
    // A setter with effects: stores, tells the container and repaints.
    template <class C, class T, class V>
    void setShown(T &field, V &&value, const char *name, void (C::*changed)()) {
        set(field, std::forward<V>(value), changed);
        notify(name);
        q->refresh();
    }
    void changeFont(const std::function<void(QFont &)> &change, const char *name);

    // --- buttons -----------------------------------------------------------------------------
    // Space or Enter (Return or the keypad's Enter), by the code a key event carries.
    static bool isButtonKey(short keyCode);
    // A press or a release: isPressed, its sound, a repaint.
    void press(bool down);
    // A press or release sound: nothing, the PlaySound event or the library's clip.
    void sound(bool press);

    // --- roll-over and shape -----------------------------------------------------------------
    // One step of the roll-over state machine; it draws (without force) in states 0 to 2.
    void hoverStep();
    // A timer tick of the roll-over: a step, then the state counts down to -1.
    void hoverTick();
    // The custom face the roll-over state shows (nullptr: none).
    const Picture *hoverFace() const;
    // The resize handler of a shaped control, and the mask of its picture mode.
    void resizeByMode();
    void updateMask();

    GlossControl *q = nullptr;
    const ControlTraits traits;

    QPixmap surface;
    bool surfaceValid = false;
    bool inPaintEvent = false;
    bool afterDoubleClick = false;
    int refreshCount = 0;
    std::vector<QPointer<QShortcut>> accessKeys;

    bool hasFocus = false;
    bool isPressed = false;
    bool forceRepaint = false;
    // Raises the control's PlaySound event (buttons only).
    std::function<void(GlossControl::GKSoundType)> playSound;

    // Values of the shared properties.
    bool showFocus = false;
    QColor focusColor;
    bool useSound = false;
    GlossControl::GKSoundMethod soundMethod = GlossControl::GKInternalSound;
    bool allowMultiLine = false;
    int adjustTop = 0;
    QString caption;
    QString shortCutKey;
    quint32 foreColor = 0;
    // While a caption's shadow is drawn the foreground belongs to the shadow: assignments to
    // ForeColor are ignored.
    bool drawingShadow = false;
    Picture mouseIcon;
    int mousePointer = 0;
    bool useAnimation = false;
    bool useOnTop = false;
    Picture pictureNormal, picturePushed, pictureOver, pictureOver2, pictureDisabled;
    GlossControl::GKPicStyles pictureMode = GlossControl::DefaultStyle;

    short hoverState = 0;
    short hoverPhase = 0;
    bool maskBusy = false;
};

// The argument type of a property's setter: scalars by value, everything else by reference.
template <class T> using SetterArg = std::conditional_t<std::is_scalar_v<T>, T, const T &>;

} // namespace glosskit

// Defines the getter and setter of a property held in field of the control's private part: the
// getter returns the field; the setter stores a new value and raises Name##Changed.
#define GLOSS_FIELD_PROPERTY(Class, Type, Name, field)                                             \
    Type Class::Name() const {                                                                     \
        return d_func()->field;                                                                    \
    }                                                                                              \
    void Class::set##Name(SetterArg<Type> value) {                                                 \
        d_func()->set(d_func()->field, value, &Class::Name##Changed);                              \
    }

// The same for a property the control shows: the setter also tells the container and repaints.
#define GLOSS_SHOWN_PROPERTY(Class, Type, Name, field)                                             \
    Type Class::Name() const {                                                                     \
        return d_func()->field;                                                                    \
    }                                                                                              \
    void Class::set##Name(SetterArg<Type> value) {                                                 \
        d_func()->setShown(d_func()->field, value, #Name, &Class::Name##Changed);                  \
    }
