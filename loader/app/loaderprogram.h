#pragma once

// ZR_LOADER_131 put together, in one place: the serial port over the port map, the shared state,
// the dialogs and the shell with every window of the program registered. main() builds one; the
// whole-program tests build the same object, so a window left out here fails a test.

#include "dialogs.h"
#include "hardwareserialport.h"
#include "loaderroutine.h"
#include "portmap.h"
#include "shell.h"
#include "tracingserialport.h"

#include <memory>

namespace zr::shell {

class Form;

// Registers the windows of every part of the program with the shell.
void RegisterAllWindows(Shell &shell);

class LoaderProgram {
public:
    // With a trace sink, every frame sent and received on the link goes to it as a line.
    explicit LoaderProgram(const PortMap &map, TracingSerialPort::Sink trace = {});
    ~LoaderProgram();
    LoaderProgram(const LoaderProgram &) = delete;
    LoaderProgram &operator=(const LoaderProgram &) = delete;

    Shell &shell() { return shell_; }
    LoaderRoutine &state() { return state_; }
    HardwareSerialPort &serial() { return serial_; }

    // Shows the start-up window, the only one nothing else creates.
    Form *start();
    // Unloads every window and releases the serial port; the destructor does it too.
    void finish();

private:
    HardwareSerialPort serial_;
    std::unique_ptr<TracingSerialPort> tracer_; // between the link and serial_, with a trace
    LoaderRoutine state_;
    QtDialogs dialogs_;
    Shell shell_;
};

} // namespace zr::shell
