#include "dialogs/DialogLayout.h"

#include <QKeyEvent>

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

void ButtonOnlyDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

QPushButton* PlainButton(QWidget* parent, const char* name, const char* text, const QRect& place) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
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
