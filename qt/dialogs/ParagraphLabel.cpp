#include "qt/dialogs/ParagraphLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tintwatch {

namespace {

// Between a line and a neighbour it must keep clear of.
constexpr qreal kGap = 4;

QStringList Parts(const QString& text) {
  static const QRegularExpression run(QStringLiteral(" {3,}"));
  return text.split(run);
}

}  // namespace

ParagraphLabel::ParagraphLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

template <typename LineFunction>
qreal ParagraphLabel::Layout(int width, LineFunction line) const {
  // Left and right are the language's leading and trailing sides.
  QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment() & Qt::AlignHorizontal_Mask));
  option.setTextDirection(layoutDirection());
  option.setWrapMode(QTextOption::WordWrap);
  const qreal lineHeight = QFontMetricsF(font()).height();
  const QRectF clear = keepClear_.translated(-contentsRect().topLeft());
  // The area is given for left to right; a mirrored dialog has it at the
  // label's other end, and the lines beside it start after it.
  const bool mirrored = isRightToLeft();
  qreal top = 0;
  for (const QString& part : Parts(text())) {
    QTextLayout layout(part, font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine next = layout.createLine(); next.isValid(); next = layout.createLine()) {
      // A line's height is known once it is laid out, and a fallback font
      // (Chinese in a Latin font) stands taller than the label's: laid out
      // whole first, it is narrowed when that height reaches the area. Less
      // a pixel, the line's rounding up, so that the label's own font decides
      // as it always did.
      next.setLineWidth(width);
      const qreal height = std::max(lineHeight, next.height() - 1);
      const bool beside = !clear.isEmpty() && top < clear.bottom() && top + height > clear.top();
      const qreal lineWidth = beside ? std::min<qreal>(width, clear.left() - kGap) : width;
      if (beside) next.setLineWidth(lineWidth);
      next.setPosition(QPointF(mirrored ? width - lineWidth : 0, top));
      top += next.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) line(layout.lineAt(i), part);
  }
  return top;
}

QStringList ParagraphLabel::Lines(int width) const {
  QStringList lines;
  Layout(width, [&](const QTextLine& line, const QString& part) {
    lines.append(part.mid(line.textStart(), line.textLength()));
  });
  return lines;
}

int ParagraphLabel::heightForWidth(int width) const {
  const int marginsX = this->width() - contentsRect().width();
  const int marginsY = height() - contentsRect().height();
  const qreal text = Layout(width - marginsX, [](const QTextLine&, const QString&) {});
  return static_cast<int>(std::ceil(text)) + marginsY;
}

void ParagraphLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const QRect box = contentsRect();
  // Line by line, by the same loop that measures.
  Layout(box.width(), [&](const QTextLine& line, const QString&) { line.draw(&painter, box.topLeft()); });
}

}  // namespace tintwatch
