#pragma once

class QImage;
class QPainter;
class QRect;
class QWidget;

namespace tintwatch {

// Switches the clock between the see-through look, in which every pure-white
// pixel is a hole that lets the desktop and clicks through, and an ordinary
// opaque white window. On Windows this is the native colour key; elsewhere a
// window shape made from the picture's device pixels: ApplyColourKey makes it
// from the whole picture and sends it at once; UpdateColourKey, after each
// drawing, looks only at the part changed (device pixels) since the shape was
// last made and sends it only when it differs, queued to go to the server
// with the window's new pixels.
void MakeTransparent(QWidget* window);
void MakeOpaque(QWidget* window);
void ApplyColourKey(QWidget* window, const QImage& picture);
void UpdateColourKey(QWidget* window, const QImage& picture, const QRect& changed);
// Paints the device pixels `deviceRect` of the picture on the window: as
// they are or, on a see-through window whose holes are its own clear pixels
// (one with an alpha channel), with the pure-white pixels left clear.
void PaintPicture(QPainter& painter, const QWidget* window, const QImage& picture, const QRect& deviceRect);
// Hiding and showing a window (changing its on-top flag does both) loses
// native styles on some platforms: this puts back what was applied last.
void RestoreLayering(QWidget* window);

}  // namespace tintwatch
