#pragma once

// A fresh shell over the in-process simulated drive, with a recording toolbar.

#include "simshell.h"

#include <array>

struct FakeToolbar final : zr::shell::ToolbarButtons {
    std::array<bool, 8> enabled{};
    void setButtonEnabled(int index, bool on) override { enabled.at(std::size_t(index)) = on; }
    bool isButtonEnabled(int index) const override { return enabled.at(std::size_t(index)); }
    QString pattern() const { // buttons 1..3 as "110"
        QString s;
        for (int i = 1; i <= 3; ++i)
            s += enabled[std::size_t(i)] ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};

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
