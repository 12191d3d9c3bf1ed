#include "qt/QtSurface.h"

#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tintwatch {

namespace {

// One logical pixel, in twips: lines and outlines keep their look when the
// picture is drawn at a higher device pixel ratio.
constexpr double kPenWidth = QtSurface::kTwipsPerPixel;

// Square corners for boxes, as the shapes are meant to be.
QPen SolidPen(PackedRGB colour) {
  return QPen(QtSurface::ToQColor(colour), kPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

}  // namespace

QtSurface::QtSurface(QSize logicalPixels, qreal devicePixelRatio) { Resize(logicalPixels, devicePixelRatio); }

QtSurface::~QtSurface() { Flush(); }

QColor QtSurface::ToQColor(PackedRGB colour) {
  return QColor(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
}

void QtSurface::Resize(QSize logicalPixels, qreal devicePixelRatio) {
  Flush();
  const QSize pixels(std::max(1, qCeil(logicalPixels.width() * devicePixelRatio)),
                     std::max(1, qCeil(logicalPixels.height() * devicePixelRatio)));
  image_ = QImage(pixels, QImage::Format_RGB32);
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::white);
  Changed(image_.rect());
}

const QImage& QtSurface::Image() {
  Flush();
  notified_ = false;
  return image_;
}

QRect QtSurface::TakeChangedRect() {
  const QRect changed = changedRect_;
  changedRect_ = QRect();
  return changed;
}

void QtSurface::Changed(const QRectF& deviceRect) {
  changedRect_ |= deviceRect.toAlignedRect().adjusted(-1, -1, 1, 1) & image_.rect();
  if (!notified_ && changed_) {
    notified_ = true;
    changed_();
  }
}

void QtSurface::Flush() { painter_.reset(); }

QPainter& QtSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  }
  return *painter_;
}

void QtSurface::ShapeStyle(QPainter& painter, PackedRGB outline) {
  // A cosmetic outline is far cheaper to rasterise than a stroked one, and
  // the outline of a filled shape is its own fill colour in every caller.
  QPen pen = SolidPen(outline);
  pen.setCosmetic(true);
  pen.setWidthF(painter.device()->devicePixelRatioF());
  painter.setPen(pen);
  if (fillSolid_) {
    painter.setBrush(ToQColor(fillColour_));
  } else {
    painter.setBrush(Qt::NoBrush);
  }
}

void QtSurface::Clear() {
  Flush();
  image_.fill(Qt::white);
  Changed(image_.rect());
}

// Discs and boxes, the whole of a clock tick, are filled span by span: far
// cheaper than a painter, and the same pixels an aliased painter would set
// for a shape outlined in its own fill colour (half a pixel of outline
// around the geometry).
namespace {

// The pixels, within 0..limit - 1, whose centres lie from `low` to `high`.
std::pair<int, int> PixelSpan(double low, double high, int limit) {
  return {std::max(0, static_cast<int>(std::ceil(low - 0.5))),
          std::min(limit - 1, static_cast<int>(std::floor(high - 0.5)))};
}

}  // namespace

void QtSurface::FillDisc(double cx, double cy, double radius, QRgb colour) {
  const double reach = radius + 0.5 * image_.devicePixelRatio();
  const auto [top, bottom] = PixelSpan(cy - reach, cy + reach, image_.height());
  for (int y = top; y <= bottom; ++y) {
    const double dy = y + 0.5 - cy;
    const double half = std::sqrt(std::max(0.0, reach * reach - dy * dy));
    const auto [left, right] = PixelSpan(cx - half, cx + half, image_.width());
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    if (left <= right) std::fill(line + left, line + right + 1, colour);
  }
  Changed(QRectF(cx - reach, cy - reach, 2 * reach, 2 * reach));
}

void QtSurface::FillRect(const QRectF& deviceRect, QRgb colour) {
  const double half = 0.5 * image_.devicePixelRatio();
  const auto [top, bottom] = PixelSpan(deviceRect.top() - half, deviceRect.bottom() + half, image_.height());
  const auto [left, right] = PixelSpan(deviceRect.left() - half, deviceRect.right() + half, image_.width());
  if (left > right) return;
  for (int y = top; y <= bottom; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(line + left, line + right + 1, colour);
  }
  Changed(deviceRect.adjusted(-half, -half, half, half));
}

void QtSurface::ChangedAround(float cx, float cy, float radius) {
  const double scale = Scale();
  const double reach = (radius + kPenWidth) * scale;
  Changed(QRectF(cx * scale - reach, cy * scale - reach, 2 * reach, 2 * reach));
}

void QtSurface::Disc(float cx, float cy, float radius, PackedRGB outline) {
  if (!(radius > 0)) return;  // nothing to fill; no stray dot for a zero channel
  if (fillSolid_ && fillColour_ == outline) {
    Flush();
    const double scale = Scale();
    FillDisc(cx * scale, cy * scale, radius * scale, ToQColor(outline).rgb());
    return;
  }
  QPainter& painter = Painter();
  ShapeStyle(painter, outline);
  painter.drawEllipse(QPointF(cx, cy), radius, radius);
  ChangedAround(cx, cy, radius);
}

void QtSurface::Pie(float cx, float cy, float radius, float startDeg, float endDeg, PackedRGB outline) {
  if (!(radius > 0)) return;
  double span = static_cast<double>(endDeg) - startDeg;
  if (span < 0) span += 360.0;  // an end below the start wraps through 0
  QPainter& painter = Painter();
  ShapeStyle(painter, outline);
  // Qt's angles are in sixteenths of a degree, counter-clockwise from 3 o'clock.
  painter.drawPie(QRectF(cx - radius, cy - radius, 2.0 * radius, 2.0 * radius),
                  static_cast<int>(std::lround(startDeg * 16.0)), static_cast<int>(std::lround(span * 16.0)));
  ChangedAround(cx, cy, radius);
}

void QtSurface::Line(float x1, float y1, float x2, float y2) {
  QPainter& painter = Painter();
  painter.setPen(SolidPen(foreColour_));
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  const double scale = Scale();
  Changed(QRectF(QPointF(x1 * scale, y1 * scale), QPointF(x2 * scale, y2 * scale))
              .normalized()
              .adjusted(-2 * scale * kPenWidth, -2 * scale * kPenWidth, 2 * scale * kPenWidth, 2 * scale * kPenWidth));
}

void QtSurface::Box(float x1, float y1, float x2, float y2, PackedRGB colour) {
  Flush();
  const double scale = Scale();
  FillRect(QRectF(QPointF(x1 * scale, y1 * scale), QPointF(x2 * scale, y2 * scale)).normalized(),
           ToQColor(colour).rgb());
}

}  // namespace tintwatch
