#include "platform/Screens.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tintwatch {

namespace {

void MoveOntoItsScreen(QWidget* window) {
  const QRect frame = window->frameGeometry();
  const std::vector<PlaceRect> screens = ScreenRects(false);
  if (screens.empty()) return;
  const int on = ScreenOf(ToPlace(frame), screens);
  const int index = on >= 0 ? on : NearestScreen(ToPlace(frame), screens);
  const PlaceRect moved = MovedOnto(ToPlace(frame), ScreenRects(true)[static_cast<std::size_t>(index)]);
  if (moved.left != frame.x() || moved.top != frame.y()) window->move(moved.left, moved.top);
}

// Places the window when it is shown and again when it is first exposed, by
// which time the window manager's frame around it is known.
class OnScreenKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show) {
      exposed_ = false;
      MoveOntoItsScreen(window);
    } else if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
      if (!exposed_) {
        exposed_ = true;
        MoveOntoItsScreen(window);
      }
    }
    return false;
  }

 private:
  bool exposed_ = false;
};

}  // namespace

std::vector<PlaceRect> ScreenRects(bool availableOnly) {
  std::vector<PlaceRect> rects;
  for (const QScreen* screen : QGuiApplication::screens()) {
    rects.push_back(ToPlace(availableOnly ? screen->availableGeometry() : screen->geometry()));
  }
  return rects;
}

void KeepOnScreen(QWidget* window) { window->installEventFilter(new OnScreenKeeper(window)); }

}  // namespace tintwatch
