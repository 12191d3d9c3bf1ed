#pragma once

#include <QLabel>
#include <QStringList>

namespace tintwatch {

// A word-wrapped label whose text keeps its runs of spaces, as stored, but
// is laid out with a new line where such a run stands: the texts use a run
// of three or more spaces to start their next part on a new line, which a
// fixed-width font did by filling the rest of the line, and any other font
// does not. One or two spaces are ordinary spaces.
class ParagraphLabel : public QLabel {
 public:
  ParagraphLabel(const QString& text, QWidget* parent);

  // A neighbour standing over part of the label (in the label's coordinates):
  // lines beside it end before it.
  void KeepClearOf(const QRect& area) { keepClear_ = area; }

  // The text's lines as laid out in the label's width.
  QStringList Lines() const { return Lines(contentsRect().width()); }
  QStringList Lines(int width) const;
  // The height the text needs at this width, in logical pixels.
  int heightForWidth(int width) const override;
  bool hasHeightForWidth() const override { return true; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lays out every part in `width`, one under the other; calls `line` with
  // each line and its part's text; returns the height of them all.
  template <typename LineFunction>
  qreal Layout(int width, LineFunction line) const;

  QRect keepClear_;
};

}  // namespace tintwatch
