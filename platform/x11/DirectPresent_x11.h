#pragma once

class QImage;
class QRect;
class QWidget;

namespace tintwatch::x11 {

// The changed part of the picture put straight on the window: through
// shared memory where the server is on this machine and offers it, else in
// PutImage requests. False when the toolkit does not run on X11 or the
// window and the picture do not match.
bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect);

}  // namespace tintwatch::x11
