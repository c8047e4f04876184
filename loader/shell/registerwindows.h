#pragma once

namespace zr::shell {

class Shell;

// Registers every window of the program with the shell's forms registry.
void RegisterWindows(Shell &shell);

} // namespace zr::shell
