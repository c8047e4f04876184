#include "toggleswitch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zr::shell {

ToggleSwitch::ToggleSwitch(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ToggleSwitch::setValue(bool on) {
    if (on == value_)
        return;
    value_ = on;
    update();
    emit ValueChanged(on);
}

void ToggleSwitch::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(2, 2, -2, -2);
    const qreal r = track.height() / 2;
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(value_ ? QColor(40, 170, 60) : QColor(150, 150, 150));
    p.drawRoundedRect(track, r, r);
    const qreal d = track.height() - 4;
    const qreal x = value_ ? track.right() - d - 2 : track.left() + 2;
    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(QRectF(x, track.top() + 2, d, d));
    p.setPen(Qt::white);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(int(track.height() * 0.45));
    p.setFont(f);
    const QRectF label =
        value_ ? QRectF(track.left() + 4, track.top(), track.width() - d - 8, track.height())
               : QRectF(x + d + 2, track.top(), track.right() - x - d - 4, track.height());
    p.drawText(label, Qt::AlignCenter, value_ ? QStringLiteral("ON") : QStringLiteral("OFF"));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r + 2, r + 2);
    }
}

void ToggleSwitch::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        setValue(!value_);
}

void ToggleSwitch::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return)
        setValue(!value_);
    else
        QWidget::keyPressEvent(e);
}

} // namespace zr::shell
