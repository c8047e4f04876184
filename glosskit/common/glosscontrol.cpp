// GlossControl: the container's events mapped onto the handlers, buttons, the drawing surface,
// access keys, cursors, sounds, roll-over and shape.

#include "aboutbox.h"
#include "glosscontrol_p.h"
#include "resources.h"
#include "sound.h"
#include "typelib.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaClassInfo>
#include <QMouseEvent>
#include <QShortcut>

namespace glosskit {

GlossControlPrivate::GlossControlPrivate(const ControlTraits &t) : traits(t) {}

GlossControlPrivate::~GlossControlPrivate() = default;

GlossControl::GlossControl(GlossControlPrivate &dd, QWidget *parent)
    : QWidget(parent), d_gloss(&dd) {
    Q_D(GlossControl);
    d->q = this;
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(d->traits.keys == ButtonKeys::None ? Qt::ClickFocus : Qt::StrongFocus);
    resize(d->traits.size);
    // Until the shape is first computed a shaped control has the shape of its default mode.
    if (const Shape *shape = d->traits.shape)
        step([&] { setMask(resourceMask(shape->modes[DefaultStyle].mask)); });
}

GlossControl::~GlossControl() = default;

QString GlossControl::className() const {
    int i = metaObject()->indexOfClassInfo("ClassName");
    return i >= 0 ? QString::fromLatin1(metaObject()->classInfo(i).value()) : QString();
}

QString GlossControl::progId() const {
    const ClassInfo *info = TypeLibrary::instance().find(className());
    return info ? info->progId : QString();
}

QSize GlossControl::sizeHint() const {
    Q_D(const GlossControl);
    const int mode = d->pictureMode;
    if (d->traits.shape && mode >= DefaultStyle && mode <= OneAndHalfSize &&
        d->traits.shape->modes[mode].size.isValid())
        return d->traits.shape->modes[mode].size;
    return d->traits.size;
}

const QPixmap &GlossControl::surface() const {
    return d_func()->surface;
}

int GlossControl::refreshCount() const {
    return d_func()->refreshCount;
}

bool GlossControl::isPressed() const {
    return d_func()->isPressed;
}

bool GlossControl::hasFocusMark() const {
    return d_func()->hasFocus;
}

short GlossControl::hoverState() const {
    return d_func()->hoverState;
}

short GlossControl::hoverPhase() const {
    return d_func()->hoverPhase;
}

void GlossControl::TimerInvoke() {}

void GlossControl::AboutMe() {
    step([] { AboutBox::showModal(); });
}

void GlossControl::refresh() {
    Q_D(GlossControl);
    d->forceRepaint = true;
    draw();
    d->forceRepaint = false;
}

short GlossControl::keyCodeFor(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(112 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    default:
        return key > 0 && key < 256 ? short(key) : 0;
    }
}

short GlossControl::shiftFor(Qt::KeyboardModifiers m) {
    return short((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                 (m & Qt::AltModifier ? 4 : 0));
}

short GlossControl::buttonFor(Qt::MouseButtons b) {
    return short((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                 (b & Qt::MiddleButton ? 4 : 0));
}

// --- default handlers: a button's press, then the event -------------------------------------

void GlossControl::onMouseDown(short b, short s, float x, float y) {
    Q_D(GlossControl);
    if (d->traits.keys != ButtonKeys::None)
        d->press(true);
    step([&] { emit MouseDown(b, s, x, y); });
}

void GlossControl::onMouseUp(short b, short s, float x, float y) {
    Q_D(GlossControl);
    if (d->traits.keys != ButtonKeys::None)
        d->press(false);
    step([&] { emit MouseUp(b, s, x, y); });
}

void GlossControl::onMouseMove(short b, short s, float x, float y) {
    Q_D(GlossControl);
    if (d->traits.rollOver != RollOver::None) {
        d->hoverState = 2;
        d->hoverStep();
    }
    step([&] { emit MouseMove(b, s, x, y); });
}

void GlossControl::onClick() {
    step([&] { emit Click(); });
}

void GlossControl::onDblClick() {
    step([&] { emit DblClick(); });
}

void GlossControl::onKeyDown(short &keyCode, short shift) {
    Q_D(GlossControl);
    const ButtonKeys keys = d->traits.keys;
    if (keys == ButtonKeys::BeforeHost && d->isButtonKey(keyCode))
        d->press(true);
    step([&] { emit KeyDown(keyCode, shift); });
    if (keys == ButtonKeys::AfterHost && d->isButtonKey(keyCode))
        d->press(true);
}

void GlossControl::onKeyPress(short keyAscii) {
    step([&] { emit KeyPress(keyAscii); });
}

void GlossControl::onKeyUp(short &keyCode, short shift) {
    Q_D(GlossControl);
    const ButtonKeys keys = d->traits.keys;
    if (keys == ButtonKeys::BeforeHost && d->isButtonKey(keyCode))
        onButtonKeyUp();
    step([&] { emit KeyUp(keyCode, shift); });
    if (keys == ButtonKeys::AfterHost && d->isButtonKey(keyCode))
        onButtonKeyUp();
}

void GlossControl::onButtonKeyUp() {
    d_func()->press(false);
    step([&] { emit Click(); });
}

void GlossControl::onAccessKey() {
    step([&] { emit Click(); });
}

void GlossControl::onFocusChanged(bool focus) {
    Q_D(GlossControl);
    if (d->traits.keys == ButtonKeys::None)
        return;
    d->hasFocus = focus;
    refresh();
}

void GlossControl::onPaint() {
    refresh();
}

void GlossControl::onResize() {
    if (d_func()->traits.shape)
        d_func()->resizeByMode();
}

// --- Qt events mapped onto the handlers ------------------------------------------------------

void GlossControl::paintEvent(QPaintEvent *) {
    Q_D(GlossControl);
    step([&] {
        if (!d->surfaceValid || d->surface.size() != contentsRect().size()) {
            d->inPaintEvent = true;
            onPaint();
            d->inPaintEvent = false;
        }
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), d->surface);
    });
}

void GlossControl::resizeEvent(QResizeEvent *) {
    Q_D(GlossControl);
    // A new size exposes the whole control: the next paint draws it anew.
    d->surfaceValid = false;
    step([&] {
        d->ensureSurface();
        onResize();
    });
}

void GlossControl::mousePressEvent(QMouseEvent *e) {
    d_func()->afterDoubleClick = false;
    const QPointF pos = e->position() - contentsRect().topLeft();
    onMouseDown(buttonFor(e->button()), shiftFor(e->modifiers()), float(pos.x()), float(pos.y()));
}

void GlossControl::mouseReleaseEvent(QMouseEvent *e) {
    Q_D(GlossControl);
    const QPointF pos = e->position() - contentsRect().topLeft();
    const bool wasDouble = d->afterDoubleClick;
    d->afterDoubleClick = false;
    QPointer<GlossControl> self(this);
    onMouseUp(buttonFor(e->button()), shiftFor(e->modifiers()), float(pos.x()), float(pos.y()));
    // A click is a left press and release over the control; the release that ends a double
    // click is not another click.
    if (self && !wasDouble && e->button() == Qt::LeftButton &&
        rect().contains(e->position().toPoint()))
        onClick();
}

void GlossControl::mouseDoubleClickEvent(QMouseEvent *) {
    d_func()->afterDoubleClick = true;
    onDblClick();
}

void GlossControl::mouseMoveEvent(QMouseEvent *e) {
    const QPointF pos = e->position() - contentsRect().topLeft();
    onMouseMove(buttonFor(e->buttons()), shiftFor(e->modifiers()), float(pos.x()), float(pos.y()));
}

void GlossControl::keyPressEvent(QKeyEvent *e) {
    short code = keyCodeFor(e->key());
    QPointer<GlossControl> self(this);
    onKeyDown(code, shiftFor(e->modifiers()));
    const QString text = e->text();
    if (self && !text.isEmpty() && text.at(0).unicode() < 256 &&
        !(e->modifiers() & Qt::AltModifier))
        onKeyPress(short(text.at(0).unicode()));
}

void GlossControl::keyReleaseEvent(QKeyEvent *e) {
    if (e->isAutoRepeat())
        return;
    short code = keyCodeFor(e->key());
    onKeyUp(code, shiftFor(e->modifiers()));
}

void GlossControl::focusInEvent(QFocusEvent *) {
    onFocusChanged(true);
}

void GlossControl::focusOutEvent(QFocusEvent *) {
    onFocusChanged(false);
}

void GlossControl::changeEvent(QEvent *e) {
    if (e->type() == QEvent::EnabledChange) {
        step([&] { onPaint(); });
        step([&] { emit EnabledChanged(); });
    } else if (e->type() == QEvent::FontChange) {
        step([&] { emit FontChanged(); });
    }
    QWidget::changeEvent(e);
}

// --- the private part's helpers --------------------------------------------------------------

void GlossControlPrivate::ensureSurface() {
    const QSize size = q->contentsRect().size().expandedTo(QSize(1, 1));
    if (surface.size() == size)
        return;
    // The surface keeps what it shows when it grows or shrinks, like a window that redraws
    // itself; new pixels take the background colour.
    QPixmap next(size);
    next.fill(q->palette().color(q->backgroundRole()));
    if (!surface.isNull()) {
        QPainter p(&next);
        p.drawPixmap(0, 0, surface);
    }
    surface = next;
}

void GlossControlPrivate::clearSurface(const QColor &color) {
    step([&] {
        ensureSurface();
        surface.fill(color);
    });
}

int GlossControlPrivate::clientWidth() const {
    return q->contentsRect().width();
}

int GlossControlPrivate::clientHeight() const {
    return q->contentsRect().height();
}

void GlossControlPrivate::notify(const char *name) {
    step([&] { emit q->propertyChanged(QString::fromLatin1(name)); });
}

QFont GlossControlPrivate::ambientFont() const {
    return q->parentWidget() ? q->parentWidget()->font() : QApplication::font();
}

QString GlossControlPrivate::instanceName() const {
    return q->objectName().isEmpty() ? q->className() + QLatin1Char('1') : q->objectName();
}

void GlossControlPrivate::applyAccessKeys(const QString &keys) {
    if (keys.isEmpty())
        return;
    step([&] {
        for (auto &shortcut : accessKeys)
            delete shortcut.data();
        accessKeys.clear();
        for (QChar c : keys) {
            if (c.isSpace())
                continue;
            QKeySequence seq(QStringLiteral("Alt+") + c.toUpper());
            if (seq.isEmpty())
                continue;
            auto *shortcut = new QShortcut(seq, q);
            shortcut->setContext(Qt::WindowShortcut);
            QObject::connect(shortcut, &QShortcut::activated, q, [this] { q->onAccessKey(); });
            accessKeys.emplace_back(shortcut);
        }
    });
}

void GlossControlPrivate::applyCursor() {
    step([&] {
        static const Qt::CursorShape shapes[] = {
            Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
            Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
            Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
            Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
        if (mousePointer == 99 && mouseIcon.hasImage())
            q->setCursor(QCursor(mouseIcon.pixmap()));
        else if (mousePointer > 0 && mousePointer < int(sizeof(shapes) / sizeof(shapes[0])))
            q->setCursor(shapes[mousePointer]);
        else
            q->unsetCursor();
    });
}

bool GlossControlPrivate::isButtonKey(short keyCode) {
    return keyCode == GlossControl::keyCodeFor(Qt::Key_Space) ||
           keyCode == GlossControl::keyCodeFor(Qt::Key_Return);
}

void GlossControlPrivate::press(bool down) {
    isPressed = down;
    sound(down);
    q->refresh();
}

void GlossControlPrivate::sound(bool press) {
    if (!useSound)
        return;
    if (soundMethod != GlossControl::GKInternalSound) {
        step([&] {
            if (playSound)
                playSound(press ? GlossControl::Gettingpushed : GlossControl::GettingReleased);
        });
        return;
    }
    step([&] { PlayResourceSound(press ? 401 : 402); });
}

// --- roll-over -------------------------------------------------------------------------------

void GlossControlPrivate::hoverStep() {
    short &s = hoverState;
    short &p = hoverPhase;
    if (traits.rollOver == RollOver::Bar && s == 3 && p == 1) {
        s = 4;
        p = 2;
    }
    if (s == 2 && p == 1)
        s = 4;
    if (s >= 0 && s <= 2)
        q->draw();
    if (s == 0 && p == 1)
        p = 0;
    if (s == 3 && p == 1) {
        s = 4;
        p = 2;
    }
    if (s == 2 && p == 0) {
        s = 4;
        p = 1;
    }
    if (s == 1 && p == 2)
        p = 0;
}

void GlossControlPrivate::hoverTick() {
    hoverStep();
    hoverState = short(hoverState - 1);
    if (hoverState == -2)
        hoverState = -1;
}

const Picture *GlossControlPrivate::hoverFace() const {
    const bool over = !pictureOver.isNone(), over2 = !pictureOver2.isNone();
    switch (hoverState) {
    case -1:
        return forceRepaint ? &pictureNormal : nullptr;
    case 0:
        return &pictureNormal;
    case 1:
        return over2 ? &pictureOver2 : over ? &pictureOver : &pictureNormal;
    case 2:
        return over ? &pictureOver : &pictureNormal;
    case 3:
    case 4:
    case 5:
        return over && forceRepaint ? &pictureOver : &pictureNormal;
    default:
        return nullptr;
    }
}

// --- shape -----------------------------------------------------------------------------------

void GlossControlPrivate::resizeByMode() {
    const int mode = pictureMode;
    if (mode < GlossControl::DefaultStyle || mode > GlossControl::OneAndHalfSize)
        return;
    if (mode == GlossControl::RescaleToEdges || mode == GlossControl::RescaleWhenNeeded) {
        updateMask();
        return;
    }
    const QSize size = traits.shape->modes[mode].size;
    step([&] {
        if (size.isValid() && q->size() != size)
            q->resize(size);
    });
}

void GlossControlPrivate::updateMask() {
    if (maskBusy)
        return;
    maskBusy = true;
    step([&] {
        const int mode = pictureMode;
        if (mode == GlossControl::RescaleToEdges || mode == GlossControl::RescaleWhenNeeded) {
            // The hidden picture surface that scales the mask.
            const int w = q->width(), h = q->height();
            QPixmap picture1(qMax(w, 1), qMax(h, 1));
            picture1.fill(Qt::white);
            QPainter p(&picture1);
            const QPixmap &mask = resourceBitmap(traits.shape->stretched);
            if (!mask.isNull())
                p.drawPixmap(QRect(0, 0, w, h), mask);
            p.end();
            q->setMask(maskFromPicture(picture1));
        } else if (mode >= GlossControl::DefaultStyle && mode <= GlossControl::OneAndHalfSize) {
            q->setMask(resourceMask(traits.shape->modes[mode].mask));
        }
        resizeByMode();
    });
    maskBusy = false;
}

} // namespace glosskit
