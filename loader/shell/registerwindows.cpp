#include "registerwindows.h"

#include "aboutwindow.h"
#include "helpwindow.h"
#include "languagewindow.h"
#include "mainwindow.h"
#include "serialhost.h"
#include "serialstatewindow.h"
#include "shell.h"

namespace zr::shell {

void RegisterWindows(Shell &shell) {
    FormsRegistry &f = shell.forms();
    f.registerForm(kLanguageWindow, [&shell](QWidget *p) { return new LanguageWindow(shell, p); });
    f.registerForm(kMainWindow, [&shell](QWidget *p) { return new MainWindow(shell, p); });
    f.registerForm(kSerialHost, [&shell](QWidget *p) { return new SerialHostWindow(shell, p); });
    f.registerForm(
        kLinkWindow, [&shell](QWidget *p) { return new SerialStateWindow(shell, p); }, true);
    f.registerForm(
        kAboutWindow, [&shell](QWidget *p) { return new AboutWindow(shell, p); }, true);
    f.registerForm(kHelpWindow, [&shell](QWidget *p) { return new HelpWindow(shell, p); });
    // F1 and the Help button open the manual of the chosen language at a page.
    shell.showHelp = [&shell](const QString &topic) {
        if (auto *help = shell.forms().formAs<HelpWindow>(kHelpWindow)) {
            help->show();
            help->showTopic(topic);
            help->raise();
            help->activateWindow();
        }
    };
}

} // namespace zr::shell
