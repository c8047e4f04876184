#pragma once

// What the tests over every control share: the ProgIDs, a control made by its ProgID, its event
// log, and values to set.

#include "check/glosscheck.h"
#include "command/glosscommand.h"
#include "common/aboutbox.h"
#include "common/glosskit.h"
#include "common/sound.h"
#include "glosstest.h"
#include "hcommand/glosshcommand.h"
#include "screen/glossscreen.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QLabel>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace glosstest {

inline constexpr const char *kSphere = "GlossKit.GlossSphere";
inline constexpr const char *kCommand = "GlossKit.GlossCommand";
inline constexpr const char *kBar = "GlossKit.GlossHCommand";
inline constexpr const char *kCheck = "GlossKit.GlossCheck";
inline constexpr const char *kScreen = "GlossKit.GlossScreen";

inline std::unique_ptr<GlossControl> make(const QString &progId, QWidget *parent = nullptr) {
    return std::unique_ptr<GlossControl>(
        qobject_cast<GlossControl *>(createControl(progId, parent)));
}

inline std::unique_ptr<EventLog> logOf(GlossControl *c) {
    if (auto *s = qobject_cast<GlossSphere *>(c))
        return std::make_unique<EventLog>(*s);
    if (auto *b = qobject_cast<GlossCommand *>(c))
        return std::make_unique<EventLog>(*b);
    if (auto *h = qobject_cast<GlossHCommand *>(c))
        return std::make_unique<EventLog>(*h);
    if (auto *k = qobject_cast<GlossCheck *>(c))
        return std::make_unique<EventLog>(*k);
    return std::make_unique<EventLog>(*qobject_cast<GlossScreen *>(c));
}

// A value of a property's type that differs from the current one.
inline QVariant otherValue(const QMetaProperty &p, const QVariant &now) {
    if (p.isEnumType())
        return QVariant(now.toInt() == 1 ? 2 : 1);
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return !now.toBool();
    case QMetaType::Int:
        return now.toInt() + 3;
    case QMetaType::Double:
        return now.toDouble() + 1.5;
    case QMetaType::QString:
        return now.toString() == QLatin1String("Liberation Mono")
                   ? QStringLiteral("Liberation Serif")
                   : QStringLiteral("Liberation Mono");
    case QMetaType::QColor:
        return QColor(1, 2, 3);
    case QMetaType::QFont:
        return QFont(QStringLiteral("Liberation Mono"), 17);
    default:
        return QVariant::fromValue(Picture(solid(Qt::red, QSize(4, 4))));
    }
}

inline QVariant ole(quint32 v) {
    return QVariant::fromValue(PropertyBag::OleColor{v});
}
inline QVariant pic(QColor c) {
    return QVariant::fromValue(Picture(solid(c, QSize(4, 4))));
}

} // namespace glosstest
