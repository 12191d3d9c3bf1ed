#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "core/colour/ColorConverter.h"
#include "core/colour/LabColour.h"
#include "core/face/ClockFace.h"
#include "core/face/ClockSettings.h"
#include "core/face/Surface.h"
#include "core/face/TimeInWords.h"
#include "core/huetest/HueTestRun.h"
#include "core/huetest/HueTestState.h"
#include "core/huetest/IntervalTimer.h"
#include "core/huetest/Random.h"
#include "core/time/TimeSource.h"
#include "core/window/ScreenPlace.h"
#include "core/window/SettingsFile.h"

namespace tintwatch {

inline constexpr const char* kWelcomeTitle = "The Tint Watch with a Hue tester";
// Four lines joined by a bare carriage return.
inline constexpr const char* kWelcomeText =
    "Welcome\rI shall say this only once!\rRight mouse-click on a bit of colour (on the clock) to get a menu of "
    "options\rAll the best,  Alder";
inline constexpr const char* kProgramTitle = "Tintwatch";
// The project's home, opened by "My Web site!".
inline constexpr const char* kHomeAddress = "https://tintwatch.example.org/";

// Virtual-key codes the clock reacts to.
inline constexpr int kKeyMinus = 189;
inline constexpr int kKeyPlus = 187;
inline constexpr int kKeyS = 83;

// Mouse buttons as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// What only the real window can do; the Qt window implements it.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual void ShowWelcome() = 0;
  // Every screen's rectangle in twips, whole or only the part free of panels
  // and docks, in the same order.
  virtual std::vector<PlaceRect> Screens(bool freeAreaOnly) const = 0;
  virtual void MoveTo(double left, double top) = 0;
  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // Window and drawing surface together.
  virtual void Resize(double width, double height) = 0;
  // Topmost band on or off, keeping place and size, then shown.
  virtual void SetOnTop(bool onTop) = 0;
  virtual void MakeTransparent() = 0;
  virtual void MakeOpaque() = 0;
  virtual void ShowPopupMenu(bool onTop, bool expertMode, bool whiteBackground) = 0;
  // The platform's interactive move; the window calls MoveEnded() when it is over.
  virtual void StartMove() = 0;
  virtual void ShowOptions() = 0;  // modal
  virtual void ShowTester(bool modal) = 0;
  virtual void ShowAbout() = 0;
  virtual void CloseAbout() = 0;
  virtual std::string HelpAddress() const = 0;
  virtual void OpenAddress(const std::string& address) = 0;
  virtual void CloseWindow() = 0;
  virtual void ShowPauseBox() = 0;
  // Exit could not save the settings: FILE and the system's REASON.
  virtual void ShowSaveFailed(const std::string& file, const std::string& reason) = 0;
};

// The main window's state and handlers. Everything that decides a number, a
// size or an order lives here; the Qt window only turns events into calls.
class ClockWindow : private HueTestPort {
 public:
  ClockWindow(WindowPort& port, Surface& surface, IntervalTimer& timer1, IntervalTimer& timer2,
              const TimeSource& time, RandomSource& random, HueTestState& test,
              std::filesystem::path settingsFile = kSettingsFileName);

  void Form_Load();
  // A tick that reads the wall clock itself.
  void Timer1_Timer();
  // A tick paced by the wall clock draws the time it was aimed with: the
  // reading that also set the next tick's delay.
  void Timer1_Timer(std::int64_t firedAtMilliseconds);
  void Timer2_Timer() { run_.Timer2_Timer(); }
  void Redraw() override;
  void Picture1_MouseUp(int button, int shift, double x, double y);
  void Picture1_MouseMove(int buttons, int shift, double x, double y);
  void Picture1_KeyDown(int keyCode, int shift);
  void MoveEnded();
  // Screens were added, removed or resized: a clock left on none comes back.
  void ScreensChanged();
  // The screen can no longer be seen (screen saver, monitor off, locked
  // session), or can again. Unseen, Timer1 sleeps; seen again, the face
  // shows the present second at once and Timer1 ticks on from there. A hue
  // check test, armed or running, keeps its own pace throughout.
  void ScreenSeen(bool seen);

  void mOnTop_Click();
  void mopaque_Click();
  void mexpert_Click();
  void mbigger_Click();
  void msmaller_Click();
  void mclock_Click();
  void mtest_Click();
  void mabout_Click();
  void monline_Click();
  void mweb_Click();
  void mExit_Click();
  void PickRandomFace();
  // The session ends without Exit (logout, shutdown, the program told to
  // end): the settings are saved as Exit saves them, once for what the
  // window shows; a failure comes back for the caller to report.
  SaveResult SaveAtSessionEnd();
  // The settings file's full name, as a message names it.
  std::string SettingsFileName() const;

  ClockSettings Settings;
  bool ExpertMode() const { return face_.ExpertMode; }
  bool WhiteBackground = true;
  bool OnTop = false;
  std::int16_t ClockSize() const { return face_.ClockSize; }
  std::int16_t FaceType() const { return face_.FaceType; }

  HueTestRun& Run() { return run_; }

  // What the clock tells in words: the time of its last drawing, as the
  // given function writes it, and on the next line the hands' colours.
  // Empty while a hue check test is armed or runs: it would give the answers away.
  using TimeFormatter = std::function<std::string(int hour, int minute, int second)>;
  std::string TimeInWords(const TimeFormatter& formatTime, const ColourWording& words = {}) const;
  // Everything the words depend on but the seconds: when it changes, words
  // kept for a minute at a time are out of date.
  struct WordsMinute {
    std::int16_t hour = -1;
    std::int16_t minute = -1;
    bool testActive = false;
    std::int16_t faceType = 0;
    bool smoothRunning = false;
    std::int32_t saturation = 0;
    std::int32_t brilliance = 0;
    bool operator==(const WordsMinute&) const = default;
  };
  WordsMinute WordsMinuteNow() const;

 private:
  void ShowPauseBox() override { port_.ShowPauseBox(); }
  // The window moved to where it can be reached, if it is not there.
  void MoveWithinReach(const PlaceRect& place);
  // The line Exit writes, for what the window shows now.
  std::string SettingsLine() const;
  SaveResult Save(std::string line);
  void ShowResultDialog() override { port_.ShowTester(true); }

  WindowPort& port_;
  Surface& surface_;
  IntervalTimer& timer1_;
  const TimeSource& time_;
  RandomSource& random_;
  HueTestState& test_;
  std::filesystem::path settingsFile_;
  std::string lastSaved_;  // the line last written, so a session's end writes it once
  ColorConverter converter_;
  LabColour lab_;
  ClockFace face_;
  HueTestRun run_;
  bool seen_ = true;
};

}  // namespace tintwatch
