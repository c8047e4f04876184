#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

class GlossCheckPrivate;

// Two-state check box: a 24 x 24 box picture at the left edge, vertically centred, and a caption
// from x = 30. Each release of a press (mouse or Space/Enter) toggles Value between 0 and 1.
class GLOSSKIT_EXPORT GlossCheck : public GlossControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "GlossCheck")
    Q_CLASSINFO("ProgID", "GlossKit.GlossCheck")
    Q_CLASSINFO("DefaultInterface", "_GlossCheck")
    Q_CLASSINFO("EventInterface", "__GlossCheck")

public:
    enum GKChkType : int { GKClassic = 0, GKCustom = 1 };
    Q_ENUM(GKChkType)
    enum GKChkFocusType : int { GKChkNormalCircle = 0, GKChkNormalSquare = 1 };
    Q_ENUM(GKChkFocusType)
    enum GKBiState : int { GKUnChecked = 0, GKChecked = 1 };
    Q_ENUM(GKBiState)

    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine NOTIFY
                   AllowMultiLineChanged)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop NOTIFY AdjustTopChanged)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus NOTIFY ShowFocusChanged)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound NOTIFY UseSoundChanged)
    Q_PROPERTY(glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE
                   setSoundMethod NOTIFY SoundMethodChanged)
    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor NOTIFY FocusColorChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(GKBiState Value READ Value WRITE setValue NOTIFY ValueChanged USER true)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(glosskit::Picture PictureUncheck READ PictureUncheck WRITE setPictureUncheck NOTIFY
                   PictureUncheckChanged)
    Q_PROPERTY(glosskit::Picture PictureCheck READ PictureCheck WRITE setPictureCheck NOTIFY
                   PictureCheckChanged)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled
                   NOTIFY PictureDisabledChanged)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed NOTIFY
                   PicturePushedChanged)
    Q_PROPERTY(GKChkType GlossCheckType READ GlossCheckType WRITE setGlossCheckType NOTIFY
                   GlossCheckTypeChanged)
    Q_PROPERTY(GKChkFocusType FocusType READ FocusType WRITE setFocusType NOTIFY FocusTypeChanged)

public:
    explicit GlossCheck(QWidget *parent = nullptr);
    ~GlossCheck() override;

    // Shared with other controls (see GlossControl).
    using GlossControl::AdjustTop;
    using GlossControl::AllowMultiLine;
    using GlossControl::Caption;
    using GlossControl::Enabled;
    using GlossControl::FocusColor;
    using GlossControl::Font;
    using GlossControl::ForeColor;
    using GlossControl::PictureDisabled;
    using GlossControl::PicturePushed;
    using GlossControl::setAdjustTop;
    using GlossControl::setAllowMultiLine;
    using GlossControl::setCaption;
    using GlossControl::setEnabledProperty;
    using GlossControl::setFocusColor;
    using GlossControl::setFontProperty;
    using GlossControl::setForeColor;
    using GlossControl::setPictureDisabled;
    using GlossControl::setPicturePushed;
    using GlossControl::setShowFocus;
    using GlossControl::setSoundMethod;
    using GlossControl::setUseSound;
    using GlossControl::ShowFocus;
    using GlossControl::SoundMethod;
    using GlossControl::UseSound;

    GKBiState Value() const;
    void setValue(GKBiState value);
    // The surface is cleared to it before each repaint; a system colour stays one.
    QColor BackColor() const;
    void setBackColor(const QColor &color);
    Picture PictureUncheck() const;
    void setPictureUncheck(const Picture &p);
    Picture PictureCheck() const;
    void setPictureCheck(const Picture &p);
    GKChkType GlossCheckType() const;
    void setGlossCheckType(GKChkType type);
    GKChkFocusType FocusType() const;
    void setFocusType(GKChkFocusType type);

signals:
    void PlaySound(glosskit::GlossControl::GKSoundType SoundType);
    void ValueChanged();
    void BackColorChanged();
    void PictureUncheckChanged();
    void PictureCheckChanged();
    void GlossCheckTypeChanged();
    void FocusTypeChanged();

protected:
    void initProperties() override;
    void draw() override;
    void onMouseUp(short button, short shift, float x, float y) override;
    void onButtonKeyUp() override;
    void onResize() override;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossCheck)
};

} // namespace glosskit
