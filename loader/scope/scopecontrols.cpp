#include "scopecontrols.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <numbers>

namespace zr::scope {

namespace {
constexpr double kSweep = 270; // degrees from the lowest to the highest value
const QColor kFace(70, 74, 82);
const QColor kRim(150, 155, 165);
const QColor kPointer(255, 210, 0);
const QColor kText(20, 20, 20);

int WheelSteps(QWheelEvent *e) {
    const int d = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    return d > 0 ? 1 : (d < 0 ? -1 : 0);
}
} // namespace

// --- knob ---

ScopeKnob::ScopeKnob(const QStringList &labels, QWidget *parent)
    : QWidget(parent), labels_(labels), minimum_(1), maximum_(labels.size()), step_(1), value_(1) {
    setFocusPolicy(Qt::StrongFocus);
}

ScopeKnob::ScopeKnob(double minimum, double maximum, double step, QWidget *parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), step_(step),
      value_(std::clamp(0.0, minimum, maximum)) {
    setFocusPolicy(Qt::StrongFocus);
}

void ScopeKnob::setValue(double v) {
    v = std::clamp(v, minimum_, maximum_);
    if (isDiscrete())
        v = std::round(v);
    else
        v = std::round(v / step_) * step_;
    if (v == value_)
        return;
    value_ = v;
    update();
    emit ValueChanged(value_);
}

double ScopeKnob::angleOf(double v) const {
    const double span = maximum_ - minimum_;
    return -kSweep / 2 + (span > 0 ? (v - minimum_) / span : 0) * kSweep;
}

QRectF ScopeKnob::dialRect() const {
    const double side = std::min(width(), height()) * (isDiscrete() ? 0.58 : 0.66);
    return {width() / 2.0 - side / 2, height() / 2.0 - side / 2, side, side};
}

double ScopeKnob::valueAt(QPointF at) const {
    const QPointF c = dialRect().center();
    double deg = std::atan2(at.x() - c.x(), c.y() - at.y()) * 180 / std::numbers::pi;
    deg = std::clamp(deg, -kSweep / 2, kSweep / 2);
    return minimum_ + (deg + kSweep / 2) / kSweep * (maximum_ - minimum_);
}

void ScopeKnob::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF d = dialRect();
    const QPointF c = d.center();
    const double radius = d.width() / 2;
    QFont f = font();
    f.setPointSizeF(isDiscrete() ? 6.5 : 7);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const auto polar = [&](double deg, double r) {
        const double a = deg * std::numbers::pi / 180;
        return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a));
    };
    if (isDiscrete()) {
        // Labels beside their marks: left of the dial they end at the mark, right of it they
        // start there, so that many positions fit around a small dial.
        for (int i = 0; i < labels_.size(); ++i) {
            const double deg = angleOf(i + 1);
            p.drawLine(polar(deg, radius + 2), polar(deg, radius + 5));
            const QPointF at = polar(deg, radius + 7);
            QRectF box(at.x() - 22, at.y() - 6, 44, 12);
            Qt::Alignment align = Qt::AlignCenter;
            if (at.x() < c.x() - 4) {
                box.moveRight(at.x());
                align = Qt::AlignRight | Qt::AlignVCenter;
            } else if (at.x() > c.x() + 4) {
                box.moveLeft(at.x());
                align = Qt::AlignLeft | Qt::AlignVCenter;
            } else {
                box.moveBottom(at.y());
            }
            p.drawText(box, align, labels_.at(i));
        }
    } else {
        for (int i = 0; i <= 10; ++i) {
            const double deg = -kSweep / 2 + kSweep * i / 10;
            p.drawLine(polar(deg, radius + 2), polar(deg, radius + (i % 5 ? 4 : 7)));
        }
        const auto text = [](double v) { return QString::number(v); };
        QPointF at = polar(-kSweep / 2, radius + 14);
        p.drawText(QRectF(at.x() - 20, at.y() - 6, 40, 12), Qt::AlignCenter, text(minimum_));
        at = polar(kSweep / 2, radius + 14);
        p.drawText(QRectF(at.x() - 20, at.y() - 6, 40, 12), Qt::AlignCenter, text(maximum_));
        p.drawText(QRectF(0, height() - 13, width(), 12), Qt::AlignCenter, text(value_));
    }
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, kRim);
    g.setColorAt(1, kFace);
    p.setBrush(g);
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, 1.5));
    p.drawEllipse(d);
    p.setPen(QPen(kPointer, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(angleOf(value_), radius * 0.25), polar(angleOf(value_), radius * 0.85));
}

void ScopeKnob::mousePressEvent(QMouseEvent *e) {
    emit MouseDown();
    setFocus(Qt::MouseFocusReason);
    setValue(valueAt(e->position()));
}

void ScopeKnob::mouseMoveEvent(QMouseEvent *e) {
    if (e->buttons() & Qt::LeftButton)
        setValue(valueAt(e->position()));
}

void ScopeKnob::wheelEvent(QWheelEvent *e) {
    stepBy(WheelSteps(e));
    e->accept();
}

void ScopeKnob::keyPressEvent(QKeyEvent *e) {
    const int page = isDiscrete() ? 1 : 10;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Plus:
        stepBy(1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Minus:
        stepBy(-1);
        break;
    case Qt::Key_PageUp:
        stepBy(page);
        break;
    case Qt::Key_PageDown:
        stepBy(-page);
        break;
    case Qt::Key_Home:
        setValue(minimum_);
        break;
    case Qt::Key_End:
        setValue(maximum_);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

// --- slide ---

ScopeSlide::ScopeSlide(const QStringList &labels, QWidget *parent)
    : QWidget(parent), labels_(labels) {
    setFocusPolicy(Qt::StrongFocus);
}

void ScopeSlide::setValue(int v) {
    v = std::clamp(v, 0, static_cast<int>(labels_.size()) - 1);
    if (v == value_)
        return;
    value_ = v;
    update();
    emit ValueChanged(value_);
}

// Position 0 at the bottom, the last at the top.
double ScopeSlide::slotY(int v) const {
    const int n = std::max(1, static_cast<int>(labels_.size()) - 1);
    return height() - 12 - (height() - 24.0) * v / n;
}

int ScopeSlide::valueAt(QPointF at) const {
    int best = 0;
    for (int v = 1; v < labels_.size(); ++v)
        if (std::abs(at.y() - slotY(v)) < std::abs(at.y() - slotY(best)))
            best = v;
    return best;
}

void ScopeSlide::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double x = 14;
    p.setPen(QPen(kRim, 1));
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(
        QRectF(x - 3, slotY(labels_.size() - 1) - 4, 6, slotY(0) - slotY(labels_.size() - 1) + 8),
        3, 3);
    QFont f = font();
    f.setPointSizeF(8);
    p.setFont(f);
    for (int v = 0; v < labels_.size(); ++v) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(x + 14, slotY(v) - 7, width() - x - 14, 14), Qt::AlignVCenter,
                   labels_.at(v));
    }
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, 1.5));
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(x - 10, slotY(value_) - 6, 20, 12), 3, 3);
    p.setPen(QPen(kPointer, 2));
    p.drawLine(QPointF(x - 7, slotY(value_)), QPointF(x + 7, slotY(value_)));
}

void ScopeSlide::mousePressEvent(QMouseEvent *e) {
    setFocus(Qt::MouseFocusReason);
    setValue(valueAt(e->position()));
}

void ScopeSlide::mouseMoveEvent(QMouseEvent *e) {
    if (e->buttons() & Qt::LeftButton)
        setValue(valueAt(e->position()));
}

void ScopeSlide::wheelEvent(QWheelEvent *e) {
    setValue(value_ + WheelSteps(e));
    e->accept();
}

void ScopeSlide::keyPressEvent(QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        setValue(value_ + 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        setValue(value_ - 1);
        break;
    case Qt::Key_Home:
        setValue(0);
        break;
    case Qt::Key_End:
        setValue(static_cast<int>(labels_.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

// --- switch ---

ScopeSwitch::ScopeSwitch(const QString &offText, const QString &onText, bool pushButton,
                         QWidget *parent)
    : QWidget(parent), offText_(offText), onText_(onText), push_(pushButton) {
    setFocusPolicy(Qt::StrongFocus);
}

void ScopeSwitch::setValue(bool v) {
    if (v == value_)
        return;
    value_ = v;
    update();
    emit ValueChanged(value_);
}

void ScopeSwitch::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool on = value_;
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, 1.5));
    p.setBrush(isEnabled() ? (on ? QColor(190, 60, 40) : QColor(50, 120, 60))
                           : QColor(120, 120, 120));
    p.drawRoundedRect(r, 5, 5);
    if (!push_) {
        // The lever: down for False, up for True.
        const QRectF lever(r.left() + 4, on ? r.top() + 3 : r.center().y() + 1, 10,
                           r.height() / 2 - 4);
        p.setBrush(kRim);
        p.drawRoundedRect(lever, 2, 2);
    }
    p.setPen(isEnabled() ? Qt::white : QColor(200, 200, 200));
    QFont f = font();
    f.setPointSizeF(8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r.adjusted(push_ ? 2 : 16, 0, -2, 0), Qt::AlignCenter, text());
}

void ScopeSwitch::mousePressEvent(QMouseEvent *) {
    setFocus(Qt::MouseFocusReason);
    setValue(push_ ? true : !value_);
}

void ScopeSwitch::mouseReleaseEvent(QMouseEvent *) {
    if (push_)
        setValue(false);
}

void ScopeSwitch::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat())
            setValue(push_ ? true : !value_);
        return;
    }
    QWidget::keyPressEvent(e);
}

void ScopeSwitch::keyReleaseEvent(QKeyEvent *e) {
    if (push_ && !e->isAutoRepeat() &&
        (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        setValue(false);
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void ScopeSwitch::changeEvent(QEvent *e) {
    if (e->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(e);
}

} // namespace zr::scope
