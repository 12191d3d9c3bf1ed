#include "platform/LayeredWindows.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "platform/TaskbarEntry.h"

#ifdef Q_OS_WIN
#include "platform/windows/LayeredWindows_win.h"
#elif defined(TINTWATCH_HAVE_XCB)
#include "platform/x11/LayeredWindows_x11.h"
#endif

namespace tintwatch {

namespace {

// Which of the two operations was applied last, kept on the window itself.
constexpr const char* kLayerProperty = "tintwatchLayer";
enum Layer { kNotLayered = 0, kSeeThrough = 1, kOpaque = 2 };

#ifdef Q_OS_WIN
// Qt's Windows backing store decides at every paint of a frameless window
// whether it should be layered, and takes the layered style away unless the
// window has an alpha channel or an opacity below one: the colour key would
// be gone with the first frame. An opacity this close to one keeps the
// style on and is still drawn fully opaque (its alpha rounds to 255).
constexpr qreal kKeepsLayered = 0.999;

void KeepLayered(QWidget* window) { window->setWindowOpacity(kKeepsLayered); }

// The handle of the platform window now behind the widget: changing a
// window flag can replace it, and the widget's own id may lag behind.
WId NativeHandle(QWidget* window) {
  window->winId();  // makes sure the native window exists
  return window->windowHandle() ? window->windowHandle()->winId() : window->winId();
}
#endif

Layer CurrentLayer(const QWidget* window) {
  return static_cast<Layer>(window->property(kLayerProperty).toInt());
}

void SetWhiteBackground(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Qt::white);
  window->setPalette(palette);
}

#ifndef Q_OS_WIN
// Without the shape extension, the toolkit's mask, per logical pixel.
void SetToolkitMask(QWidget* window, const QImage& picture) {
  QImage logical = picture;
  if (picture.size() != window->size()) {
    logical = picture.scaled(window->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  // MaskInColor keeps the pixels that are not of the colour once the mask
  // becomes the window's shape.
  QRegion shape(QBitmap::fromImage(logical.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
  // An empty region would mean no mask at all; one pixel outside the window
  // leaves nothing visible instead.
  if (shape.isEmpty()) shape = QRegion(-1, -1, 1, 1);
  window->setMask(shape);
}
#endif

// Whether the window's see-through white is its own clear pixels.
bool ClearsItsWhite(const QWidget* window) { return window->testAttribute(Qt::WA_TranslucentBackground); }

// The white changes in every pixel: each widget that draws the picture
// draws it again whole.
void RedrawWhite(QWidget* window) {
  if (!ClearsItsWhite(window)) return;
  window->update();
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->update();
}

}  // namespace

void PaintPicture(QPainter& painter, const QWidget* window, const QImage& picture, const QRect& deviceRect) {
  const QRect rect = deviceRect & picture.rect();
  const qreal ratio = picture.devicePixelRatio();
  const QPointF at(rect.x() / ratio, rect.y() / ratio);
  if (!ClearsItsWhite(window)) {
    painter.drawImage(at, picture, rect);
    return;
  }
  QImage pixels = picture.copy(rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (CurrentLayer(window) == kSeeThrough) {
    for (int y = 0; y < pixels.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
      for (int x = 0; x < pixels.width(); ++x) {
        if ((line[x] & 0xffffff) == 0xffffff) line[x] = 0;
      }
    }
  }
  // Clear pixels replace what lies beneath in the window, the white it is
  // filled with first among them.
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(at, pixels);
}

void MakeTransparent(QWidget* window) {
  SetWhiteBackground(window);
  window->setProperty(kLayerProperty, kSeeThrough);
  RedrawWhite(window);
#ifdef Q_OS_WIN
  // First, since setting the opacity sets Qt's own layered attributes.
  KeepLayered(window);
  win32::MakeTransparent(reinterpret_cast<void*>(NativeHandle(window)));
#endif
}

void MakeOpaque(QWidget* window) {
  SetWhiteBackground(window);
  window->setProperty(kLayerProperty, kOpaque);
  RedrawWhite(window);
#ifdef Q_OS_WIN
  KeepLayered(window);
  win32::MakeOpaque(reinterpret_cast<void*>(NativeHandle(window)));
#else
  window->clearMask();
#ifdef TINTWATCH_HAVE_XCB
  x11::ClearShape(window);
#endif
#endif
  SetTaskbarEntry(window, true);
}

void ApplyColourKey(QWidget* window, const QImage& picture) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  Q_UNUSED(picture);
#else
  if (CurrentLayer(window) != kSeeThrough) return;
#ifdef TINTWATCH_HAVE_XCB
  if (x11::ApplyShape(window, picture)) return;
#endif
  SetToolkitMask(window, picture);
#endif
}

void UpdateColourKey(QWidget* window, const QImage& picture, const QRect& changed) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  Q_UNUSED(picture);
  Q_UNUSED(changed);
#else
  if (CurrentLayer(window) != kSeeThrough || changed.isEmpty()) return;
#ifdef TINTWATCH_HAVE_XCB
  if (x11::UpdateShape(window, picture, changed)) return;
#endif
  SetToolkitMask(window, picture);
#endif
}

void RestoreLayering(QWidget* window) {
  switch (CurrentLayer(window)) {
    case kSeeThrough: MakeTransparent(window); break;
#ifdef Q_OS_WIN
    case kOpaque: MakeOpaque(window); break;
#endif
    default: break;
  }
#ifndef Q_OS_WIN
  SetTaskbarEntry(window, HasTaskbarEntry(window));
#endif
}

}  // namespace tintwatch
