#pragma once

#include "../common/glosscontrol.h"

namespace glosskit {

class GlossScreenPrivate;

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

    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(
        glosskit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon NOTIFY MouseIconChanged)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
    Q_PROPERTY(
        GKScreenTypes ScreenType READ ScreenType WRITE setScreenType NOTIFY ScreenTypeChanged)

public:
    explicit GlossScreen(QWidget *parent = nullptr);
    ~GlossScreen() override;

    // Shared with other controls (see GlossControl). Neither repaints here.
    using GlossControl::MouseIcon;
    using GlossControl::MousePointer;
    using GlossControl::setMouseIcon;
    using GlossControl::setMousePointer;

    // 0 none, 1 a fixed single line, which takes a pixel on each side from the client area.
    int BorderStyle() const;
    void setBorderStyle(int style);
    GKScreenTypes ScreenType() const;
    void setScreenType(GKScreenTypes type);

    // Face colour of a screen type (invalid for a type without artwork).
    static QColor faceColor(int screenType);

signals:
    void BorderStyleChanged();
    void ScreenTypeChanged();

protected:
    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void draw() override;
    void onResize() override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DECLARE_PRIVATE_D(d_gloss, GlossScreen)
};

} // namespace glosskit
