#include "glosskit.h"
#include "../check/glosscheck.h"
#include "../command/glosscommand.h"
#include "../hcommand/glosshcommand.h"
#include "../screen/glossscreen.h"
#include "../sphere/glosssphere.h"

#include <functional>
#include <utility>

namespace glosskit {

namespace {

using Maker = std::function<GlossControl *(QWidget *)>;

const std::vector<std::pair<QString, Maker>> &makers() {
    static const std::vector<std::pair<QString, Maker>> list = {
        {QStringLiteral("GlossKit.GlossCommand"), [](QWidget *p) { return new GlossCommand(p); }},
        {QStringLiteral("GlossKit.GlossCheck"), [](QWidget *p) { return new GlossCheck(p); }},
        {QStringLiteral("GlossKit.GlossSphere"), [](QWidget *p) { return new GlossSphere(p); }},
        {QStringLiteral("GlossKit.GlossScreen"), [](QWidget *p) { return new GlossScreen(p); }},
        {QStringLiteral("GlossKit.GlossHCommand"), [](QWidget *p) { return new GlossHCommand(p); }},
    };
    return list;
}

// Loads or saves a control of the library; a failure inside stays there.
template <class F> bool persist(QWidget *control, F &&step) {
    auto *c = qobject_cast<GlossControl *>(control);
    if (!c)
        return false;
    try {
        step(c);
    } catch (...) {
    }
    return true;
}

} // namespace

QWidget *createControl(const QString &progId, QWidget *parent) {
    for (const auto &[id, make] : makers()) {
        if (id.compare(progId, Qt::CaseInsensitive) == 0) {
            try {
                return make(parent);
            } catch (...) {
                return nullptr;
            }
        }
    }
    return nullptr;
}

QStringList availableControls() {
    QStringList out;
    for (const auto &entry : makers())
        out << entry.first;
    return out;
}

bool loadControl(QWidget *control, const PropertyBag &bag) {
    return persist(control, [&](GlossControl *c) { c->ReadProperties(bag); });
}

bool saveControl(QWidget *control, PropertyBag &bag) {
    return persist(control, [&](GlossControl *c) { c->WriteProperties(bag); });
}

} // namespace glosskit
