#include "qt/dialogs/DialogLayout.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cmath>

#include "platform/Screens.h"
#include "qt/dialogs/ParagraphLabel.h"

namespace tintwatch {

void FixDialogFrame(QWidget* dialog, int left, int top, int width, int height) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  // The dialogs read the language's way, also when the clock that opens them
  // (which never mirrors) is their parent.
  dialog->setLayoutDirection(QGuiApplication::layoutDirection());
  const QRect client = Twips(left, top, width, height);
  dialog->setFixedSize(client.size());
  // The geometry of a window is its client area; the frame goes around it.
  dialog->setGeometry(client);
  KeepOnScreen(dialog);
#ifndef Q_OS_WIN
  // The layouts were made for the narrow 8-point dialog font of Windows; the
  // wide sans serif of many Linux desktops would cut texts off at their box,
  // Arial's metrics (Liberation Sans) keep them whole.
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  dialog->setFont(font);
#endif
}

namespace {

int Ceil(qreal value) { return static_cast<int>(std::ceil(value)); }

// A line of `text`, as tall as the fonts that stand in for glyphs the font
// lacks (Chinese, Japanese, Arabic) make it.
qreal LineHeight(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  const qreal height = line.isValid() ? std::max(line.height(), QFontMetricsF(font).height()) : 0;
  layout.endLayout();
  return height;
}

// `size` grown to hold every control placed in `parent`.
QSize WithChildren(const QWidget* parent, QSize size) {
  for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) size = size.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
  }
  return size;
}

// The size a control needs for its text, at least the size it has.
QSize NeededSize(QWidget* control) {
  const QSize have = control->size();
  const QFontMetricsF metrics(control->font());
  const QSize frame = have - control->contentsRect().size();
  if (auto* paragraph = dynamic_cast<ParagraphLabel*>(control)) {
    return have.expandedTo(QSize(have.width(), paragraph->heightForWidth(have.width())));
  }
  if (auto* label = qobject_cast<QLabel*>(control)) {
    return have.expandedTo(QSize(Ceil(metrics.horizontalAdvance(label->text())), Ceil(LineHeight(label->font(), label->text()))) +
                           frame);
  }
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    // The text within the button's own frame and margins, with the margin's
    // room on each side (a translation long enough to touch the frame would
    // look cut off).
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize text(Ceil(metrics.horizontalAdvance(button->text())), Ceil(LineHeight(button->font(), button->text())));
    const QStyle* style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin) / 2 + style->pixelMetric(QStyle::PM_DefaultFrameWidth));
    return have.expandedTo(have + (text - contents.size()).expandedTo(QSize(0, 0)))
        .expandedTo(QSize(text.width() + margins, text.height() + margins / 2));
  }
  if (qobject_cast<QAbstractButton*>(control)) return have.expandedTo(control->sizeHint());
  if (qobject_cast<QLineEdit*>(control)) return have.expandedTo(QSize(have.width(), control->minimumSizeHint().height()));
  if (auto* frameBox = qobject_cast<QGroupBox*>(control)) {
    return WithChildren(frameBox, have.expandedTo(QSize(frameBox->minimumSizeHint().width(), have.height())));
  }
  return have;
}

// The part of a control its content covers: a label's box given in twips is
// often taller than its text and overlaps the next label's box.
QRect Occupied(const QWidget* control) {
  const QRect box = control->geometry();
  const auto* label = qobject_cast<const QLabel*>(control);
  if (!label) return box;
  const int text = std::min(box.height(), label->wordWrap() ? label->heightForWidth(box.width())
                                                            : Ceil(QFontMetricsF(label->font()).height()));
  const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
  const int top = vertical == Qt::AlignTop      ? box.top()
                  : vertical == Qt::AlignBottom ? box.bottom() + 1 - text
                                                : box.top() + (box.height() - text) / 2;
  return QRect(box.left(), top, box.width(), text);
}

// Whether a control grown to `size` would cover a neighbour's content with
// the part it gains (some boxes given in twips already touch their
// neighbours).
bool RunsIntoANeighbour(const QWidget* control, QSize size) {
  const QRect now = control->geometry();
  const QRect right(now.right() + 1, now.top(), size.width() - now.width(), size.height());
  const QRect below(now.left(), now.bottom() + 1, size.width(), size.height() - now.height());
  for (const QWidget* other : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (other == control || other->isWindow()) continue;
    // (An empty strip still "intersects" in QRect's terms.)
    for (const QRect& gained : {right, below}) {
      if (!gained.isEmpty() && gained.intersects(Occupied(other))) return true;
    }
  }
  return false;
}

void GrowToFit(QWidget* control) {
  // A frame's options first, so that it sees what they need.
  if (qobject_cast<QGroupBox*>(control)) {
    for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) GrowToFit(child);
  }
  QSize need = NeededSize(control);
  // Where growing would cover a neighbour, a smaller font fits the box instead.
  constexpr qreal kSmallestPoints = 6;
  while (need != control->size() && RunsIntoANeighbour(control, need) && control->font().pointSizeF() > kSmallestPoints) {
    QFont smaller = control->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
    control->setFont(smaller);
    need = NeededSize(control);
  }
  if (need != control->size()) control->resize(need);
}

}  // namespace

namespace {

// Every control's place mirrored within its parent: the layouts are given
// for left to right.
void Mirror(QWidget* parent) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    const QRect place = child->geometry();
    child->move(parent->width() - place.x() - place.width(), place.y());
    if (qobject_cast<QGroupBox*>(child)) Mirror(child);
  }
}

}  // namespace

void FitTexts(QWidget* dialog) {
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) GrowToFit(child);
  }
  const QSize client = WithChildren(dialog, dialog->size());
  if (client != dialog->size()) dialog->setFixedSize(client);
  if (dialog->isRightToLeft()) Mirror(dialog);
}

void TitledFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  // An etched line: dark, with a light line one pixel below and right.
  const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(line);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(line.translated(1, 1));
  const int captionWidth = metrics.horizontalAdvance(title()) + 4;
  // The title stands at the frame's leading end.
  const QRect caption(isRightToLeft() ? width() - 6 - captionWidth : 6, 0, captionWidth, metrics.height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption, Qt::AlignCenter, title());
}

void ButtonOnlyDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

QPushButton* PlainButton(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(place);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

QFont TimesNewRoman(double points, bool bold) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace tintwatch
