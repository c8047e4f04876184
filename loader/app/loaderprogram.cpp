#include "loaderprogram.h"

#include "editorwindow.h"
#include "form.h"
#include "frontwindow.h"
#include "qtlocale.h"
#include "registerwindows.h"
#include "scopewindow.h"
#include "transferwindow.h"

#include <QCoreApplication>

namespace zr::shell {

LoaderProgram::LoaderProgram(const PortMap &map) : serial_(map), shell_(state_, dialogs_, serial_) {
    InstallFontSubstitutes();
    RegisterAllWindows(shell_);
}

void RegisterAllWindows(Shell &shell) {
    RegisterWindows(shell);
    params::RegisterParameterEditor(shell);
    transfer::RegisterTransferWindows(shell);
    front::RegisterFrontWindow(shell);
    scope::RegisterScopeWindows(shell);
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
