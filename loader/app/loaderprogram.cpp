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

namespace {
std::unique_ptr<TracingSerialPort> tracerFor(SerialPort &port, TracingSerialPort::Sink sink) {
    return sink ? std::make_unique<TracingSerialPort>(port, std::move(sink)) : nullptr;
}
} // namespace

LoaderProgram::LoaderProgram(const PortMap &map, TracingSerialPort::Sink trace)
    : serial_(map), tracer_(tracerFor(serial_, std::move(trace))),
      shell_(state_, dialogs_, tracer_ ? static_cast<SerialPort &>(*tracer_) : serial_) {
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
    if (tracer_) {
        tracer_->flush();
        if (tracer_->IsOpen())
            tracer_->Close();
    }
    serial_.Close();
}

} // namespace zr::shell
