#pragma once

namespace tintwatch {

// The real state of the primary (left) button, not the toolkit's idea of it,
// which can lag behind after the window manager has run an interactive move.
bool LeftButtonHeld();

}  // namespace tintwatch
