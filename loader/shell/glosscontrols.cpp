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

} // namespace zr::shell
