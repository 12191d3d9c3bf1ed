#include "platform/DirectPresent.h"

#include <QtGlobal>

#ifdef TINTWATCH_HAVE_XCB
#include "platform/x11/DirectPresent_x11.h"
#endif

namespace tintwatch {

bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect) {
#ifdef TINTWATCH_HAVE_XCB
  return x11::PresentDirectly(window, picture, deviceRect);
#else
  Q_UNUSED(window);
  Q_UNUSED(picture);
  Q_UNUSED(deviceRect);
  return false;
#endif
}

}  // namespace tintwatch
