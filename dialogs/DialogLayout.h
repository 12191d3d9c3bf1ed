#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

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

// Times New Roman where it is installed; fontconfig gives its metric twin,
// Liberation Serif, elsewhere.
QFont TimesNewRoman(double points, bool bold = false);

}  // namespace tintwatch
