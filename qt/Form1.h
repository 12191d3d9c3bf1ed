#pragma once

#include <QAccessible>
#include <QDialog>
#include <QPointer>
#include <QWindow>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/time/TimeSource.h"
#include "core/window/ClockWindow.h"
#include "qt/QtIntervalTimer.h"
#include "qt/QtSurface.h"

class QMenu;
class QScreen;

namespace tintwatch {

class Form1;

// The drawing surface's widget: shows the kept picture and passes the mouse
// and keys on to the window.
class Picture1 : public QWidget {
 public:
  Picture1(Form1& form, QtSurface& surface);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Form1& form_;
  QtSurface& surface_;
};

// Dialogs the window opens; each is built when opened and destroyed when closed.
struct DialogFactory {
  std::function<QDialog*(QWidget* parent, ClockSettings& settings)> options;
  std::function<QDialog*(QWidget* parent, HueTestState& state)> tester;
  std::function<QDialog*(QWidget* parent)> about;
};

// The clock's borderless, on-top window.
class Form1 : public QWidget, public WindowPort, private QAccessible::ActivationObserver {
 public:
  Form1(HueTestState& test, DialogFactory dialogs = {}, const TimeSource* time = nullptr,
        std::filesystem::path settingsFile = kSettingsFileName);
  ~Form1() override;

  void Load() { window_.Form_Load(); }
  // Runs once the clock is first on the screen and drawn there.
  void WhenFirstOnScreen(std::function<void()> action) { firstOnScreen_ = std::move(action); }
  ClockWindow& Window() { return window_; }
  QtSurface& Surface() { return surface_; }
  QtIntervalTimer& Timer1() { return timer1_; }
  QtIntervalTimer& Timer2() { return timer2_; }
  QMenu* PopupMenu();
  QDialog* Tester() const { return tester_; }
  QDialog* About() const { return about_; }
  // Asked for by another start on the same settings: the clock to the front,
  // on a screen.
  void ComeForward();

  // WindowPort
  void ShowWelcome() override;
  std::vector<PlaceRect> Screens(bool freeAreaOnly) const override;
  void MoveTo(double left, double top) override;
  double Left() const override { return Place().x() * QtSurface::kTwipsPerPixel; }
  double Top() const override { return Place().y() * QtSurface::kTwipsPerPixel; }
  double Width() const override { return width() * QtSurface::kTwipsPerPixel; }
  double Height() const override { return height() * QtSurface::kTwipsPerPixel; }
  void Resize(double width, double height) override;
  void SetOnTop(bool onTop) override;
  void MakeTransparent() override;
  void MakeOpaque() override;
  void ShowPopupMenu(bool onTop, bool expertMode, bool whiteBackground) override;
  void StartMove() override;
  void ShowOptions() override;
  void ShowTester(bool modal) override;
  void ShowAbout() override;
  void CloseAbout() override;
  std::string HelpAddress() const override;
  void OpenAddress(const std::string& address) override;
  void CloseWindow() override { close(); }
  void ShowPauseBox() override;
  void ShowSaveFailed(const std::string& file, const std::string& reason) override;

  // The time of the last drawing in the locale's short format with seconds
  // and the hands' colours in words; empty during a hue check test.
  QString TimeInWords() const;

  // From Picture1.
  void ShowTimeTip(QPoint globalPosition);
  void TimeTipLeft() { tipShown_ = false; }
  void MouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
  void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Move { None, System, ByHand };
  void Present();
  void PresentPicture();
  void FollowInWords();
  void Tick(const std::function<void()>& handler);
  void RunModal(const std::function<void()>& dialog);
  void FollowScreenScale();
  void WatchScreen(QScreen* screen);
  void EndMove();
  // An assistive technology came or went.
  void accessibilityActiveChanged(bool active) override;
  void StartAccessibility();
  void Describe();
  void AddAction(QMenu* menu, const char* name, const QString& caption, void (ClockWindow::*command)(),
                 bool checkable = false);

  HueTestState& test_;
  DialogFactory dialogs_;
  std::unique_ptr<TimeSource> ownTime_;
  const TimeSource& time_;  // the one given, or ownTime_
  QtSurface surface_;
  QtIntervalTimer timer1_;
  QtIntervalTimer timer2_;
  RandomSource random_;
  ClockWindow window_;
  Picture1* picture_;
  QMenu* menu_ = nullptr;
  ColourWording colourWords_;
  QPointer<QDialog> tester_;
  QPointer<QDialog> about_;
  bool presentPending_ = false;
  bool ticking_ = false;
  QPointer<QWindow> watchedWindow_;
  std::function<void()> firstOnScreen_;
  bool firstShown_ = false;
  bool accessibilityStarted_ = false;
  Move moving_ = Move::None;
  bool tipShown_ = false;
  QPoint tipPosition_;
  bool assistiveTechnology_ = false;
  ClockWindow::WordsMinute described_;
  QPoint grabOffset_;
  // Where the clock was put last, for a desktop that never tells where its
  // windows are: the place saved is then the one the clock was given.
  QPoint placeGiven_;
  QPoint Place() const;
  QTimer moveWatch_;
  QTimer screensChanged_;
};

// Windows virtual-key code of a key event: the main keyboard's minus 189,
// equals/plus 187, letters their capitals' codes; keypad keys have their own.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace tintwatch
