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

struct SimShell {
    zr::shell::LoaderRoutine state;
    zr::shell::QtDialogs dialogs;
    ModalDriver modals;
    zr::sim::SimDrive drive;
    zr::sim::SimSerialPort port{drive};
    zr::shell::Shell shell{state, dialogs, port};

    // The hidden host of the serial port and the link settings page, which pages fall back to.
    void registerLinkWindows() {
        using namespace zr::shell;
        shell.forms().registerForm(kSerialHost,
                                   [this](QWidget *p) { return new SerialHostWindow(shell, p); });
        shell.forms().registerForm(
            kLinkWindow, [this](QWidget *p) { return new SerialStateWindow(shell, p); }, true);
    }
};
