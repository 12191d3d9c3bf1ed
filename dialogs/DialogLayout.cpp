#include "dialogs/DialogLayout.h"

namespace tintwatch {

void FixDialogFrame(QWidget* dialog, int left, int top, int width, int height) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  const QRect client = Twips(left, top, width, height);
  dialog->setFixedSize(client.size());
  // The geometry of a window is its client area; the frame goes around it.
  dialog->setGeometry(client);
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

QFont TimesNewRoman(double points, bool bold) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace tintwatch
