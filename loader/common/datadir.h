#pragma once

// Where the program finds what it ships: description files, examples, help files, the report
// database and the clips.

#include <QString>

namespace zr {

// A file every data folder holds; it tells a data folder from any other folder.
inline constexpr char kDataMarker[] = "zr3500-loader.data";

// The data folder for a program that lies in programDir: programDir itself when it holds the data
// (a build tree, or a folder with everything beside the program, as on Windows), else
// programDir/../share/zr3500-loader (an installed tree, wherever it was moved). When neither holds
// the data, programDir, so that a message about a missing file names the folder of the program.
QString DataDirectoryFor(const QString &programDir);

// The data folder of the running program.
QString DataDirectory();

// Where the programs keep what they write for the user (the report database's copy, parameter
// backups, the transfer history): ZR_LOADER_131 in the user's data folder
// (~/.local/share/ZR_LOADER_131), the same for the loader and zr3500-cli.
QString UserDataDirectory();

} // namespace zr
