#pragma once

// A shell over the in-process simulated drive, with the program's own dialogs answered by a
// ModalDriver: where window tests start.

#include "dialogs.h"
#include "loaderroutine.h"
#include "modaldriver.h"
#include "serialhost.h"
#include "serialstatewindow.h"
#include "shell.h"
#include "simdrive.h"
#include "simserialport.h"

#include <array>

// The main window's toolbar, recorded: which buttons the windows enabled.
struct FakeToolbar final : zr::shell::ToolbarButtons {
    std::array<bool, 7> enabled{};
    void setButtonEnabled(zr::shell::ToolbarButton b, bool on) override {
        enabled.at(std::size_t(b)) = on;
    }
    bool isButtonEnabled(zr::shell::ToolbarButton b) const override {
        return enabled.at(std::size_t(b));
    }
    // Com Setting, Save\Load and ZR3500 as "110".
    QString pattern() const {
        QString s;
        for (std::size_t i = 0; i < 3; ++i)
            s += enabled[i] ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};

struct SimShell {
    zr::shell::LoaderRoutine state;
    zr::shell::QtDialogs dialogs;
    ModalDriver modals;
    zr::sim::SimDrive drive;
    zr::sim::SimSerialPort port{drive};
    zr::shell::Shell shell{state, dialogs, port};

    // A silent line or a timeout costs no real time.
    SimShell() { port.useOwnTime(true); }

    // The hidden host of the serial port and the link settings page, which pages fall back to.
    void registerLinkWindows() {
        using namespace zr::shell;
        shell.forms().registerForm(kSerialHost,
                                   [this](QWidget *p) { return new SerialHostWindow(shell, p); });
        shell.forms().registerForm(
            kLinkWindow, [this](QWidget *p) { return new SerialStateWindow(shell, p); }, true);
    }
};
