// The yardstick for start-up: a bare Qt program showing one frameless,
// on-top 110 x 110 tool window, white, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::white);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.resize(110, 110);
  window.move(100, 100);
  window.show();
  return QApplication::exec();
}
