#pragma once

// The console a windowed program was started from, free of Qt.
namespace tintwatch::win32 {

// Attaches to the parent's console, if it has one, and points stdout and
// stderr at it where they lead nowhere yet. Output already redirected to a
// file or a pipe is left where it goes. Safe to call more than once.
void AttachStartingConsole();

}  // namespace tintwatch::win32
