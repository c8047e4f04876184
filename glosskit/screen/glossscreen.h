#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

// Passive decorative frame: a solid screen colour framed by corner pieces and stretched edge
// strips, so that it looks like the glass of a display. It passes the container's events through.
class GLOSSKIT_EXPORT GlossScreen : public GlossControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "GlossScreen")
    Q_CLASSINFO("ProgID", "GlossKit.GlossScreen")
    Q_CLASSINFO("DefaultInterface", "_GlossScreen")
    Q_CLASSINFO("EventInterface", "__GlossScreen")

public:
    enum GKScreenTypes : int { GKGreenScreen = 0, GKCyanScreen = 1, GKBlueScreen = 2 };
    Q_ENUM(GKScreenTypes)

    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(GKScreenTypes ScreenType READ ScreenType WRITE setScreenType)

public:
    explicit GlossScreen(QWidget *parent = nullptr);

    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    Picture MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const Picture &icon);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    GKScreenTypes ScreenType() const { return m_screenType; }
    void setScreenType(GKScreenTypes type);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    // Face colour of a screen type (invalid for a type without artwork).
    static QColor faceColor(int screenType);

protected:
    void onPaint() override;
    void onResize() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void RefreshScreen();
    void applyBorderStyle(int style);

    int m_borderStyle = 0;
    Picture m_mouseIcon;
    int m_mousePointer = 0;
    GKScreenTypes m_screenType = GKGreenScreen;
};

} // namespace glosskit
