#pragma once

#include "glosskit_export.h"
#include "picture.h"
#include "propertybag.h"

#include <QWidget>

#include <memory>

namespace glosskit {

class GlossControlPrivate;

// What every control of the library shares: the event set, the container's events mapped onto
// the control's handlers, focus, Space and Enter as a button, access keys, sounds, the cursor
// settings, roll-over, the shape by picture mode, the persistent drawing surface, the About
// window, persistence and the rule that no failure ever reaches the host.
//
// The properties several controls have live here too, as protected accessors; each control makes
// public (and declares as Q_PROPERTY) those that belong to its interface. Their change signals are
// declared here; a control raises those of the properties it has.
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

    ~GlossControl() override;

    // The class name and ProgID under which the library describes this control.
    QString className() const;
    QString progId() const;

    // Persistence handlers: a new instance, loading from a bag, saving into one. The first two
    // raise the change signals of the properties whose values they change.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    virtual void WriteProperties(PropertyBag &bag);

    // The size of a new instance, or the size its picture mode gives it.
    QSize sizeHint() const override;

    // What the control shows (its drawing surface, without any border).
    const QPixmap &surface() const;
    // Number of drawing passes run since creation (diagnostic).
    int refreshCount() const;
    // A mouse button or Space/Enter is down on the control; it holds the input focus. Always
    // false for a control that is no button.
    bool isPressed() const;
    bool hasFocusMark() const;

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

    // Change signals of the shared properties.
    void ShowFocusChanged();
    void FocusColorChanged();
    void UseSoundChanged();
    void SoundMethodChanged();
    void AllowMultiLineChanged();
    void AdjustTopChanged();
    void CaptionChanged();
    void ShortCutKeyChanged();
    void EnabledChanged();
    void FontChanged();
    void ForeColorChanged();
    void MouseIconChanged();
    void MousePointerChanged();
    void UseAnimationChanged();
    void UseOnTopChanged();
    void PictureNormalChanged();
    void PicturePushedChanged();
    void PictureOverChanged();
    void PictureOver2Changed();
    void PictureDisabledChanged();
    void PictureModeChanged();

protected:
    GlossControl(GlossControlPrivate &dd, QWidget *parent);

    // The shared properties. Plain fields (ShowFocus, FocusColor, UseSound, SoundMethod,
    // AllowMultiLine, AdjustTop) have no side effect; every other setter tells the container
    // and repaints, unless the control says otherwise.
    bool ShowFocus() const;
    void setShowFocus(bool on);
    QColor FocusColor() const;
    void setFocusColor(const QColor &color);
    bool UseSound() const;
    void setUseSound(bool on);
    GKSoundMethod SoundMethod() const;
    void setSoundMethod(GKSoundMethod method);
    bool AllowMultiLine() const;
    void setAllowMultiLine(bool on);
    int AdjustTop() const;
    void setAdjustTop(int top);
    QString Caption() const;
    void setCaption(const QString &caption);
    // Makes each character an access key (an empty string keeps the keys before); no repaint.
    QString ShortCutKey() const;
    void setShortCutKey(const QString &keys);
    bool Enabled() const;
    void setEnabledProperty(bool enabled);
    QFont Font() const;
    void setFontProperty(const QFont &font);
    QString FontName() const;
    void setFontName(const QString &name);
    double FontSize() const;
    void setFontSize(double size);
    bool FontBold() const;
    void setFontBold(bool on);
    bool FontItalic() const;
    void setFontItalic(bool on);
    bool FontStrikethru() const;
    void setFontStrikethru(bool on);
    bool FontUnderline() const;
    void setFontUnderline(bool on);
    // Colours keep their stored value: a system colour stays one.
    QColor ForeColor() const;
    void setForeColor(const QColor &color);
    Picture MouseIcon() const;
    void setMouseIcon(const Picture &icon);
    int MousePointer() const;
    void setMousePointer(int pointer);
    bool UseAnimation() const;
    void setUseAnimation(bool on);
    bool UseOnTop() const;
    void setUseOnTop(bool on);
    Picture PictureNormal() const;
    void setPictureNormal(const Picture &picture);
    Picture PicturePushed() const;
    void setPicturePushed(const Picture &picture);
    Picture PictureOver() const;
    void setPictureOver(const Picture &picture);
    Picture PictureOver2() const;
    void setPictureOver2(const Picture &picture);
    Picture PictureDisabled() const;
    void setPictureDisabled(const Picture &picture);
    // A shaped control also takes the mask and size of the new mode.
    GKPicStyles PictureMode() const;
    void setPictureMode(GKPicStyles mode);

    // Roll-over state of the controls that roll over.
    short hoverState() const;
    short hoverPhase() const;

    // The persistence handlers of each control: the values of a new instance, and what a load
    // does beyond reading the keys (readBag).
    virtual void initProperties() = 0;
    virtual void readProperties(const PropertyBag &bag);
    // Reads, or writes, every key the control persists (the list of its private part).
    void readBag(const PropertyBag &bag);
    void writeBag(PropertyBag &bag);

    // One drawing pass (RefreshSphere, RefreshCommand ...), and the repaint a setter or a press
    // does: a drawing pass with forceRepaint set.
    virtual void draw() = 0;
    void refresh();

    // Handlers of the container's events. The defaults raise the matching event; a button also
    // takes the press, Space and Enter, and the focus as its private part describes.
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
    // Space or Enter went up on a button: release it and raise Click.
    virtual void onButtonKeyUp();
    // The surface must be drawn anew (first show, new size, exposure after a change of state).
    virtual void onPaint();
    // A new size: a shaped control applies its picture mode.
    virtual void onResize();

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

    const std::unique_ptr<GlossControlPrivate> d_gloss;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossControl)
};

} // namespace glosskit
