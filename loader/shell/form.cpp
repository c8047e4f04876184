#include "form.h"

namespace zr::shell {

Form::Form(Shell &shell, const QString &name, QWidget *parent) : QWidget(parent), shell_(shell) {
    setObjectName(name);
}

} // namespace zr::shell
