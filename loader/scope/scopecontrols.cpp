#include "scopecontrols.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <numbers>

namespace zr::scope {

namespace {
constexpr double kSweep = 270; // degrees from the lowest to the highest value
// A knob of this many labelled positions or more lists them in two columns beside the dial, one
// row each, with a line from each label to its mark: around the dial they would crowd.
constexpr int kManyPositions = 8;
constexpr double kLegendGap = 12; // between a column and the dial
constexpr double kLabelGap = 7;   // from the dial's edge to the labels
const QColor kFace(70, 74, 82);
const QColor kRim(150, 155, 165);
const QColor kPointer(255, 210, 0);

QFont TextFont(const QFont &base, bool bold = false) {
    QFont f = base;
    f.setPointSizeF(kControlTextPoints);
    f.setBold(bold);
    return f;
}

QPointF Polar(QPointF centre, double degrees, double r) {
    const double a = degrees * std::numbers::pi / 180;
    return {centre.x() + r * std::sin(a), centre.y() - r * std::cos(a)};
}
} // namespace

// --- wheel and mouse shared by the knob and the slide ---

void NotchedSlider::wheelEvent(QWheelEvent *e) {
    if (!oneStepPerNotch_) {
        QAbstractSlider::wheelEvent(e);
        return;
    }
    const QPoint d = e->angleDelta();
    wheelRest_ += d.y() != 0 ? d.y() : -d.x();
    while (std::abs(wheelRest_) >= 120) {
        triggerAction(wheelRest_ > 0 ? SliderSingleStepAdd : SliderSingleStepSub);
        wheelRest_ -= wheelRest_ > 0 ? 120 : -120;
    }
    e->accept();
}

void NotchedSlider::mousePressEvent(QMouseEvent *e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setSliderDown(true);
    setSliderPosition(valueAt(e->position()));
    e->accept();
}

void NotchedSlider::mouseMoveEvent(QMouseEvent *e) {
    if (isSliderDown())
        setSliderPosition(valueAt(e->position()));
    e->accept();
}

void NotchedSlider::mouseReleaseEvent(QMouseEvent *e) {
    if (isSliderDown())
        setSliderDown(false);
    e->accept();
}

// --- knob ---

ScopeKnob::ScopeKnob(const QStringList &labels, QWidget *parent)
    : NotchedSlider(parent), labels_(labels) {
    setRange(1, static_cast<int>(labels.size()));
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit ValueChanged(value()); });
}

ScopeKnob::ScopeKnob(double low, double high, double step, QWidget *parent)
    : NotchedSlider(parent), step_(step) {
    setRange(static_cast<int>(std::lround(low / step)), static_cast<int>(std::lround(high / step)));
    setPageStep(std::max(1, (maximum() - minimum()) / 10));
    setOneStepPerNotch(false);
    setFocusPolicy(Qt::StrongFocus);
    QAbstractSlider::setValue(std::clamp(0, minimum(), maximum()));
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit ValueChanged(value()); });
}

void ScopeKnob::setValue(double v) {
    QAbstractSlider::setValue(static_cast<int>(std::lround(v / step_)));
}

QFont ScopeKnob::labelFont() const {
    return TextFont(font());
}

QStringList ScopeKnob::texts() const {
    if (isDiscrete())
        return labels_;
    const auto text = [](double v) { return QString::number(v); };
    return {text(lowest()), text(highest()), text(value())};
}

double ScopeKnob::angleOf(int v) const {
    const int span = maximum() - minimum();
    return -kSweep / 2 + (span > 0 ? double(v - minimum()) / span : 0) * kSweep;
}

int ScopeKnob::valueAt(QPointF at) const {
    const QPointF c = layout().centre;
    double deg = std::atan2(at.x() - c.x(), c.y() - at.y()) * 180 / std::numbers::pi;
    deg = std::clamp(deg, -kSweep / 2, kSweep / 2);
    return minimum() +
           static_cast<int>(std::lround((deg + kSweep / 2) / kSweep * (maximum() - minimum())));
}

// The labels for a dial of the given radius centred on (0, 0), written from labelRadius out. A
// discrete knob writes each label beside its mark: left of the dial it ends at the mark, right of
// it it starts there, near the top it stands centred above it. A continuous knob writes its
// value below the dial and its two ends beside their marks, outward, clear of the value.
ScopeKnob::Layout ScopeKnob::layoutFor(double radius, double labelRadius) const {
    Layout l;
    l.radius = radius;
    l.labelRadius = labelRadius;
    const QFontMetricsF fm(labelFont());
    const double h = fm.height();
    const QStringList t = texts();
    if (isDiscrete()) {
        for (int i = 0; i < t.size(); ++i) {
            const double deg = angleOf(minimum() + i);
            const QPointF at = Polar({}, deg, labelRadius);
            const double w = fm.horizontalAdvance(t.at(i)) + 2;
            QRectF box(at.x() - w / 2, at.y() - h / 2, w, h);
            if (std::abs(deg) <= 15)
                box.moveBottom(at.y());
            else if (at.x() < 0)
                box.moveRight(at.x());
            else
                box.moveLeft(at.x());
            l.labels.append(box);
        }
    } else {
        double value = 0;
        for (double v : {lowest(), highest(), lowest() + step_, -step_})
            value = std::max(value, fm.horizontalAdvance(QString::number(v)) + 2);
        for (int end = 0; end < 2; ++end) {
            const QPointF at = Polar({}, end == 0 ? -kSweep / 2 : kSweep / 2, labelRadius);
            const double w = fm.horizontalAdvance(t.at(end)) + 2;
            const double x = std::max(std::abs(at.x()), value / 2 + 2);
            l.labels.append(QRectF(end == 0 ? -x - w : x, at.y() - h / 2, w, h));
        }
        l.labels.append(QRectF(-value / 2, radius + 2, value, h));
    }
    return l;
}

// The two columns: the first half of the positions on the left, from the bottom up, the others
// on the right, from the top down, each row beside the height of its mark; the dial between.
ScopeKnob::Layout ScopeKnob::legendFor(const QRectF &area) const {
    Layout l;
    const QFontMetricsF fm(labelFont());
    const QStringList t = texts();
    const qsizetype left = (t.size() + 1) / 2;
    double leftWidth = 0, rightWidth = 0;
    for (qsizetype i = 0; i < t.size(); ++i)
        (i < left ? leftWidth : rightWidth) =
            std::max(i < left ? leftWidth : rightWidth, fm.horizontalAdvance(t.at(i)) + 2);
    l.radius = std::max(4.0, std::min((area.width() - leftWidth - rightWidth) / 2 - kLegendGap,
                                      area.height() / 2 - 5));
    l.labelRadius = l.radius + kLegendGap;
    l.legend = true;
    l.centre = {area.left() + leftWidth + kLegendGap + l.radius, area.center().y()};
    const qsizetype rows = std::max(left, t.size() - left);
    const double row = std::min(fm.height() + 3, area.height() / double(rows));
    const double top = area.center().y() - row * double(rows) / 2;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const double w = fm.horizontalAdvance(t.at(i)) + 2;
        const qsizetype r = i < left ? left - 1 - i : i - left;
        const double y = top + row * double(r) + (row - fm.height()) / 2;
        l.labels.append(i < left ? QRectF(area.left() + leftWidth - w, y, w, fm.height())
                                 : QRectF(area.right() - rightWidth, y, w, fm.height()));
    }
    return l;
}

const ScopeKnob::Layout &ScopeKnob::layout() const {
    if (layoutSize_ != size())
        const_cast<ScopeKnob *>(this)->relayout();
    return layout_;
}

// Labels far enough out not to touch each other, and the largest dial inside them that lets the
// whole fit the widget, centred in it. A widget too small for that gets the largest dial that
// fits, labels close around it.
void ScopeKnob::relayout() {
    layoutSize_ = size();
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (isDiscrete() && labels_.size() >= kManyPositions) {
        layout_ = legendFor(area);
        update();
        return;
    }
    const auto extent = [](const Layout &l) {
        QRectF box(-l.radius - 5, -l.radius - 5, 2 * l.radius + 10, 2 * l.radius + 10);
        for (const QRectF &r : l.labels)
            box |= r;
        return box;
    };
    const auto fits = [&](const Layout &l) {
        const QRectF box = extent(l);
        return box.width() <= area.width() && box.height() <= area.height();
    };
    const auto apart = [](const Layout &l) {
        for (qsizetype i = 0; i < l.labels.size(); ++i)
            for (qsizetype j = i + 1; j < l.labels.size(); ++j)
                if (l.labels[i].adjusted(-4, -1, 4, 1).intersects(l.labels[j]))
                    return false;
        return true;
    };
    const double most = std::max(4.0, std::min(area.width(), area.height()) / 2);
    Layout chosen;
    bool found = false;
    // The biggest knob whose labels fit and stand apart.
    for (double r = std::floor(most); r >= 4 && !found; r -= 1) {
        const Layout l = layoutFor(r, r + kLabelGap);
        if (fits(l) && apart(l)) {
            chosen = l;
            found = true;
        }
    }
    // Else the labels further out than the dial needs: the nearest ring where they stand apart,
    // and the biggest dial inside it that lets the whole fit.
    for (double lr = 4 + kLabelGap; lr <= most + kLabelGap && !found; lr += 1) {
        if (!apart(layoutFor(lr - kLabelGap, lr)))
            continue;
        for (double r = lr - kLabelGap; r >= 4 && !found; r -= 1) {
            const Layout l = layoutFor(r, lr);
            if (fits(l) && apart(l)) {
                chosen = l;
                found = true;
            }
        }
        break;
    }
    if (!found) { // too small for legible labels: the biggest dial that fits
        for (double r = std::floor(most); r >= 4 && !found; r -= 1) {
            chosen = layoutFor(r, r + kLabelGap);
            found = fits(chosen);
        }
    }
    const QRectF box = extent(chosen);
    const QPointF shift = area.center() - box.center();
    chosen.centre = shift;
    for (QRectF &r : chosen.labels)
        r.translate(shift);
    layout_ = chosen;
    update();
}

QList<QRectF> ScopeKnob::labelRects() const {
    return layout().labels;
}

QPointF ScopeKnob::markPoint(int v) const {
    return Polar(layout().centre, angleOf(v), layout().radius);
}

void ScopeKnob::resizeEvent(QResizeEvent *) {
    relayout();
}

void ScopeKnob::changeEvent(QEvent *e) {
    if (e->type() == QEvent::FontChange)
        layoutSize_ = QSize(); // worked out again when next needed
    NotchedSlider::changeEvent(e);
}

void ScopeKnob::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = layout().centre;
    const double radius = layout_.radius;
    p.setFont(labelFont());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QStringList t = texts();
    if (isDiscrete()) {
        for (int i = 0; i < t.size(); ++i) {
            const double deg = angleOf(minimum() + i);
            const QRectF &box = layout_.labels.at(i);
            p.drawLine(Polar(c, deg, radius + 2), Polar(c, deg, radius + 5));
            if (layout_.legend) {
                // A leader from the mark to its label.
                const QPointF end(box.right() <= c.x() ? box.right() + 1 : box.left() - 1,
                                  box.center().y());
                p.save();
                p.setPen(QPen(kRim, 1));
                p.drawLine(Polar(c, deg, radius + 5), end);
                p.restore();
            }
            const Qt::Alignment align = box.right() <= c.x() - 3  ? Qt::AlignRight
                                        : box.left() >= c.x() + 3 ? Qt::AlignLeft
                                                                  : Qt::AlignHCenter;
            p.drawText(box, align | Qt::AlignVCenter, t.at(i));
        }
    } else {
        for (int i = 0; i <= 10; ++i) {
            const double deg = -kSweep / 2 + kSweep * i / 10;
            p.drawLine(Polar(c, deg, radius + 2), Polar(c, deg, radius + (i % 5 ? 4 : 6)));
        }
        p.drawText(layout_.labels.at(0), Qt::AlignRight | Qt::AlignVCenter, t.at(0));
        p.drawText(layout_.labels.at(1), Qt::AlignLeft | Qt::AlignVCenter, t.at(1));
        p.drawText(layout_.labels.at(2), Qt::AlignCenter, t.at(2));
    }
    const QRectF dial(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, kRim);
    g.setColorAt(1, kFace);
    p.setBrush(g);
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, hasFocus() ? 2 : 1.5));
    p.drawEllipse(dial);
    p.setPen(QPen(isEnabled() ? kPointer : kRim, 3, Qt::SolidLine, Qt::RoundCap));
    const double deg = angleOf(sliderPosition());
    p.drawLine(Polar(c, deg, radius * 0.25), Polar(c, deg, radius * 0.85));
}

// --- slide ---

ScopeSlide::ScopeSlide(const QStringList &labels, QWidget *parent)
    : NotchedSlider(parent), labels_(labels) {
    setOrientation(Qt::Vertical);
    setRange(0, static_cast<int>(labels.size()) - 1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int v) { emit ValueChanged(v); });
}

// Position 0 at the bottom, the last at the top.
double ScopeSlide::slotY(int v) const {
    const int n = std::max(1, maximum());
    return height() - 10 - (height() - 20.0) * v / n;
}

QPointF ScopeSlide::slotCentre(int v) const {
    return {14, slotY(v)};
}

int ScopeSlide::valueAt(QPointF at) const {
    int best = 0;
    for (int v = 1; v <= maximum(); ++v)
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
    p.drawRoundedRect(QRectF(x - 3, slotY(maximum()) - 4, 6, slotY(0) - slotY(maximum()) + 8), 3,
                      3);
    p.setFont(TextFont(font()));
    p.setPen(palette().color(QPalette::WindowText));
    for (int v = 0; v < labels_.size(); ++v)
        p.drawText(QRectF(x + 14, slotY(v) - 8, width() - x - 14, 16), Qt::AlignVCenter,
                   labels_.at(v));
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, hasFocus() ? 2 : 1.5));
    p.setBrush(kFace);
    const double y = slotY(sliderPosition());
    p.drawRoundedRect(QRectF(x - 10, y - 6, 20, 12), 3, 3);
    p.setPen(QPen(kPointer, 2));
    p.drawLine(QPointF(x - 7, y), QPointF(x + 7, y));
}

// --- switch ---

ScopeSwitch::ScopeSwitch(const QString &offText, const QString &onText, bool pushButton,
                         QWidget *parent)
    : QAbstractButton(parent), offText_(offText), onText_(onText), push_(pushButton) {
    setFocusPolicy(Qt::StrongFocus);
    setCheckable(!push_);
    setAccessibleName(offText_ == onText_ ? offText_ : offText_ + QLatin1Char('/') + onText_);
    if (push_) {
        connect(this, &QAbstractButton::pressed, this, [this] { emit ValueChanged(true); });
        connect(this, &QAbstractButton::released, this, [this] { emit ValueChanged(false); });
    } else {
        connect(this, &QAbstractButton::toggled, this, [this](bool on) { emit ValueChanged(on); });
    }
}

void ScopeSwitch::setValue(bool v) {
    if (!push_) {
        setChecked(v);
        return;
    }
    if (v == isDown())
        return;
    setDown(v);
    emit ValueChanged(v);
}

QFont ScopeSwitch::textFont() const {
    return TextFont(font(), true);
}

QRectF ScopeSwitch::textRect() const {
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    return r.adjusted(push_ ? 6 : 20, 2, -6, -2);
}

QSize ScopeSwitch::sizeHint() const {
    const QFontMetrics fm(textFont());
    const int text = std::max(fm.horizontalAdvance(offText_), fm.horizontalAdvance(onText_));
    return {text + (push_ ? 14 : 28), fm.height() + 14};
}

void ScopeSwitch::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool on = value();
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : kRim, hasFocus() ? 2 : 1.5));
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
    p.setPen(isEnabled() ? Qt::white : QColor(215, 215, 215));
    p.setFont(textFont());
    p.drawText(textRect(), Qt::AlignCenter, text());
}

} // namespace zr::scope
