#include "core/window/ClockWindow.h"

#include <algorithm>
#include <cmath>

#include "core/colour/Rounding.h"
#include "core/face/TimeInWords.h"

namespace tintwatch {

namespace {

constexpr double kStartSize = 1650;  // twips: 2 * 800 + 50
constexpr std::int16_t kStartClockSize = 800;
// Doubling from here would not fit the 16-bit size unit.
constexpr std::int16_t kLargestClockSize = 16384;

// The most room a face of this size unit is given: the room it needs, or the
// start window grown in step with it, as repeated doubling from the start
// gives, whichever is larger. A window never outgrows its face, however
// Bigger and Smaller are mixed, so the picture it holds stays bounded.
double RoomFor(std::int16_t clockSize) {
  return std::max(2.0 * clockSize + 50, kStartSize * clockSize / kStartClockSize);
}

PlaceRect Rounded(double left, double top, double width, double height) {
  return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
          static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
}

}  // namespace

ClockWindow::ClockWindow(WindowPort& port, Surface& surface, IntervalTimer& timer1, IntervalTimer& timer2,
                         const TimeSource& time, RandomSource& random, HueTestState& test,
                         std::filesystem::path settingsFile)
    : port_(port),
      surface_(surface),
      timer1_(timer1),
      time_(time),
      random_(random),
      test_(test),
      settingsFile_(std::move(settingsFile)),
      face_(Settings, converter_, lab_, time, surface),
      run_(test, face_, surface, timer1, timer2, random, *this) {}

void ClockWindow::Form_Load() {
  test_.TestActive = false;
  random_.SeedFromClock();
  Settings = ClockSettings{};
  WhiteBackground = true;
  face_.ExpertMode = false;
  OnTop = false;
  if (const auto extras = LoadSettings(Settings, settingsFile_)) {
    // A place on no screen (a monitor since removed) would hide the clock
    // and, with no taskbar entry, its menu too.
    const PlaceRect place = ReachablePlace(Rounded(extras->Left, extras->Top, kStartSize, kStartSize),
                                           port_.Screens(false), port_.Screens(true));
    port_.MoveTo(place.left, place.top);
    face_.ExpertMode = extras->ExpertMode;
    WhiteBackground = extras->WhiteBackground;
  } else {
    port_.ShowWelcome();
  }
  face_.FaceType = Settings.ClockType;
  if (!WhiteBackground) port_.MakeTransparent();
  mOnTop_Click();
  face_.ClockSize = kStartClockSize;
  port_.Resize(kStartSize, 2 * face_.ClockSize + 50);
  timer1_.SetInterval(1000);
  Redraw();
}

void ClockWindow::Timer1_Timer() { Timer1_Timer(time_.EpochMilliseconds()); }

void ClockWindow::Timer1_Timer(std::int64_t firedAtMilliseconds) {
  if (test_.TestActive) {
    run_.StartHueTest();
    return;
  }
  // Awake while unseen only because a test was on when the screen went:
  // asleep from this tick, which nobody would see.
  if (!seen_) {
    timer1_.SetAsleep(true);
    return;
  }
  face_.DrawClock(time_.LocalAt(firedAtMilliseconds));
}

void ClockWindow::Redraw() {
  surface_.Clear();
  face_.DrawRim();
  face_.DrawClock();
}

void ClockWindow::Picture1_MouseUp(int button, int, double, double) {
  if (button != kRightButton) return;
  port_.ShowPopupMenu(OnTop, face_.ExpertMode, WhiteBackground);
}

void ClockWindow::Picture1_MouseMove(int buttons, int, double, double) {
  if (test_.TestActive || buttons != kLeftButton) return;
  timer1_.SetEnabled(false);
  port_.StartMove();
}

void ClockWindow::MoveEnded() { timer1_.SetEnabled(true); }

void ClockWindow::ScreenSeen(bool seen) {
  if (seen == seen_) return;
  seen_ = seen;
  if (!seen) {
    // The run's own timer is never touched; an armed test needs Timer1's
    // next tick to start, so Timer1 stays awake until a tick finds no test.
    if (!test_.TestActive) timer1_.SetAsleep(true);
    return;
  }
  if (!timer1_.Asleep()) return;
  timer1_.SetAsleep(false);
  // The time that passed unseen is not drawn: only the present second, and
  // only where Timer1 would have drawn it (not stopped with S, nor mid-move).
  if (timer1_.Enabled() && timer1_.Interval() > 0 && !test_.TestActive) {
    face_.DrawClock(time_.Now());
  }
}

void ClockWindow::ScreensChanged() {
  MoveWithinReach(Rounded(port_.Left(), port_.Top(), port_.Width(), port_.Height()));
}

void ClockWindow::MoveWithinReach(const PlaceRect& place) {
  const PlaceRect reachable = ReachablePlace(place, port_.Screens(false), port_.Screens(true));
  if (reachable != place) port_.MoveTo(reachable.left, reachable.top);
}

void ClockWindow::Picture1_KeyDown(int keyCode, int) {
  if (test_.TestActive) {
    run_.Picture1_KeyDown();
    return;
  }
  switch (keyCode) {
    case kKeyMinus: msmaller_Click(); break;
    case kKeyPlus: mbigger_Click(); break;
    case kKeyS:
      if (timer1_.Interval() == 0) {
        timer1_.SetInterval(1000);
        return;
      }
      if (timer1_.Interval() == 1000) timer1_.SetInterval(0);
      Redraw();
      break;
    default: Redraw(); break;
  }
}

void ClockWindow::mOnTop_Click() {
  OnTop = !OnTop;
  port_.SetOnTop(OnTop);
}

void ClockWindow::mopaque_Click() {
  WhiteBackground = !WhiteBackground;
  if (WhiteBackground) {
    port_.MakeOpaque();
  } else {
    port_.MakeTransparent();
  }
}

void ClockWindow::mexpert_Click() {
  face_.ExpertMode = !face_.ExpertMode;
  Redraw();
}

void ClockWindow::mbigger_Click() {
  if (face_.ClockSize >= kLargestClockSize) return;  // ignored: it would not fit
  // Doubling 0 stays 0, and a face of 0 draws nothing: back to 1, the last
  // step Smaller took, so that Bigger always brings the clock back.
  face_.ClockSize = face_.ClockSize == 0 ? std::int16_t{1} : static_cast<std::int16_t>(2 * face_.ClockSize);
  const double room = RoomFor(face_.ClockSize);
  port_.Resize(std::min(2 * port_.Width(), room), std::min(2 * port_.Height(), room));
  Redraw();
}

void ClockWindow::msmaller_Click() {
  face_.ClockSize = RoundToInt16(face_.ClockSize / 2.0);
  port_.Resize(port_.Width() / 2, port_.Height() / 2);
  Redraw();
}

void ClockWindow::PickRandomFace() { face_.FaceType = static_cast<std::int16_t>(RandomBetween(random_, 0, 2)); }

void ClockWindow::mclock_Click() {
  port_.ShowOptions();
  if (Settings.ClockType == 3) {
    PickRandomFace();
  } else {
    face_.FaceType = Settings.ClockType;
  }
  if (Settings.TickRate == 1 || Settings.TickRate == 2 || Settings.TickRate == 5) {
    // Through 0 so that the countdown starts anew from now.
    timer1_.SetInterval(0);
    timer1_.SetInterval(Settings.TickRate * 1000);
  }
  Redraw();
}

void ClockWindow::mtest_Click() {
  test_.ResultText.clear();
  port_.ShowTester(false);
}

void ClockWindow::mabout_Click() { port_.ShowAbout(); }

void ClockWindow::monline_Click() { port_.OpenAddress(port_.HelpAddress()); }

void ClockWindow::mweb_Click() { port_.OpenAddress(kHomeAddress); }

std::string ClockWindow::SettingsLine() const {
  return FormatSettingsLine(static_cast<float>(port_.Left()), static_cast<float>(port_.Top()), Settings,
                            face_.ExpertMode, WhiteBackground);
}

SaveResult ClockWindow::Save(std::string line) {
  const SaveResult result = SaveSettings(line, settingsFile_);
  if (result) lastSaved_ = std::move(line);
  return result;
}

SaveResult ClockWindow::SaveAtSessionEnd() {
  std::string line = SettingsLine();
  if (line == lastSaved_) return {};
  return Save(std::move(line));
}

std::string ClockWindow::SettingsFileName() const {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(settingsFile_, error);
  return (error ? settingsFile_ : full).string();
}

void ClockWindow::mExit_Click() {
  // A settings file that cannot be written must not keep the program open:
  // the user is told why, then it ends. A file made read-only on purpose is
  // the user's way of keeping the settings as they are.
  const SaveResult saved = Save(SettingsLine());
  if (saved.kind == SaveResult::Failed) port_.ShowSaveFailed(SettingsFileName(), saved.reason.message());
  port_.CloseAbout();
  port_.CloseWindow();
}

std::string ClockWindow::TimeInWords(const TimeFormatter& formatTime, const ColourWording& words) const {
  if (test_.TestActive) return {};
  std::string text = formatTime(face_.Hour24, face_.Minutes, face_.Seconds);
  const std::string colours = HandColourWords(face_, words);
  if (!colours.empty()) text += "\n" + colours;
  return text;
}

ClockWindow::WordsMinute ClockWindow::WordsMinuteNow() const {
  return {face_.Hour24,       face_.Minutes,         test_.TestActive,   face_.FaceType,
          Settings.SmoothRunning, face_.Saturation(), face_.Brilliance()};
}

}  // namespace tintwatch
