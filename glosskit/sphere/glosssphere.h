#pragma once

#include "../common/glosscontrol.h"

#include <QColor>
#include <QFont>

namespace glosskit {

// Round push button: one of ten built-in faces or host pictures with a roll-over animation, an
// optional icon or letter in the middle and a circular focus mark. Its window is cut to a disc.
class GLOSSKIT_EXPORT GlossSphere : public GlossControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "GlossSphere")
    Q_CLASSINFO("ProgID", "GlossKit.GlossSphere")
    Q_CLASSINFO("DefaultInterface", "_GlossSphere")
    Q_CLASSINFO("EventInterface", "__GlossSphere")

public:
    enum GlsSphereTypeEnum : int {
        GlsSphereRings = 0,
        GlsSphereGasGiant1 = 1,
        GlsSphereGasGiant2 = 2,
        GlsSphereRainbow = 3,
        GlsSphereRainFlux = 4,
        GlsSpherePixelix = 5,
        GlsSphereVortex = 6,
        GlsSphereCables = 7,
        GlsSphereClouds = 8,
        GlsSphereBlue = 9,
        glsSphereCustom = 10,
    };
    Q_ENUM(GlsSphereTypeEnum)
    enum GlsSphrContentTypeEnum : int { GlsCntNone = 0, GlsCntIcon = 1, GlsCntLetter = 2 };
    Q_ENUM(GlsSphrContentTypeEnum)
    enum GlsSphrIconSize : int {
        GlsSphrIconUnknown = 0,
        GlsSphrIcon32 = 1,
        GlsSphrIcon24 = 2,
        GlsSphrIcon16 = 3,
    };
    Q_ENUM(GlsSphrIconSize)

    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound)
    Q_PROPERTY(
        glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE setSoundMethod)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey)
    Q_PROPERTY(glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(GlsSphereTypeEnum SphereType READ SphereType WRITE setSphereType)
    Q_PROPERTY(GlsSphrContentTypeEnum ContentType READ ContentType WRITE setContentType)
    Q_PROPERTY(bool UseAnimation READ UseAnimation WRITE setUseAnimation)
    Q_PROPERTY(bool UseOnTop READ UseOnTop WRITE setUseOnTop)
    Q_PROPERTY(glosskit::Picture ContentIcon READ ContentIcon WRITE setContentIcon)
    Q_PROPERTY(QString ContentLetter READ ContentLetter WRITE setContentLetter)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(GlsSphrIconSize IconSize READ IconSize WRITE setIconSize)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(glosskit::Picture PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(glosskit::Picture PictureOver2 READ PictureOver2 WRITE setPictureOver2)
    Q_PROPERTY(
        glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode)

public:
    explicit GlossSphere(QWidget *parent = nullptr);

    // Plain fields: assigning them has no side effect (no repaint, no notification).
    QColor FocusColor() const { return m_focusColor; }
    void setFocusColor(const QColor &c) { m_focusColor = c; }
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool on) { m_showFocus = on; }
    bool UseSound() const { return m_useSound; }
    void setUseSound(bool on) { m_useSound = on; }
    GKSoundMethod SoundMethod() const { return m_soundMethod; }
    void setSoundMethod(GKSoundMethod m) { m_soundMethod = m; }

    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool enabled);
    QString ShortCutKey() const { return m_shortCutKey; }
    void setShortCutKey(const QString &keys);
    Picture MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const Picture &icon);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    GlsSphereTypeEnum SphereType() const { return m_sphereType; }
    void setSphereType(GlsSphereTypeEnum type);
    GlsSphrContentTypeEnum ContentType() const { return m_contentType; }
    void setContentType(GlsSphrContentTypeEnum type);
    bool UseAnimation() const { return m_useAnimation; }
    void setUseAnimation(bool on);
    bool UseOnTop() const { return m_useOnTop; }
    void setUseOnTop(bool on);
    Picture ContentIcon() const { return m_contentIcon; }
    void setContentIcon(const Picture &icon);
    QString ContentLetter() const { return m_contentLetter; }
    void setContentLetter(const QString &letter);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont &font);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);
    GlsSphrIconSize IconSize() const { return m_iconSize; }
    void setIconSize(GlsSphrIconSize size);
    Picture PicturePushed() const { return m_picturePushed; }
    void setPicturePushed(const Picture &p);
    Picture PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const Picture &p);
    Picture PictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const Picture &p);
    Picture PictureOver() const { return m_pictureOver; }
    void setPictureOver(const Picture &p);
    Picture PictureOver2() const { return m_pictureOver2; }
    void setPictureOver2(const Picture &p);
    GKPicStyles PictureMode() const { return m_pictureMode; }
    void setPictureMode(GKPicStyles mode);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    // Internal state, readable for hosts and tests.
    bool isPressed() const { return m_isPressed; }
    bool hasFocusMark() const { return m_hasFocus; }
    short hoverState() const { return m_hoverState; }
    short hoverPhase() const { return m_hoverPhase; }

public slots:
    void TimerInvoke() override;

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);

protected:
    void onMouseDown(short button, short shift, float x, float y) override;
    void onMouseUp(short button, short shift, float x, float y) override;
    void onMouseMove(short button, short shift, float x, float y) override;
    void onClick() override;
    void onKeyDown(short &keyCode, short shift) override;
    void onKeyUp(short &keyCode, short shift) override;
    void onFocusChanged(bool hasFocus) override;
    void onPaint() override;
    void onResize() override;

private:
    QColor m_focusColor = Qt::white;
    bool m_showFocus = false;
    bool m_useSound = false;
    GKSoundMethod m_soundMethod = GKInternalSound;

    void RefreshSphere();
    void repaintWithForce();
    void HoverStep();
    void UpdateMask();
    void computePresence();
    void pressSound(bool press);
    void drawFace(QPainter &p, int w, int h);
    void drawContent(QPainter &p, int w, int h);

    QString m_shortCutKey;
    Picture m_mouseIcon;
    int m_mousePointer = 0;
    GlsSphereTypeEnum m_sphereType = GlsSphereRings;
    GlsSphrContentTypeEnum m_contentType = GlsCntNone;
    bool m_useAnimation = false;
    bool m_useOnTop = false;
    Picture m_contentIcon;
    QString m_contentLetter = QStringLiteral("0");
    QColor m_foreColor;
    GlsSphrIconSize m_iconSize = GlsSphrIconUnknown;
    Picture m_picturePushed, m_pictureDisabled, m_pictureNormal, m_pictureOver, m_pictureOver2;
    GKPicStyles m_pictureMode = DefaultStyle;

    bool m_hasFocus = false;
    bool m_isPressed = false;
    bool m_forceRepaint = false;
    bool m_hasPictureNormal = false, m_hasPicturePushed = false, m_hasPictureOver = false,
         m_hasPictureOver2 = false, m_hasPictureDisabled = false;
    short m_hoverState = 0;
    short m_hoverPhase = 0;
    bool m_maskBusy = false;
};

} // namespace glosskit
