#pragma once

#include <QStringList>

namespace zr {
class SerialPort;

// True for the command names handled by RunTransferCommand.
bool IsTransferCommand(const QString &command);
// upload-params FILE, download-params [--verify] FILE, download-program FILE on an open port with
// the drive found. Returns the process exit code.
int RunTransferCommand(const QString &command, QStringList args, SerialPort &port, int drive);
} // namespace zr
