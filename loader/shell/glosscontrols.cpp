#include "glosscontrols.h"

#include <QWidget>

#ifdef ZR_HAVE_GLOSSKIT
#include "common/glosskit.h"
#endif

namespace zr::shell {

QWidget *CreateGlossControl(const QString &progId, QWidget *parent, const QString &name) {
#ifdef ZR_HAVE_GLOSSKIT
    QWidget *w = glosskit::createControl(progId, parent);
    if (w)
        w->setObjectName(name);
    return w;
#else
    Q_UNUSED(progId);
    Q_UNUSED(parent);
    Q_UNUSED(name);
    return nullptr;
#endif
}

} // namespace zr::shell
