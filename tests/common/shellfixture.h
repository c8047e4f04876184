#pragma once

// A fresh shell over the in-process simulated drive, with a recording toolbar.

#include "simshell.h"

struct ShellFixture : SimShell {
    FakeToolbar toolbar;

    ShellFixture() {
        using namespace zr::shell;
        FillCaptionTable(state.Captions);
        shell.setToolbar(&toolbar);
        shell.endProgram = [] {};
        registerLinkWindows();
    }
    zr::shell::SerialStateWindow *link() {
        return shell.forms().formAs<zr::shell::SerialStateWindow>(zr::shell::kLinkWindow);
    }
};
