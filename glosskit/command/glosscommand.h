#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

class GlossCommandPrivate;

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

    Q_PROPERTY(bool HasShadow READ HasShadow WRITE setHasShadow NOTIFY HasShadowChanged)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor NOTIFY ShadowColorChanged)
    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine NOTIFY
                   AllowMultiLineChanged)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop NOTIFY AdjustTopChanged)
    Q_PROPERTY(glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE
                   setSoundMethod NOTIFY SoundMethodChanged)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound NOTIFY UseSoundChanged)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus NOTIFY ShowFocusChanged)
    Q_PROPERTY(int hwnd READ hwnd WRITE setHwnd NOTIFY hwndChanged)
    Q_PROPERTY(
        GKBackPics BackPicture READ BackPicture WRITE setBackPicture NOTIFY BackPictureChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey NOTIFY ShortCutKeyChanged)
    Q_PROPERTY(double SideIconHeight READ SideIconHeight WRITE setSideIconHeight NOTIFY
                   SideIconHeightChanged)
    Q_PROPERTY(double RSideIconHeight READ RSideIconHeight WRITE setRSideIconHeight NOTIFY
                   RSideIconHeightChanged)
    Q_PROPERTY(double RSideIconWidth READ RSideIconWidth WRITE setRSideIconWidth NOTIFY
                   RSideIconWidthChanged)
    Q_PROPERTY(double GradientRedDividend READ GradientRedDividend WRITE setGradientRedDividend
                   NOTIFY GradientRedDividendChanged)
    Q_PROPERTY(double GradientGreenDividend READ GradientGreenDividend WRITE
                   setGradientGreenDividend NOTIFY GradientGreenDividendChanged)
    Q_PROPERTY(double GradientBlueDividend READ GradientBlueDividend WRITE setGradientBlueDividend
                   NOTIFY GradientBlueDividendChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName NOTIFY FontChanged STORED false)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize NOTIFY FontChanged STORED false)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontChanged STORED false)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontChanged STORED false)
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru NOTIFY FontChanged
                   STORED false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontChanged
                   STORED false)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(glosskit::Picture SideIcon READ SideIcon WRITE setSideIcon NOTIFY SideIconChanged)
    Q_PROPERTY(
        glosskit::Picture RSideIcon READ RSideIcon WRITE setRSideIcon NOTIFY RSideIconChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode
                   NOTIFY PictureModeChanged)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal NOTIFY
                   PictureNormalChanged)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled
                   NOTIFY PictureDisabledChanged)
    Q_PROPERTY(
        bool PictureGoDown READ PictureGoDown WRITE setPictureGoDown NOTIFY PictureGoDownChanged)

public:
    explicit GlossCommand(QWidget *parent = nullptr);
    ~GlossCommand() override;

    // Shared with other controls (see GlossControl). Here ShowFocus also decides whether a
    // change of focus repaints.
    using GlossControl::AdjustTop;
    using GlossControl::AllowMultiLine;
    using GlossControl::Caption;
    using GlossControl::Enabled;
    using GlossControl::Font;
    using GlossControl::FontBold;
    using GlossControl::FontItalic;
    using GlossControl::FontName;
    using GlossControl::FontSize;
    using GlossControl::FontStrikethru;
    using GlossControl::FontUnderline;
    using GlossControl::ForeColor;
    using GlossControl::PictureDisabled;
    using GlossControl::PictureMode;
    using GlossControl::PictureNormal;
    using GlossControl::setAdjustTop;
    using GlossControl::setAllowMultiLine;
    using GlossControl::setCaption;
    using GlossControl::setEnabledProperty;
    using GlossControl::setFontBold;
    using GlossControl::setFontItalic;
    using GlossControl::setFontName;
    using GlossControl::setFontProperty;
    using GlossControl::setFontSize;
    using GlossControl::setFontStrikethru;
    using GlossControl::setFontUnderline;
    using GlossControl::setForeColor;
    using GlossControl::setPictureDisabled;
    using GlossControl::setPictureMode;
    using GlossControl::setPictureNormal;
    using GlossControl::setShortCutKey;
    using GlossControl::setShowFocus;
    using GlossControl::setSoundMethod;
    using GlossControl::setUseSound;
    using GlossControl::ShortCutKey;
    using GlossControl::ShowFocus;
    using GlossControl::SoundMethod;
    using GlossControl::UseSound;

    // Plain fields: no repaint, no word to the container.
    bool HasShadow() const;
    void setHasShadow(bool on);
    QColor ShadowColor() const;
    void setShadowColor(const QColor &color);

    // A number the host stores; it is not the control's window. It does not repaint.
    int hwnd() const;
    void setHwnd(int value);
    GKBackPics BackPicture() const;
    void setBackPicture(GKBackPics picture);
    double SideIconHeight() const;
    void setSideIconHeight(double v);
    double RSideIconHeight() const;
    void setRSideIconHeight(double v);
    double RSideIconWidth() const;
    void setRSideIconWidth(double v);
    double GradientRedDividend() const;
    void setGradientRedDividend(double v);
    double GradientGreenDividend() const;
    void setGradientGreenDividend(double v);
    double GradientBlueDividend() const;
    void setGradientBlueDividend(double v);
    Picture SideIcon() const;
    void setSideIcon(const Picture &p);
    Picture RSideIcon() const;
    void setRSideIcon(const Picture &p);
    bool PictureGoDown() const;
    void setPictureGoDown(bool on);

    // Internal state, readable for hosts and tests: the client is at most 255 pixels wide, and
    // the generated gradient (null until built).
    bool isNarrow() const;
    QPixmap gradientPicture() const;

    // The colour of gradient step i (0-255) for three divisors; previous is kept when the
    // computation fails (a divisor of 0, a negative or non-finite result).
    static QRgb gradientColor(int i, double red, double green, double blue, QRgb previous);
    // A caption colour that reads on a built-in face (BackPicture 0-7): white on the dark
    // faces, a dark ink on the light ones; white for the other faces.
    static QColor captionColorFor(int backPicture);

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);
    void HasShadowChanged();
    void ShadowColorChanged();
    void hwndChanged();
    void BackPictureChanged();
    void SideIconHeightChanged();
    void RSideIconHeightChanged();
    void RSideIconWidthChanged();
    void GradientRedDividendChanged();
    void GradientGreenDividendChanged();
    void GradientBlueDividendChanged();
    void SideIconChanged();
    void RSideIconChanged();
    void PictureGoDownChanged();

protected:
    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void draw() override;
    void onFocusChanged(bool hasFocus) override;
    void onPaint() override;
    void onResize() override;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossCommand)
};

} // namespace glosskit
