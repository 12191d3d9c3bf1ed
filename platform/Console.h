#pragma once

namespace tintwatch {

// Makes the standard output and error reach the console the program was
// started from, before the command line's answers (--help, --version, an
// unknown option) are printed. Windows starts a windowed program with no
// console at all, so its output would be lost; elsewhere, and when the
// output already goes to a file or a pipe, nothing changes.
void UseStartingConsole();

}  // namespace tintwatch
