#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

#include "core/face/Surface.h"

namespace tintwatch {

// The drawing surface as a kept picture: every call paints into a QImage at
// the screen's device pixel ratio, and the window shows (and repaints from)
// that picture. Drawing is aliased on purpose: in the see-through mode only
// pure white is a hole, and edges blended with white would leave a pale,
// clickable fringe around every shape.
class QtSurface : public Surface {
 public:
  static constexpr double kTwipsPerPixel = 15.0;

  QtSurface(QSize logicalPixels, qreal devicePixelRatio);
  ~QtSurface() override;

  // A new, white picture of the given logical size.
  void Resize(QSize logicalPixels, qreal devicePixelRatio);
  // The picture with every call so far applied.
  const QImage& Image();
  // Called once when the picture first changes after Image() was last taken.
  void SetChangedCallback(std::function<void()> changed) { changed_ = std::move(changed); }
  // The part of the picture (device pixels) changed since the last call.
  QRect TakeChangedRect();

  void Clear() override;
  void SetFillSolid(bool solid) override { fillSolid_ = solid; }
  void SetFillColour(PackedRGB colour) override { fillColour_ = colour; }
  void SetForeColour(PackedRGB colour) override { foreColour_ = colour; }
  void Disc(float cx, float cy, float radius, PackedRGB outline) override;
  void Pie(float cx, float cy, float radius, float startDeg, float endDeg, PackedRGB outline) override;
  void Line(float x1, float y1, float x2, float y2) override;
  void Box(float x1, float y1, float x2, float y2, PackedRGB colour) override;

  static QColor ToQColor(PackedRGB colour);

 private:
  QPainter& Painter();
  void Flush();
  void ShapeStyle(QPainter& painter, PackedRGB outline);
  void Changed(const QRectF& deviceRect);
  // A painted round shape (twips) and its outline.
  void ChangedAround(float cx, float cy, float radius);
  void FillDisc(double cx, double cy, double radius, QRgb colour);
  void FillRect(const QRectF& deviceRect, QRgb colour);
  double Scale() const { return image_.devicePixelRatio() / kTwipsPerPixel; }

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::function<void()> changed_;
  bool notified_ = false;
  QRect changedRect_;
  bool fillSolid_ = true;
  PackedRGB fillColour_ = 0;
  PackedRGB foreColour_ = 0;
};

}  // namespace tintwatch
