#pragma once

// The scope window's controls, built on Qt's own slider and button classes so that the keyboard,
// the wheel, focus and accessibility behave as everywhere else: a knob (labelled positions, or a
// continuous range), a slide with labelled positions, and a two-position switch (or a push
// button). Every change the user makes, whether by mouse, wheel or key, goes through
// QAbstractSlider::actionTriggered before the value changes; a value set by the program does not.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QList>
#include <QStringList>

namespace zr::scope {

// The point size of the texts on the controls: legible at the window's size.
constexpr double kControlTextPoints = 8.0;

// A slider whose wheel moves one position a notch (Qt's default moves three, which skips time
// bases on a knob of a few labelled positions).
class NotchedSlider : public QAbstractSlider {
    Q_OBJECT
public:
    using QAbstractSlider::QAbstractSlider;
    void setOneStepPerNotch(bool on) { oneStepPerNotch_ = on; }

protected:
    // The slider value whose mark or slot is nearest to a point, in widget pixels.
    virtual int valueAt(QPointF at) const = 0;
    void wheelEvent(QWheelEvent *event) override;
    // A left press takes the focus, presses the slider down and moves it to the value under the
    // mouse; dragging follows while it is down.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool oneStepPerNotch_ = true;
    int wheelRest_ = 0;
};

class ScopeKnob : public NotchedSlider {
    Q_OBJECT
public:
    // Discrete: positions 1..labels.size(), value = position.
    ScopeKnob(const QStringList &labels, QWidget *parent = nullptr);
    // Continuous: low..high in steps of step (held by the slider as whole steps).
    ScopeKnob(double low, double high, double step, QWidget *parent = nullptr);

    bool isDiscrete() const { return !labels_.isEmpty(); }
    // The value in the knob's own units.
    double value() const { return QAbstractSlider::value() * step_; }
    void setValue(double v);
    int position() const { return QAbstractSlider::value(); }
    void setPosition(int p) { QAbstractSlider::setValue(p); }
    double lowest() const { return minimum() * step_; }
    double highest() const { return maximum() * step_; }
    QStringList labels() const { return labels_; }
    // Where the position labels (or the range ends and the value) are drawn, in widget pixels.
    QList<QRectF> labelRects() const;
    // Where the mark of a slider value sits on the dial's rim: pressing there chooses it.
    QPointF markPoint(int sliderValue) const;
    QSize sizeHint() const override { return {110, 110}; }

signals:
    void ValueChanged(double value);

protected:
    void paintEvent(QPaintEvent *event) override;
    int valueAt(QPointF at) const override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Layout {
        QPointF centre;
        double radius = 0;      // of the dial
        double labelRadius = 0; // where the labels start
        bool legend = false;    // labels in two columns, with leaders to their marks
        QList<QRectF> labels;
    };
    QFont labelFont() const;
    double angleOf(int sliderValue) const; // degrees, 0 = up, clockwise
    Layout layoutFor(double radius, double labelRadius) const;
    Layout legendFor(const QRectF &area) const;
    // The layout for the widget's present size and font (worked out again when they change).
    const Layout &layout() const;
    void relayout();
    QStringList texts() const;

    QStringList labels_;
    double step_ = 1;
    mutable Layout layout_;
    mutable QSize layoutSize_;
};

class ScopeSlide : public NotchedSlider {
    Q_OBJECT
public:
    ScopeSlide(const QStringList &labels, QWidget *parent = nullptr);
    QStringList labels() const { return labels_; }
    // The centre of the slot of a position, in widget pixels.
    QPointF slotCentre(int v) const;

signals:
    void ValueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    int valueAt(QPointF at) const override;

private:
    double slotY(int v) const;
    QStringList labels_;
};

class ScopeSwitch : public QAbstractButton {
    Q_OBJECT
public:
    // offText shows while the value is False, onText while it is True. A switch toggles at each
    // click or Space; a push button is True while it is held down and False again on release.
    ScopeSwitch(const QString &offText, const QString &onText, bool pushButton = false,
                QWidget *parent = nullptr);
    bool value() const { return push_ ? isDown() : isChecked(); }
    void setValue(bool v);
    QString text() const { return value() ? onText_ : offText_; }
    // Where the text is drawn; it holds the longer of the two texts.
    QRectF textRect() const;
    QSize sizeHint() const override;

signals:
    void ValueChanged(bool value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont textFont() const;
    QString offText_;
    QString onText_;
    bool push_ = false;
};

} // namespace zr::scope
