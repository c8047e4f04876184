#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

class GlossHCommandPrivate;

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

    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus NOTIFY ShowFocusChanged)
    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor NOTIFY FocusColorChanged)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound NOTIFY UseSoundChanged)
    Q_PROPERTY(glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE
                   setSoundMethod NOTIFY SoundMethodChanged)
    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine NOTIFY
                   AllowMultiLineChanged)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop NOTIFY AdjustTopChanged)
    Q_PROPERTY(bool UseAnimation READ UseAnimation WRITE setUseAnimation NOTIFY UseAnimationChanged)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey NOTIFY ShortCutKeyChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold NOTIFY FontChanged STORED false)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic NOTIFY FontChanged STORED false)
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru NOTIFY FontChanged
                   STORED false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline NOTIFY FontChanged
                   STORED false)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName NOTIFY FontChanged STORED false)
    Q_PROPERTY(GKHShineModes ShineMode READ ShineMode WRITE setShineMode NOTIFY ShineModeChanged)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize NOTIFY FontChanged STORED false)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(QColor LeftColor READ LeftColor WRITE setLeftColor NOTIFY LeftColorChanged)
    Q_PROPERTY(QColor RightColor READ RightColor WRITE setRightColor NOTIFY RightColorChanged)
    Q_PROPERTY(
        glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon NOTIFY MouseIconChanged)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
    Q_PROPERTY(
        GKHCommandTypes GlossStyle READ GlossStyle WRITE setGlossStyle NOTIFY GlossStyleChanged)
    Q_PROPERTY(bool UseOnTop READ UseOnTop WRITE setUseOnTop NOTIFY UseOnTopChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(QString LeftCaption READ LeftCaption WRITE setLeftCaption NOTIFY LeftCaptionChanged)
    Q_PROPERTY(
        QString RightCaption READ RightCaption WRITE setRightCaption NOTIFY RightCaptionChanged)
    Q_PROPERTY(GKHCommandFocusStyles FocusStyle READ FocusStyle WRITE setFocusStyle NOTIFY
                   FocusStyleChanged)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed NOTIFY
                   PicturePushedChanged)
    Q_PROPERTY(glosskit::Picture PictureOver READ PictureOver WRITE setPictureOver NOTIFY
                   PictureOverChanged)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal NOTIFY
                   PictureNormalChanged)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled
                   NOTIFY PictureDisabledChanged)
    Q_PROPERTY(glosskit::Picture PictureOver2 READ PictureOver2 WRITE setPictureOver2 NOTIFY
                   PictureOver2Changed)
    Q_PROPERTY(glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode
                   NOTIFY PictureModeChanged)

public:
    explicit GlossHCommand(QWidget *parent = nullptr);
    ~GlossHCommand() override;

    // Shared with other controls (see GlossControl). Here MouseIcon and MousePointer repaint.
    using GlossControl::AdjustTop;
    using GlossControl::AllowMultiLine;
    using GlossControl::Caption;
    using GlossControl::Enabled;
    using GlossControl::FocusColor;
    using GlossControl::Font;
    using GlossControl::FontBold;
    using GlossControl::FontItalic;
    using GlossControl::FontName;
    using GlossControl::FontSize;
    using GlossControl::FontStrikethru;
    using GlossControl::FontUnderline;
    using GlossControl::ForeColor;
    using GlossControl::MouseIcon;
    using GlossControl::MousePointer;
    using GlossControl::PictureDisabled;
    using GlossControl::PictureMode;
    using GlossControl::PictureNormal;
    using GlossControl::PictureOver;
    using GlossControl::PictureOver2;
    using GlossControl::PicturePushed;
    using GlossControl::setAdjustTop;
    using GlossControl::setAllowMultiLine;
    using GlossControl::setCaption;
    using GlossControl::setEnabledProperty;
    using GlossControl::setFocusColor;
    using GlossControl::setFontBold;
    using GlossControl::setFontItalic;
    using GlossControl::setFontName;
    using GlossControl::setFontProperty;
    using GlossControl::setFontSize;
    using GlossControl::setFontStrikethru;
    using GlossControl::setFontUnderline;
    using GlossControl::setForeColor;
    using GlossControl::setMouseIcon;
    using GlossControl::setMousePointer;
    using GlossControl::setPictureDisabled;
    using GlossControl::setPictureMode;
    using GlossControl::setPictureNormal;
    using GlossControl::setPictureOver;
    using GlossControl::setPictureOver2;
    using GlossControl::setPicturePushed;
    using GlossControl::setShortCutKey;
    using GlossControl::setShowFocus;
    using GlossControl::setSoundMethod;
    using GlossControl::setUseAnimation;
    using GlossControl::setUseOnTop;
    using GlossControl::setUseSound;
    using GlossControl::ShortCutKey;
    using GlossControl::ShowFocus;
    using GlossControl::SoundMethod;
    using GlossControl::UseAnimation;
    using GlossControl::UseOnTop;
    using GlossControl::UseSound;

    GKHShineModes ShineMode() const;
    void setShineMode(GKHShineModes mode);
    QColor LeftColor() const;
    void setLeftColor(const QColor &color);
    QColor RightColor() const;
    void setRightColor(const QColor &color);
    // The face; 8 means the host's pictures.
    GKHCommandTypes GlossStyle() const;
    void setGlossStyle(GKHCommandTypes style);
    QString LeftCaption() const;
    void setLeftCaption(const QString &caption);
    QString RightCaption() const;
    void setRightCaption(const QString &caption);
    GKHCommandFocusStyles FocusStyle() const;
    void setFocusStyle(GKHCommandFocusStyles style);

    // Roll-over and shine state, readable for hosts and tests.
    using GlossControl::hoverPhase;
    using GlossControl::hoverState;
    short shinePhase() const;
    short shineLevel() const;
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
    void ShineModeChanged();
    void LeftColorChanged();
    void RightColorChanged();
    void GlossStyleChanged();
    void LeftCaptionChanged();
    void RightCaptionChanged();
    void FocusStyleChanged();

protected:
    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void draw() override;
    void onMouseDown(short button, short shift, float x, float y) override;
    void onMouseUp(short button, short shift, float x, float y) override;
    void onClick() override;
    void onDblClick() override;
    void onKeyPress(short keyAscii) override;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossHCommand)
};

} // namespace glosskit
