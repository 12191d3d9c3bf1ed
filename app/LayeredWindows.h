#pragma once

class QImage;
class QWidget;

namespace tintwatch {

// Switches the clock between the see-through look, in which every pure-white
// pixel is a hole that lets the desktop and clicks through, and an ordinary
// opaque white window. On Windows this is the native colour key; elsewhere a
// window shape made from the picture's device pixels, refreshed by
// ApplyColourKey after each drawing.
void MakeTransparent(QWidget* window);
void MakeOpaque(QWidget* window);
void ApplyColourKey(QWidget* window, const QImage& picture);
// Hiding and showing a window (changing its on-top flag does both) loses
// native styles on some platforms: this puts back what was applied last.
void RestoreLayering(QWidget* window);

}  // namespace tintwatch
