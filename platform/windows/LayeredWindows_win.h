#pragma once

// The Windows side of the see-through look, on the native window handle.
// Kept free of Qt so that it builds with any Windows compiler on its own.
namespace tintwatch::win32 {

void MakeTransparent(void* window);
void MakeOpaque(void* window);
bool LeftButtonHeld();

}  // namespace tintwatch::win32
