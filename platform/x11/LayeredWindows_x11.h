#pragma once

class QImage;
class QRect;
class QWidget;

namespace tintwatch::x11 {

// The see-through look as the X window's shape, in device pixels (the
// toolkit's own mask is in logical pixels: at a device pixel ratio of 2 one
// sample in four would decide each edge). False where the server cannot take
// a shape: the toolkit's mask has to do then.
//
// ApplyShape makes the shape from the whole picture and sends it at once.
bool ApplyShape(QWidget* window, const QImage& picture);
// UpdateShape looks only at the part changed (device pixels) since the shape
// was last made and sends it only when it differs, queued to go to the server
// with the window's new pixels.
bool UpdateShape(QWidget* window, const QImage& picture, const QRect& changed);
// Back to the whole window.
void ClearShape(QWidget* window);

}  // namespace tintwatch::x11
