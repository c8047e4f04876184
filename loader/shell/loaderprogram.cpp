#include "loaderprogram.h"

#include "form.h"
#include "qtlocale.h"
#include "registerwindows.h"

#include <QCoreApplication>

namespace zr::shell {

LoaderProgram::LoaderProgram(const PortMap &map) : serial_(map), shell_(state_, dialogs_, serial_) {
    InstallFontSubstitutes();
    RegisterWindows(shell_);
}

LoaderProgram::~LoaderProgram() {
    finish();
}

Form *LoaderProgram::start() {
    Form *w = shell_.forms().form(kLanguageWindow);
    if (w)
        w->show();
    return w;
}

void LoaderProgram::finish() {
    shell_.forms().unloadAll();
    // The windows go while the shell they refer to still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    serial_.Close();
}

} // namespace zr::shell
