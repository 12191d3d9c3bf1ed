#pragma once

#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <initializer_list>

namespace tintwatch {

// Dialog layouts are given in twips, 15 to a logical pixel.
inline QRect Twips(int left, int top, int width, int height) {
  return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0));
}

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(Twips(left, top, width, height));
}

// A fixed dialog frame whose client area has the given size and place on
// the screen: no minimise or maximise box, a close box, no taskbar entry.
void FixDialogFrame(QWidget* dialog, int left, int top, int width, int height);

// A dialog that only its buttons and its close box end: Enter and Escape
// are bound to nothing.
class ButtonOnlyDialog : public QDialog {
 public:
  using QDialog::QDialog;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A frame with its title on the frame's top line, as the layouts in twips
// expect: the first option sits close below the frame's top edge, where a
// title drawn above the line would crowd it.
class TitledFrame : public QGroupBox {
 public:
  TitledFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A push button that is neither the default button nor pressed by Enter.
QPushButton* PlainButton(QWidget* parent, const char* name, const QString& text, const QRect& place);

// Grows every text-bearing control whose box, given in twips, is too small
// for its font's metrics at this scale or for its translated text: to the
// right and downward, its place kept; a frame or the dialog grows with what
// it holds. Then, for a language written right to left, mirrors the places.
void FitTexts(QWidget* dialog);

// Tab order in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

// Times New Roman where it is installed; fontconfig gives its metric twin,
// Liberation Serif, elsewhere.
QFont TimesNewRoman(double points, bool bold = false);

}  // namespace tintwatch
