#pragma once

// What the GlsKit2 tests share: solid pictures, the pixels a control drew, events sent the way
// the container sends them, bitmaps replaced for one test, and a log of the events a control
// raises.

#include "common/glosscontrol.h"
#include "common/resources.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

namespace glosstest {

using namespace glosskit;

inline QPixmap solid(QColor c, QSize size = QSize(32, 32)) {
    QPixmap p(size);
    p.fill(c);
    return p;
}

inline QColor pixel(const GlossControl &c, int x, int y) {
    return c.surface().toImage().pixelColor(x, y);
}

// The bounding box of the pixels of one colour, within a part of the surface (all of it when
// within is empty).
inline QRect boxOf(const QImage &img, QColor c, QRect within = QRect()) {
    if (within.isEmpty())
        within = img.rect();
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (img.pixelColor(x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline QRect boxOf(const GlossControl &c, QColor colour, QRect within = QRect()) {
    return boxOf(c.surface().toImage(), colour, within);
}

// A font whose every pixel has the text's colour.
inline QFont sharpFont(int pointSize) {
    QFont f(QStringLiteral("Liberation Sans"), pointSize, QFont::Bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

inline void moveMouse(QWidget *w, QPointF at = QPointF(10, 10)) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

inline void focus(QWidget *w, bool in) {
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut);
    QCoreApplication::sendEvent(w, &e);
}

// Built-in bitmaps replaced by the given pictures while the object lives.
class Bitmaps {
public:
    Bitmaps(std::initializer_list<std::pair<int, QPixmap>> list) {
        for (const auto &[id, pixmap] : list) {
            setResourceBitmap(id, pixmap);
            m_ids.push_back(id);
        }
    }
    ~Bitmaps() {
        for (int id : m_ids)
            setResourceBitmap(id, QPixmap());
    }
    Bitmaps(const Bitmaps &) = delete;
    Bitmaps &operator=(const Bitmaps &) = delete;

private:
    std::vector<int> m_ids;
};

// The events a control raises, in order, each with "down" or "up" for whether the control was
// pressed when the host heard of it; word to the container as "changed Name".
struct EventLog {
    QStringList log;

    template <class C> explicit EventLog(C &c) {
        auto entry = [&c, this](const QString &what) {
            log << what + (c.isPressed() ? QStringLiteral(" down") : QStringLiteral(" up"));
        };
        QObject::connect(&c, &GlossControl::Click, [=] { entry(QStringLiteral("Click")); });
        QObject::connect(&c, &GlossControl::DblClick, [=] { entry(QStringLiteral("DblClick")); });
        QObject::connect(&c, &GlossControl::KeyDown,
                         [=](short &k, short) { entry(QStringLiteral("KeyDown %1").arg(k)); });
        QObject::connect(&c, &GlossControl::KeyPress,
                         [=](short k) { entry(QStringLiteral("KeyPress %1").arg(k)); });
        QObject::connect(&c, &GlossControl::KeyUp,
                         [=](short &k, short) { entry(QStringLiteral("KeyUp %1").arg(k)); });
        QObject::connect(&c, &GlossControl::MouseDown, [=](short b, short, float, float) {
            entry(QStringLiteral("MouseDown %1").arg(b));
        });
        QObject::connect(&c, &GlossControl::MouseUp, [=](short b, short, float, float) {
            entry(QStringLiteral("MouseUp %1").arg(b));
        });
        QObject::connect(&c, &GlossControl::propertyChanged,
                         [this](const QString &name) { log << QStringLiteral("changed ") + name; });
        if constexpr (requires { &C::PlaySound; }) {
            QObject::connect(&c, &C::PlaySound, [=](GlossControl::GKSoundType t) {
                entry(QStringLiteral("PlaySound %1").arg(int(t)));
            });
        }
    }
};

} // namespace glosstest
