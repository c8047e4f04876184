#pragma once

#include "../common/glosscontrol.h"

#include <QColor>
#include <QFont>

namespace glosskit {

// Rectangular push button around a 250 x 100 face: a built-in background, a generated colour
// gradient or a host picture, with a caption (shadowed, one line or wrapped), a picture at each
// side, a 3D frame raised at rest and sunken while pressed, and an etched focus rectangle.
class GLOSSKIT_EXPORT GlossCommand : public GlossControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "GlossCommand")
    Q_CLASSINFO("ProgID", "GlossKit.GlossCommand")
    Q_CLASSINFO("DefaultInterface", "_GlossCommand")
    Q_CLASSINFO("EventInterface", "__GlossCommand")

public:
    enum GKBackPics : int {
        GKSpiralRainbow = 0,
        GKCyanWater = 1,
        GKBlueBubblyWater = 2,
        GKAuroraZone = 3,
        GKGreenWater = 4,
        GKTriColorTemple = 5,
        GKUnderwaterClouds = 6,
        GKLollipopLand = 7,
        GKPictureX1 = 8,
        GKPictureX2 = 9,
        GKCustomPicture = 10,
    };
    Q_ENUM(GKBackPics)

    Q_PROPERTY(bool HasShadow READ HasShadow WRITE setHasShadow)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop)
    Q_PROPERTY(
        glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE setSoundMethod)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(int hwnd READ hwnd WRITE setHwnd)
    Q_PROPERTY(GKBackPics BackPicture READ BackPicture WRITE setBackPicture)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey)
    Q_PROPERTY(double SideIconHeight READ SideIconHeight WRITE setSideIconHeight)
    Q_PROPERTY(double RSideIconHeight READ RSideIconHeight WRITE setRSideIconHeight)
    Q_PROPERTY(double RSideIconWidth READ RSideIconWidth WRITE setRSideIconWidth)
    Q_PROPERTY(double GradientRedDividend READ GradientRedDividend WRITE setGradientRedDividend)
    Q_PROPERTY(
        double GradientGreenDividend READ GradientGreenDividend WRITE setGradientGreenDividend)
    Q_PROPERTY(double GradientBlueDividend READ GradientBlueDividend WRITE setGradientBlueDividend)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName STORED false)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize STORED false)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold STORED false)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic STORED false)
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru STORED false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline STORED false)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(glosskit::Picture SideIcon READ SideIcon WRITE setSideIcon)
    Q_PROPERTY(glosskit::Picture RSideIcon READ RSideIcon WRITE setRSideIcon)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(
        glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(bool PictureGoDown READ PictureGoDown WRITE setPictureGoDown)

public:
    explicit GlossCommand(QWidget *parent = nullptr);

    // Plain fields: no repaint, no notification.
    bool HasShadow() const { return m_hasShadow; }
    void setHasShadow(bool on) { m_hasShadow = on; }
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor &c) { m_shadowColor = c; }
    bool AllowMultiLine() const { return m_allowMultiLine; }
    void setAllowMultiLine(bool on) { m_allowMultiLine = on; }
    int AdjustTop() const { return m_adjustTop; }
    void setAdjustTop(int top) { m_adjustTop = int(PropertyBag::boundPixels(top)); }
    GKSoundMethod SoundMethod() const { return m_soundMethod; }
    void setSoundMethod(GKSoundMethod m) { m_soundMethod = m; }
    bool UseSound() const { return m_useSound; }
    void setUseSound(bool on) { m_useSound = on; }
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool on) { m_showFocus = on; }

    // A number the host stores; it is not the control's window.
    int hwnd() const { return m_hwnd; }
    void setHwnd(int value);
    GKBackPics BackPicture() const { return m_backPicture; }
    void setBackPicture(GKBackPics picture);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString ShortCutKey() const { return m_shortCutKey; }
    void setShortCutKey(const QString &keys);
    double SideIconHeight() const { return m_sideIconHeight; }
    void setSideIconHeight(double v);
    double RSideIconHeight() const { return m_rSideIconHeight; }
    void setRSideIconHeight(double v);
    double RSideIconWidth() const { return m_rSideIconWidth; }
    void setRSideIconWidth(double v);
    double GradientRedDividend() const { return m_redDividend; }
    void setGradientRedDividend(double v);
    double GradientGreenDividend() const { return m_greenDividend; }
    void setGradientGreenDividend(double v);
    double GradientBlueDividend() const { return m_blueDividend; }
    void setGradientBlueDividend(double v);
    QColor ForeColor() const;
    void setForeColor(const QColor &color);
    QString FontName() const { return font().family(); }
    void setFontName(const QString &name);
    double FontSize() const { return font().pointSizeF(); }
    void setFontSize(double size);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontStrikethru() const { return font().strikeOut(); }
    void setFontStrikethru(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont &font);
    Picture SideIcon() const { return m_sideIcon; }
    void setSideIcon(const Picture &p);
    Picture RSideIcon() const { return m_rSideIcon; }
    void setRSideIcon(const Picture &p);
    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool enabled);
    GKPicStyles PictureMode() const { return m_pictureMode; }
    void setPictureMode(GKPicStyles mode);
    Picture PictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const Picture &p);
    Picture PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const Picture &p);
    bool PictureGoDown() const { return m_pictureGoDown; }
    void setPictureGoDown(bool on);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    // Internal state, readable for hosts and tests.
    bool isPressed() const { return m_isPressed; }
    bool hasFocusMark() const { return m_hasFocus; }
    bool isNarrow() const { return m_isNarrow; }
    // The generated gradient (null until built).
    const QPixmap &gradientPicture() const { return m_gradientPicture; }

    // The colour of gradient step i (0-255) for three divisors; previous is kept when the
    // computation fails (a divisor of 0, a negative or non-finite result).
    static QRgb gradientColor(int i, double red, double green, double blue, QRgb previous);
    // A caption colour that reads on a built-in face (BackPicture 0-7): white on the dark
    // faces, a dark ink on the light ones; white for the other faces.
    static QColor captionColorFor(int backPicture);

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);

protected:
    void onMouseDown(short button, short shift, float x, float y) override;
    void onMouseUp(short button, short shift, float x, float y) override;
    void onKeyDown(short &keyCode, short shift) override;
    void onKeyUp(short &keyCode, short shift) override;
    void onFocusChanged(bool hasFocus) override;
    void onPaint() override;
    void onResize() override;

private:
    void RefreshCommand();
    void BuildGradient(int gw, int gh);
    void rebuildGradientIfShown();
    void pressSound(bool press);
    void changeFont(const std::function<void(QFont &)> &change, const char *name);
    void drawFace(QPainter &p, int w, int h);
    void drawPlaced(QPainter &p, const QPixmap &face, int w, int h, bool down);
    void drawCaption(QPainter &p, int w, int h, bool shadow);
    void drawSideIcons(QPainter &p, int w, int h);
    void drawDisabled(QPainter &p, int w, int h);

    bool m_hasShadow = false;
    QColor m_shadowColor = Qt::black;
    bool m_allowMultiLine = false;
    int m_adjustTop = 0;
    GKSoundMethod m_soundMethod = GKInternalSound;
    bool m_useSound = false;
    bool m_showFocus = false;

    int m_hwnd = 0;
    GKBackPics m_backPicture = GKSpiralRainbow;
    QString m_caption;
    QString m_shortCutKey;
    double m_sideIconHeight = 32, m_rSideIconHeight = 32, m_rSideIconWidth = 32;
    double m_redDividend = 2, m_greenDividend = 2, m_blueDividend = 1;
    quint32 m_foreColor = 0xFFFFFFu;
    Picture m_sideIcon, m_rSideIcon;
    GKPicStyles m_pictureMode = DefaultStyle;
    Picture m_pictureNormal, m_pictureDisabled;
    bool m_pictureGoDown = false;

    bool m_hasFocus = false;
    bool m_isPressed = false;
    bool m_isNarrow = true;
    bool m_drawingShadow = false;
    QPixmap m_gradientPicture;
    QSize m_gradientSize;
};

} // namespace glosskit
