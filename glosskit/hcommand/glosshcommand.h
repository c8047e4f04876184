#pragma once

#include "../common/glosscontrol.h"

#include <QColor>
#include <QFont>

namespace glosskit {

// Shaped bar button (175 x 32 by default, cut to a bar with rounded ends): built-in faces or host
// pictures with roll-over, a centre, left and right caption in three colours, four focus marks,
// and a glow of the rim that the host's TimerInvoke calls run up and down.
class GLOSSKIT_EXPORT GlossHCommand : public GlossControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "GlossHCommand")
    Q_CLASSINFO("ProgID", "GlossKit.GlossHCommand")
    Q_CLASSINFO("DefaultInterface", "_GlossHCommand")
    Q_CLASSINFO("EventInterface", "__GlossHCommand")

public:
    enum GKHCommandTypes : int {
        GKCyanWater = 0,
        GKBlueWater = 1,
        GKTriColor = 2,
        GKCrystaline = 3,
        GKClouds = 4,
        GKOldMarble = 5,
        GKTintMarble = 6,
        GKSpectrum = 7,
        GKCustom = 8,
    };
    Q_ENUM(GKHCommandTypes)
    enum GKHCommandFocusStyles : int {
        GKHClassicIndent = 0,
        GKHColorOutline = 1,
        GKHBoldColorOutline = 2,
        GKHRoundIndent = 3,
    };
    Q_ENUM(GKHCommandFocusStyles)
    enum GKHShineModes : int {
        GKHWhiteShine = 0,
        GKHRedShine = 1,
        GKHGreenShine = 2,
        GKHBlueShine = 3,
        GKHCyanShine = 4,
        GKHMagentaShine = 5,
        GKHYellowShine = 6,
    };
    Q_ENUM(GKHShineModes)

    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound)
    Q_PROPERTY(
        glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE setSoundMethod)
    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop)
    Q_PROPERTY(bool UseAnimation READ UseAnimation WRITE setUseAnimation)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold STORED false)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic STORED false)
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru STORED false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline STORED false)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName STORED false)
    Q_PROPERTY(GKHShineModes ShineMode READ ShineMode WRITE setShineMode)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize STORED false)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QColor LeftColor READ LeftColor WRITE setLeftColor)
    Q_PROPERTY(QColor RightColor READ RightColor WRITE setRightColor)
    Q_PROPERTY(glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(GKHCommandTypes GlossStyle READ GlossStyle WRITE setGlossStyle)
    Q_PROPERTY(bool UseOnTop READ UseOnTop WRITE setUseOnTop)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString LeftCaption READ LeftCaption WRITE setLeftCaption)
    Q_PROPERTY(QString RightCaption READ RightCaption WRITE setRightCaption)
    Q_PROPERTY(GKHCommandFocusStyles FocusStyle READ FocusStyle WRITE setFocusStyle)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed)
    Q_PROPERTY(glosskit::Picture PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(glosskit::Picture PictureOver2 READ PictureOver2 WRITE setPictureOver2)
    Q_PROPERTY(
        glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode)

public:
    explicit GlossHCommand(QWidget *parent = nullptr);

    // Plain fields: no repaint, no notification.
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool on) { m_showFocus = on; }
    QColor FocusColor() const { return m_focusColor; }
    void setFocusColor(const QColor &c) { m_focusColor = c; }
    bool UseSound() const { return m_useSound; }
    void setUseSound(bool on) { m_useSound = on; }
    GKSoundMethod SoundMethod() const { return m_soundMethod; }
    void setSoundMethod(GKSoundMethod m) { m_soundMethod = m; }
    bool AllowMultiLine() const { return m_allowMultiLine; }
    void setAllowMultiLine(bool on) { m_allowMultiLine = on; }
    int AdjustTop() const { return m_adjustTop; }
    void setAdjustTop(int top) { m_adjustTop = int(PropertyBag::boundPixels(top)); }

    bool UseAnimation() const { return m_useAnimation; }
    void setUseAnimation(bool on);
    QString ShortCutKey() const { return m_shortCutKey; }
    void setShortCutKey(const QString &keys);
    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool enabled);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont &font);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontStrikethru() const { return font().strikeOut(); }
    void setFontStrikethru(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    QString FontName() const { return font().family(); }
    void setFontName(const QString &name);
    GKHShineModes ShineMode() const { return m_shineMode; }
    void setShineMode(GKHShineModes mode);
    double FontSize() const { return font().pointSizeF(); }
    void setFontSize(double size);
    QColor ForeColor() const { return oleToColor(m_foreColor); }
    void setForeColor(const QColor &color);
    QColor LeftColor() const { return m_leftColor; }
    void setLeftColor(const QColor &color);
    QColor RightColor() const { return m_rightColor; }
    void setRightColor(const QColor &color);
    Picture MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const Picture &icon);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    GKHCommandTypes GlossStyle() const { return m_glossStyle; }
    void setGlossStyle(GKHCommandTypes style);
    bool UseOnTop() const { return m_useOnTop; }
    void setUseOnTop(bool on);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString LeftCaption() const { return m_leftCaption; }
    void setLeftCaption(const QString &caption);
    QString RightCaption() const { return m_rightCaption; }
    void setRightCaption(const QString &caption);
    GKHCommandFocusStyles FocusStyle() const { return m_focusStyle; }
    void setFocusStyle(GKHCommandFocusStyles style);
    Picture PicturePushed() const { return m_picturePushed; }
    void setPicturePushed(const Picture &p);
    Picture PictureOver() const { return m_pictureOver; }
    void setPictureOver(const Picture &p);
    Picture PictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const Picture &p);
    Picture PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const Picture &p);
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
    short shinePhase() const { return m_shinePhase; }
    short shineLevel() const { return m_shineLevel; }
    // The rim colour of a shine mode at a level; previous for a mode without a colour.
    static QColor shineColor(int mode, int level, const QColor &previous);
    // A caption colour that reads on a built-in face (GlossStyle 0-7, at rest): white on the
    // dark faces, a dark ink on the light ones; white for the custom face.
    static QColor captionColorFor(int glossStyle);

public slots:
    void TimerInvoke() override;
    // Makes the edges of the control glow.
    void ShineEdges();

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);

protected:
    void onMouseDown(short button, short shift, float x, float y) override;
    void onMouseUp(short button, short shift, float x, float y) override;
    void onMouseMove(short button, short shift, float x, float y) override;
    void onClick() override;
    void onDblClick() override;
    void onKeyDown(short &keyCode, short shift) override;
    void onKeyPress(short keyAscii) override;
    void onKeyUp(short &keyCode, short shift) override;
    void onFocusChanged(bool hasFocus) override;
    void onPaint() override;
    void onResize() override;

private:
    void RefreshHCommand();
    void repaintWithForce();
    void HoverHStep();
    void UpdateHMask();
    void computePresence();
    void pressSound(bool press);
    void changeFont(const std::function<void(QFont &)> &change, const char *name);
    const Picture *customFace() const;
    void drawFace(QPainter &p, int w, int h);
    void drawCaptions(QPainter &p, int w, int h);
    void drawFocus(QPainter &p, int w, int h);
    void drawRim(QPainter &p, int w, int h, const QColor &colour);

    bool m_showFocus = false;
    QColor m_focusColor = QColor(0, 255, 0);
    bool m_useSound = false;
    GKSoundMethod m_soundMethod = GKInternalSound;
    bool m_allowMultiLine = false;
    int m_adjustTop = 0;

    bool m_useAnimation = false;
    QString m_shortCutKey;
    GKHShineModes m_shineMode = GKHWhiteShine;
    quint32 m_foreColor = 0x80000012u;
    QColor m_leftColor = Qt::black, m_rightColor = Qt::black;
    Picture m_mouseIcon;
    int m_mousePointer = 0;
    GKHCommandTypes m_glossStyle = GKCyanWater;
    bool m_useOnTop = false;
    QString m_caption, m_leftCaption, m_rightCaption;
    GKHCommandFocusStyles m_focusStyle = GKHClassicIndent;
    Picture m_picturePushed, m_pictureOver, m_pictureNormal, m_pictureDisabled, m_pictureOver2;
    GKPicStyles m_pictureMode = DefaultStyle;

    bool m_hasFocus = false;
    bool m_isPressed = false;
    bool m_forceRepaint = false;
    bool m_hasPictureNormal = false, m_hasPicturePushed = false, m_hasPictureOver = false,
         m_hasPictureOver2 = false, m_hasPictureDisabled = false;
    short m_hoverState = 0;
    short m_hoverPhase = 0;
    bool m_maskBusy = false;
    short m_shinePhase = 0;
    short m_shineLevel = 0;
    QColor m_shineColor = Qt::black;
};

} // namespace glosskit
