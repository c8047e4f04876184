#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

class GlossSpherePrivate;

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

    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor NOTIFY FocusColorChanged)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus NOTIFY ShowFocusChanged)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound NOTIFY UseSoundChanged)
    Q_PROPERTY(glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE
                   setSoundMethod NOTIFY SoundMethodChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(QString ShortCutKey READ ShortCutKey WRITE setShortCutKey NOTIFY ShortCutKeyChanged)
    Q_PROPERTY(
        glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon NOTIFY MouseIconChanged)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
    Q_PROPERTY(
        GlsSphereTypeEnum SphereType READ SphereType WRITE setSphereType NOTIFY SphereTypeChanged)
    Q_PROPERTY(GlsSphrContentTypeEnum ContentType READ ContentType WRITE setContentType NOTIFY
                   ContentTypeChanged)
    Q_PROPERTY(bool UseAnimation READ UseAnimation WRITE setUseAnimation NOTIFY UseAnimationChanged)
    Q_PROPERTY(bool UseOnTop READ UseOnTop WRITE setUseOnTop NOTIFY UseOnTopChanged)
    Q_PROPERTY(glosskit::Picture ContentIcon READ ContentIcon WRITE setContentIcon NOTIFY
                   ContentIconChanged)
    Q_PROPERTY(
        QString ContentLetter READ ContentLetter WRITE setContentLetter NOTIFY ContentLetterChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(GlsSphrIconSize IconSize READ IconSize WRITE setIconSize NOTIFY IconSizeChanged)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed NOTIFY
                   PicturePushedChanged)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled
                   NOTIFY PictureDisabledChanged)
    Q_PROPERTY(glosskit::Picture PictureNormal READ PictureNormal WRITE setPictureNormal NOTIFY
                   PictureNormalChanged)
    Q_PROPERTY(glosskit::Picture PictureOver READ PictureOver WRITE setPictureOver NOTIFY
                   PictureOverChanged)
    Q_PROPERTY(glosskit::Picture PictureOver2 READ PictureOver2 WRITE setPictureOver2 NOTIFY
                   PictureOver2Changed)
    Q_PROPERTY(glosskit::GlossControl::GKPicStyles PictureMode READ PictureMode WRITE setPictureMode
                   NOTIFY PictureModeChanged)

public:
    explicit GlossSphere(QWidget *parent = nullptr);
    ~GlossSphere() override;

    // Saving also applies the shape of the picture mode.
    void WriteProperties(PropertyBag &bag) override;

    // Shared with other controls (see GlossControl). Here MouseIcon does not repaint, and
    // Enabled repaints only through the change of state.
    using GlossControl::Enabled;
    using GlossControl::FocusColor;
    using GlossControl::Font;
    using GlossControl::ForeColor;
    using GlossControl::MouseIcon;
    using GlossControl::MousePointer;
    using GlossControl::PictureDisabled;
    using GlossControl::PictureMode;
    using GlossControl::PictureNormal;
    using GlossControl::PictureOver;
    using GlossControl::PictureOver2;
    using GlossControl::PicturePushed;
    using GlossControl::setEnabledProperty;
    using GlossControl::setFocusColor;
    using GlossControl::setFontProperty;
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

    // Which face; 10 means the host's pictures.
    GlsSphereTypeEnum SphereType() const;
    void setSphereType(GlsSphereTypeEnum type);
    // What is drawn in the middle: nothing, ContentIcon at IconSize, or ContentLetter.
    GlsSphrContentTypeEnum ContentType() const;
    void setContentType(GlsSphrContentTypeEnum type);
    Picture ContentIcon() const;
    void setContentIcon(const Picture &icon);
    QString ContentLetter() const;
    void setContentLetter(const QString &letter);
    GlsSphrIconSize IconSize() const;
    void setIconSize(GlsSphrIconSize size);

    // Roll-over state, readable for hosts and tests.
    using GlossControl::hoverPhase;
    using GlossControl::hoverState;

public slots:
    void TimerInvoke() override;

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);
    void SphereTypeChanged();
    void ContentTypeChanged();
    void ContentIconChanged();
    void ContentLetterChanged();
    void IconSizeChanged();

protected:
    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void draw() override;
    void onClick() override;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossSphere)
};

} // namespace glosskit
