#include "glosscontrol.h"
#include "aboutbox.h"
#include "sound.h"
#include "typelib.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaClassInfo>
#include <QMouseEvent>
#include <QShortcut>

namespace glosskit {

GlossControl::GlossControl(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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

void GlossControl::TimerInvoke() {}

void GlossControl::AboutMe() {
    step([] { AboutBox::showModal(); });
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

// --- default handlers: raise the event -------------------------------------------------------

void GlossControl::onMouseDown(short b, short s, float x, float y) {
    step([&] { emit MouseDown(b, s, x, y); });
}

void GlossControl::onMouseUp(short b, short s, float x, float y) {
    step([&] { emit MouseUp(b, s, x, y); });
}

void GlossControl::onMouseMove(short b, short s, float x, float y) {
    step([&] { emit MouseMove(b, s, x, y); });
}

void GlossControl::onClick() {
    step([&] { emit Click(); });
}

void GlossControl::onDblClick() {
    step([&] { emit DblClick(); });
}

void GlossControl::onKeyDown(short &keyCode, short shift) {
    step([&] { emit KeyDown(keyCode, shift); });
}

void GlossControl::onKeyPress(short keyAscii) {
    step([&] { emit KeyPress(keyAscii); });
}

void GlossControl::onKeyUp(short &keyCode, short shift) {
    step([&] { emit KeyUp(keyCode, shift); });
}

void GlossControl::onAccessKey() {
    step([&] { emit Click(); });
}

void GlossControl::onFocusChanged(bool) {}

// --- helpers -----------------------------------------------------------------------------------

void GlossControl::ensureSurface() {
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (m_surface.size() == size)
        return;
    // The surface keeps what it shows when it grows or shrinks, like a window that redraws
    // itself; new pixels take the background colour.
    QPixmap next(size);
    next.fill(palette().color(backgroundRole()));
    if (!m_surface.isNull()) {
        QPainter p(&next);
        p.drawPixmap(0, 0, m_surface);
    }
    m_surface = next;
}

void GlossControl::notifyChanged(const char *name) {
    step([&] { emit propertyChanged(QString::fromLatin1(name)); });
}

QFont GlossControl::ambientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QString GlossControl::instanceName() const {
    return objectName().isEmpty() ? className() + QLatin1Char('1') : objectName();
}

void GlossControl::clearSurface(const QColor &color) {
    step([&] {
        ensureSurface();
        m_surface.fill(color);
    });
}

void GlossControl::applyAccessKeys(const QString &keys) {
    if (keys.isEmpty())
        return;
    step([&] {
        for (auto &shortcut : m_accessKeys)
            delete shortcut.data();
        m_accessKeys.clear();
        for (QChar c : keys) {
            if (c.isSpace())
                continue;
            QKeySequence seq(QStringLiteral("Alt+") + c.toUpper());
            if (seq.isEmpty())
                continue;
            auto *shortcut = new QShortcut(seq, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this] { onAccessKey(); });
            m_accessKeys.emplace_back(shortcut);
        }
    });
}

void GlossControl::applyCursor(int pointer, const Picture &icon) {
    step([&] {
        static const Qt::CursorShape shapes[] = {
            Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
            Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
            Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
            Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
        if (pointer == 99 && icon.hasImage())
            setCursor(QCursor(icon.pixmap()));
        else if (pointer > 0 && pointer < int(sizeof(shapes) / sizeof(shapes[0])))
            setCursor(shapes[pointer]);
        else
            unsetCursor();
    });
}

void GlossControl::sound(bool press, bool useSound, int soundMethod,
                         const std::function<void(GKSoundType)> &raise) {
    if (!useSound)
        return;
    if (soundMethod != GKInternalSound) {
        step([&] { raise(press ? Gettingpushed : GettingReleased); });
        return;
    }
    step([&] { PlayResourceSound(press ? 401 : 402); });
}

// --- Qt events mapped onto the handlers ------------------------------------------------------

void GlossControl::paintEvent(QPaintEvent *) {
    step([&] {
        if (!m_surfaceValid || m_surface.size() != contentsRect().size()) {
            m_inPaintEvent = true;
            onPaint();
            m_inPaintEvent = false;
        }
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), m_surface);
    });
}

void GlossControl::resizeEvent(QResizeEvent *) {
    // A new size exposes the whole control: the next paint draws it anew.
    m_surfaceValid = false;
    step([&] {
        ensureSurface();
        onResize();
    });
}

void GlossControl::mousePressEvent(QMouseEvent *e) {
    m_afterDoubleClick = false;
    const QPointF pos = e->position() - contentsRect().topLeft();
    onMouseDown(buttonFor(e->button()), shiftFor(e->modifiers()), float(pos.x()), float(pos.y()));
}

void GlossControl::mouseReleaseEvent(QMouseEvent *e) {
    const QPointF pos = e->position() - contentsRect().topLeft();
    const bool wasDouble = m_afterDoubleClick;
    m_afterDoubleClick = false;
    QPointer<GlossControl> self(this);
    onMouseUp(buttonFor(e->button()), shiftFor(e->modifiers()), float(pos.x()), float(pos.y()));
    // A click is a left press and release over the control; the release that ends a double
    // click is not another click.
    if (self && !wasDouble && e->button() == Qt::LeftButton &&
        rect().contains(e->position().toPoint()))
        onClick();
}

void GlossControl::mouseDoubleClickEvent(QMouseEvent *) {
    m_afterDoubleClick = true;
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
    if (e->type() == QEvent::EnabledChange)
        step([&] { onPaint(); });
    QWidget::changeEvent(e);
}

} // namespace glosskit
