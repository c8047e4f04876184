#include "glosscontrols.h"

#include "common/glosskit.h"

#include <QWidget>

namespace zr::shell {

QWidget *CreateGlossControl(const QString &progId, QWidget *parent, const QString &name) {
    QWidget *w = glosskit::createControl(progId, parent);
    if (w)
        w->setObjectName(name);
    return w;
}

void AddGlossBackdrop(QWidget *window) {
    if (QWidget *screen = CreateGlossControl(QStringLiteral("GlossKit.GlossScreen"), window,
                                             QStringLiteral("GlossScreen1"))) {
        screen->setGeometry(window->rect());
        screen->lower();
    }
}

} // namespace zr::shell
