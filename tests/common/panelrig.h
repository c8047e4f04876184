#pragma once

// A fresh shell over the in-process simulated drive with the link windows and the front panel
// registered and a page host of its own, for the window tests of the front panel and the scope.

#include "frontwindow.h"
#include "loaderroutine.h"
#include "shell.h"
#include "simshell.h"

#include <QWidget>

struct PanelRig : SimShell {
    QWidget host;
    FakeToolbar toolbar;

    explicit PanelRig(int language) {
        using namespace zr::shell;
        state.CurrentLanguage = static_cast<qint16>(language);
        state.DriveAddress = 1;
        state.DriveRelease = 1700;
        host.resize(800, 600);
        shell.forms().setPageHost(&host);
        shell.mainFrame = [] { return MainFrame{0, 0, 12000, 9000, 600}; };
        shell.endProgram = [] {};
        shell.waitLettingEventsRun = [](int) {};
        shell.setToolbar(&toolbar);
        registerLinkWindows();
        zr::front::RegisterFrontWindow(shell);
    }
    zr::front::FrontWindow *openPanel() {
        shell.showPage(zr::shell::kPageFront);
        return shell.forms().formAs<zr::front::FrontWindow>(zr::shell::kFrontWindow);
    }
};
