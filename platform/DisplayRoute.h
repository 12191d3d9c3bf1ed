#pragma once

#include <functional>

class QSize;
class QString;
class QWidget;

namespace tintwatch {

// Picks the toolkit's platform before it starts, when neither the command
// line nor QT_QPA_PLATFORM chose one. On a Wayland desktop a borderless
// window that places itself and stays on top needs X11, which is XWayland
// there; a Wayland session without XWayland gets Wayland itself, where the
// compositor places the clock and decides what stays on top.
void ChooseDisplayRoute(const QString& platformChosen);

// Gives the clock its size where the desktop, not the program, arranges the
// windows: on Wayland itself a window of one fixed size is one that
// tiling compositors float instead of stretching it over a tile.
void FixSizeForTheDesktop(QWidget* window, const QSize& size);

// False where windows cannot learn their place on the screen (Wayland
// itself): a window's place is then only the one it asked for.
bool DesktopTellsPlaces();

// The toolkit's Wayland platform ends the process with _exit() when the
// compositor goes away, past every exit handler; it says so first, and while
// this watch lives, `then` runs at that moment (once, on whichever thread
// saw it).
class DisplayConnectionWatch {
 public:
  explicit DisplayConnectionWatch(std::function<void()> then);
  ~DisplayConnectionWatch();
  DisplayConnectionWatch(const DisplayConnectionWatch&) = delete;
  DisplayConnectionWatch& operator=(const DisplayConnectionWatch&) = delete;

 private:
  std::function<void()> then_;
};

}  // namespace tintwatch
