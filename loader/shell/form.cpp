#include "form.h"

#include <QEvent>

namespace zr::shell {

Form::Form(Shell &shell, const QString &name, QWidget *parent) : QWidget(parent), shell_(shell) {
    setObjectName(name);
}

bool Form::event(QEvent *e) {
    const bool result = QWidget::event(e);
    // A page becomes the active window when it is shown inside the main window; a top-level
    // window when the window system activates it.
    if ((e->type() == QEvent::Show && !isWindow()) ||
        (e->type() == QEvent::WindowActivate && isWindow()))
        Form_Activate();
    return result;
}

} // namespace zr::shell
