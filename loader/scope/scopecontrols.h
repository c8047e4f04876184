#pragma once

// The scope window's controls: a knob (labelled positions, or a continuous range), a slide with
// labelled positions and a two-position switch (or a push button). Each answers the mouse (drag
// or click), the wheel and the keyboard (arrows, Page Up/Down, Home/End, space for switches).

#include <QStringList>
#include <QWidget>

namespace zr::scope {

class ScopeKnob : public QWidget {
    Q_OBJECT
public:
    // Discrete: positions 1..labels.size(), value = position.
    ScopeKnob(const QStringList &labels, QWidget *parent = nullptr);
    // Continuous: minimum..maximum in steps of step.
    ScopeKnob(double minimum, double maximum, double step, QWidget *parent = nullptr);

    bool isDiscrete() const { return !labels_.isEmpty(); }
    double value() const { return value_; }
    void setValue(double v);
    int position() const { return static_cast<int>(value_); }
    void setPosition(int p) { setValue(p); }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    QStringList labels() const { return labels_; }
    QSize sizeHint() const override { return {110, 110}; }

signals:
    void ValueChanged(double value);
    void MouseDown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double angleOf(double v) const; // degrees, 0 = up, clockwise
    double valueAt(QPointF at) const;
    QRectF dialRect() const;
    void stepBy(int steps) { setValue(value_ + steps * step_); }

    QStringList labels_;
    double minimum_ = 0;
    double maximum_ = 0;
    double step_ = 1;
    double value_ = 0;
};

class ScopeSlide : public QWidget {
    Q_OBJECT
public:
    ScopeSlide(const QStringList &labels, QWidget *parent = nullptr);
    int value() const { return value_; }
    void setValue(int v);
    QStringList labels() const { return labels_; }

signals:
    void ValueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int valueAt(QPointF at) const;
    double slotY(int v) const;
    QStringList labels_;
    int value_ = 0;
};

class ScopeSwitch : public QWidget {
    Q_OBJECT
public:
    // offText shows while the value is False, onText while it is True. A push button is True
    // while held down and False again on release.
    ScopeSwitch(const QString &offText, const QString &onText, bool pushButton = false,
                QWidget *parent = nullptr);
    bool value() const { return value_; }
    void setValue(bool v);
    QString text() const { return value_ ? onText_ : offText_; }
    bool isPushButton() const { return push_; }

signals:
    void ValueChanged(bool value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString offText_;
    QString onText_;
    bool push_ = false;
    bool value_ = false;
};

} // namespace zr::scope
