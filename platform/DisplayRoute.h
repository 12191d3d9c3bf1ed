#pragma once

#include <Qt>

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

// On XWayland under a wlroots compositor (sway and its kin), whose window
// manager centres every X window it manages, stacks the one it focuses on
// top and draws each whole, whatever its shape says, the clock is a window
// the manager leaves alone: it stands where it is put, stays above the
// managed windows, moves by hand and shows its see-through white as clear
// pixels. Decided once, from the window manager the session has; the same
// however the program was started.
bool ClockKeepsItsOwnPlace();
Qt::WindowFlags ClockWindowFlags();
// Before the clock's native window is made. On XWayland the window has an
// alpha channel: Wayland compositors show an X window's whole picture,
// whatever its shape, so the see-through white is clear pixels there.
void PrepareClockWindow(QWidget* window);
// Whether the desktop carries out a move the window asks for.
bool DesktopMovesWindows();

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
