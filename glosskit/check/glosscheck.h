#pragma once

#include "../common/glosscontrol.h"

#include <QColor>
#include <QFont>

namespace glosskit {

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

    Q_PROPERTY(bool AllowMultiLine READ AllowMultiLine WRITE setAllowMultiLine)
    Q_PROPERTY(int AdjustTop READ AdjustTop WRITE setAdjustTop)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool UseSound READ UseSound WRITE setUseSound)
    Q_PROPERTY(
        glosskit::GlossControl::GKSoundMethod SoundMethod READ SoundMethod WRITE setSoundMethod)
    Q_PROPERTY(QColor FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(GKBiState Value READ Value WRITE setValue USER true)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(glosskit::Picture PictureUncheck READ PictureUncheck WRITE setPictureUncheck)
    Q_PROPERTY(glosskit::Picture PictureCheck READ PictureCheck WRITE setPictureCheck)
    Q_PROPERTY(glosskit::Picture PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(glosskit::Picture PicturePushed READ PicturePushed WRITE setPicturePushed)
    Q_PROPERTY(GKChkType GlossCheckType READ GlossCheckType WRITE setGlossCheckType)
    Q_PROPERTY(GKChkFocusType FocusType READ FocusType WRITE setFocusType)

public:
    explicit GlossCheck(QWidget *parent = nullptr);

    // Plain fields: no repaint, no notification.
    bool AllowMultiLine() const { return m_allowMultiLine; }
    void setAllowMultiLine(bool on) { m_allowMultiLine = on; }
    int AdjustTop() const { return m_adjustTop; }
    void setAdjustTop(int top) { m_adjustTop = int(PropertyBag::boundPixels(top)); }
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool on) { m_showFocus = on; }
    bool UseSound() const { return m_useSound; }
    void setUseSound(bool on) { m_useSound = on; }
    GKSoundMethod SoundMethod() const { return m_soundMethod; }
    void setSoundMethod(GKSoundMethod m) { m_soundMethod = m; }
    QColor FocusColor() const { return m_focusColor; }
    void setFocusColor(const QColor &c) { m_focusColor = c; }

    QFont Font() const { return font(); }
    void setFontProperty(const QFont &font);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    GKBiState Value() const { return m_value; }
    void setValue(GKBiState value);
    // Colours keep their stored value (a system colour stays one).
    QColor BackColor() const;
    void setBackColor(const QColor &color);
    QColor ForeColor() const;
    void setForeColor(const QColor &color);
    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool enabled);
    Picture PictureUncheck() const { return m_pictureUncheck; }
    void setPictureUncheck(const Picture &p);
    Picture PictureCheck() const { return m_pictureCheck; }
    void setPictureCheck(const Picture &p);
    Picture PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const Picture &p);
    Picture PicturePushed() const { return m_picturePushed; }
    void setPicturePushed(const Picture &p);
    GKChkType GlossCheckType() const { return m_type; }
    void setGlossCheckType(GKChkType type);
    GKChkFocusType FocusType() const { return m_focusType; }
    void setFocusType(GKChkFocusType type);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    bool isPressed() const { return m_isPressed; }
    bool hasFocusMark() const { return m_hasFocus; }

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
    void RefreshCheck();
    void computePresence();
    void toggle();
    void pressSound(bool press);
    const QPixmap *boxPicture() const;

    bool m_allowMultiLine = false;
    int m_adjustTop = 0;
    bool m_showFocus = false;
    bool m_useSound = false;
    GKSoundMethod m_soundMethod = GKInternalSound;
    QColor m_focusColor = QColor(0, 255, 0);
    QString m_caption;
    GKBiState m_value = GKUnChecked;
    quint32 m_backColor = 0;
    quint32 m_foreColor = 0xFFFFFFu;
    Picture m_pictureUncheck, m_pictureCheck, m_pictureDisabled, m_picturePushed;
    GKChkType m_type = GKClassic;
    GKChkFocusType m_focusType = GKChkNormalCircle;

    bool m_hasFocus = false;
    bool m_isPressed = false;
    bool m_hasPicturePushed = false, m_hasPictureDisabled = false, m_hasPictureCheck = false,
         m_hasPictureUncheck = false;
};

} // namespace glosskit
