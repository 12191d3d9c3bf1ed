#pragma once

class QImage;
class QRect;
class QWidget;

namespace tintwatch {

// Puts the changed part of the picture straight on the window, skipping the
// toolkit's repaint machinery, which costs a clock tick many times the
// drawing itself. False where that is not possible (not X11, another pixel
// layout, a window not the picture's size); repaint as usual then. A server on
// this machine that offers shared memory reads the pixels from there; any
// other gets them through the connection.
bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect);

}  // namespace tintwatch
