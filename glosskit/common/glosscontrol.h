#pragma once

#include "glosskit_export.h"
#include "picture.h"
#include "propertybag.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QShortcut;

namespace glosskit {

// What every control of the library shares: the event set, the container's events mapped onto
// the control's handlers, focus, keyboard-as-a-button codes, access keys, the cursor settings,
// the persistent drawing surface, the About window, persistence handlers and the rule that no
// failure ever reaches the host.
//
// Drawing goes to a surface that keeps its pixels between repaints: a control draws a step into
// it when its own logic says so, and the widget shows the surface. Steps a control skips leave
// what was there before.
class GLOSSKIT_EXPORT GlossControl : public QWidget {
    Q_OBJECT
public:
    enum GKPicStyles : int {
        DefaultStyle = 0,
        RescaleToEdges = 1,
        RescaleWhenNeeded = 2,
        HalfSize = 3,
        DoubleSize = 4,
        OneAndHalfSize = 5,
    };
    Q_ENUM(GKPicStyles)
    enum GKSoundMethod : int { GKInternalSound = 0, GKUseSoundEvent = 1 };
    Q_ENUM(GKSoundMethod)
    enum GKSoundType : int { Gettingpushed = 0, GettingReleased = 1 };
    Q_ENUM(GKSoundType)

    explicit GlossControl(QWidget *parent = nullptr);
    ~GlossControl() override;

    // The class name and ProgID under which the library describes this control.
    QString className() const;
    QString progId() const;

    // Persistence handlers: a new instance, loading from a bag, saving into one.
    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag &bag) = 0;
    virtual void WriteProperties(PropertyBag &bag) = 0;

    // What the control shows (its drawing surface, without any border).
    const QPixmap &surface() const { return m_surface; }
    // Number of drawing passes run since creation (diagnostic).
    int refreshCount() const { return m_refreshCount; }

    // Key and button codes as the events carry them.
    static short keyCodeFor(int qtKey);
    static short shiftFor(Qt::KeyboardModifiers modifiers);
    static short buttonFor(Qt::MouseButtons buttons);

public slots:
    virtual void TimerInvoke();
    void AboutMe();

signals:
    void Click();
    void DblClick();
    // KeyCode is read back after the handlers return: setting it to 0 cancels the key.
    void KeyDown(short &KeyCode, short Shift);
    void KeyPress(short KeyAscii);
    void KeyUp(short &KeyCode, short Shift);
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    // The container is told that a persisted property changed (so that it saves it).
    void propertyChanged(const QString &name);

protected:
    // Handlers of the container's events; the defaults raise the matching event.
    virtual void onMouseDown(short button, short shift, float x, float y);
    virtual void onMouseUp(short button, short shift, float x, float y);
    virtual void onMouseMove(short button, short shift, float x, float y);
    virtual void onClick();
    virtual void onDblClick();
    virtual void onKeyDown(short &keyCode, short shift);
    virtual void onKeyPress(short keyAscii);
    virtual void onKeyUp(short &keyCode, short shift);
    virtual void onAccessKey();
    virtual void onFocusChanged(bool hasFocus);
    // The surface must be drawn anew (first show, new size, exposure after a change of state).
    virtual void onPaint() = 0;
    virtual void onResize() {}

    // Runs one step; whatever it throws is dropped and the caller carries on.
    template <class F> static void step(F &&f) noexcept {
        try {
            f();
        } catch (...) {
        }
    }
    // Draws on the surface (one pass) and shows the result.
    template <class F> void drawSurface(F &&draw) noexcept {
        step([&] {
            ensureSurface();
            QPainter painter(&m_surface);
            ++m_refreshCount;
            draw(painter);
        });
        m_surfaceValid = true;
        if (!m_inPaintEvent)
            update();
    }
    void ensureSurface();
    // Size of the client area in pixels (inside any border).
    int clientWidth() const { return contentsRect().width(); }
    int clientHeight() const { return contentsRect().height(); }

    void notifyChanged(const char *name);
    // The container's font (the parent's, or the application's for a top-level control).
    QFont ambientFont() const;
    // The name the container gives this instance: its object name, or the class name with 1.
    QString instanceName() const;
    // Clears the whole surface to a colour, as the window system does before a full repaint.
    void clearSurface(const QColor &color);
    // Makes each character of keys an access key of the control; an empty string keeps the
    // previous keys.
    void applyAccessKeys(const QString &keys);
    // The cursor from the pointer kind (99: the custom picture).
    void applyCursor(int mousePointer, const Picture &mouseIcon);
    // A press or release sound: nothing, the PlaySound event (through raise) or the clip.
    static void sound(bool press, bool useSound, int soundMethod,
                      const std::function<void(GKSoundType)> &raise);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_surface;
    bool m_surfaceValid = false;
    bool m_afterDoubleClick = false;
    bool m_inPaintEvent = false;
    int m_refreshCount = 0;
    std::vector<QPointer<QShortcut>> m_accessKeys;
};

} // namespace glosskit
