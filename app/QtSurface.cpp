#include "app/QtSurface.h"

#include <QPen>
#include <cmath>

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
  if (changed_) changed_();
}

const QImage& QtSurface::Image() {
  Flush();
  return image_;
}

void QtSurface::Flush() { painter_.reset(); }

QPainter& QtSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    if (changed_) changed_();
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
  if (changed_) changed_();
}

void QtSurface::Disc(float cx, float cy, float radius, PackedRGB outline) {
  if (!(radius > 0)) return;  // nothing to fill; no stray dot for a zero channel
  QPainter& painter = Painter();
  ShapeStyle(painter, outline);
  painter.drawEllipse(QPointF(cx, cy), radius, radius);
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
}

void QtSurface::Line(float x1, float y1, float x2, float y2) {
  QPainter& painter = Painter();
  painter.setPen(SolidPen(foreColour_));
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtSurface::Box(float x1, float y1, float x2, float y2, PackedRGB colour) {
  QPainter& painter = Painter();
  painter.setPen(SolidPen(colour));
  painter.setBrush(ToQColor(colour));
  painter.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

}  // namespace tintwatch
