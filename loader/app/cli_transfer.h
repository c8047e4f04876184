#pragma once

#include <QStringList>

namespace zr {
class SerialPort;

// True for the command names handled by RunTransferCommand.
bool IsTransferCommand(const QString &command);
// upload-params FILE, download-params [--verify] [--no-backup] [--backup-dir DIR] FILE,
// download-program FILE, compare-params [--language L] FILE on an open port with the drive found.
// Returns the process exit code.
int RunTransferCommand(const QString &command, QStringList args, SerialPort &port, int drive);

// Commands that need no drive: compare-params with two files.
bool IsOfflineCommand(const QString &command, const QStringList &args);
int RunOfflineCommand(const QString &command, QStringList args);
} // namespace zr
