#include "qt/FaceImage.h"

#include <QPixmap>

#include "core/face/FacePicture.h"
#include "qt/QtSurface.h"

namespace tintwatch {

QImage FaceImage(std::int16_t faceType, bool expertMode, int pixels) {
  QtSurface surface(QSize(pixels, pixels), 1.0);
  DrawFacePicture(surface, faceType, expertMode,
                  static_cast<std::int16_t>((pixels * QtSurface::kTwipsPerPixel - 50) / 2));
  return surface.Image().copy();
}

QImage IconImage(int pixels) {
  QImage seeThrough = FaceImage(0, pixels < 48, pixels).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < seeThrough.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(seeThrough.scanLine(y));
    for (int x = 0; x < seeThrough.width(); ++x) {
      if (row[x] == qRgb(255, 255, 255)) row[x] = qRgba(0, 0, 0, 0);
    }
  }
  return seeThrough;
}

QIcon ClockIcon() {
  QIcon icon;
  for (const int pixels : {16, 32, 48, 64}) {
    icon.addPixmap(QPixmap::fromImage(IconImage(pixels)));
  }
  return icon;
}

}  // namespace tintwatch
