#pragma once

// A two-position switch: a Boolean Value (True = on), a signal when the value changes (by a
// click or by code) and its tool tip.

#include <QWidget>

namespace zr::shell {

class ToggleSwitch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Value READ Value WRITE setValue NOTIFY ValueChanged)
public:
    explicit ToggleSwitch(QWidget *parent = nullptr);

    bool Value() const { return value_; }
    // Emits ValueChanged when the value changes.
    void setValue(bool on);

    QSize sizeHint() const override { return QSize(64, 28); }

signals:
    void ValueChanged(bool value);

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool value_ = false;
};

} // namespace zr::shell
