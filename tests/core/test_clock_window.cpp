#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/face/RecordingSurface.h"
#include "core/time/TickPhase.h"
#include "core/window/ClockWindow.h"
#include "core/window/ScreenPlace.h"
#include "core/window/ScreenSight.h"
#include "fakes.h"

namespace tintwatch {
namespace {

using Kind = RecordingSurface::Kind;

class ClockWindowTest : public testing::Test {
 protected:
  static std::filesystem::path Folder() {
    return std::filesystem::temp_directory_path() /
           ("tintwatch-window-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void SetUp() override {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteSettings(const std::string& line) { std::ofstream(file_, std::ios::binary) << line << "\r\n"; }
  std::string Settings() const {
    std::ifstream in(file_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  ClockWindow& Loaded() {
    window.Form_Load();
    port.log.clear();
    surface.ops.clear();
    return window;
  }
  bool Redrawn() const { return !surface.ops.empty() && surface.ops.front().kind == Kind::Clear; }

  std::filesystem::path dir_ = Folder();
  std::filesystem::path file_ = dir_ / kSettingsFileName;
  FakeWindow port;
  RecordingSurface surface;
  FakeTimer timer1, timer2;
  FixedTimeSource time{{15, 47, 33}};
  ScriptedRandom random;
  HueTestState test;
  ClockWindow window{port, surface, timer1, timer2, time, random, test, file_};
};

TEST_F(ClockWindowTest, FirstStartWithoutFile) {
  test.TestActive = true;
  window.Form_Load();
  EXPECT_FALSE(test.TestActive);
  const std::vector<std::string> expected = {"welcome", "top on", "resize 1650 1650"};
  EXPECT_EQ(port.log, expected);  // no layering call, no move
  EXPECT_TRUE(window.OnTop);
  EXPECT_TRUE(window.WhiteBackground);
  EXPECT_FALSE(window.ExpertMode());
  EXPECT_EQ(window.ClockSize(), 800);
  EXPECT_EQ(timer1.interval, 1000);
  EXPECT_TRUE(timer1.Ticking());
  EXPECT_EQ(timer2.interval, 0);
  // The full redraw: clear, 74 rim segments and spokes, three discs.
  EXPECT_EQ(surface.ops.front().kind, Kind::Clear);
  EXPECT_EQ(surface.Of(Kind::Pie).size(), 74u);
  EXPECT_EQ(surface.Of(Kind::Disc).size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(file_));  // only Exit writes
}

TEST_F(ClockWindowTest, StartWithFileAppliesPlaceAndFlags) {
  WriteSettings(" 1500  900  1  5  80  60  100  100  1  1  0 ");
  window.Form_Load();
  const std::vector<std::string> expected = {"move 1500 900", "transparent", "top on", "resize 1650 1650"};
  EXPECT_EQ(port.log, expected);
  EXPECT_EQ(window.FaceType(), 1);
  EXPECT_TRUE(window.ExpertMode());
  EXPECT_TRUE(window.Settings.SmoothRunning);
  EXPECT_EQ(window.Settings.SatMin, 60);
  EXPECT_EQ(timer1.interval, 1000);  // TickRate 5 waits for the options dialog
}

TEST_F(ClockWindowTest, SavedPlaceOnNoScreenComesOntoTheNearest) {
  // Two screens side by side, the right one larger and with a panel along its top.
  port.screens = {{0, 0, 800 * 15, 600 * 15}, {800 * 15, 0, 1024 * 15, 768 * 15}};
  port.freeAreas = {{0, 0, 800 * 15, 600 * 15}, {800 * 15, 30 * 15, 1024 * 15, 738 * 15}};
  struct Row {
    const char* what;
    int left, top;
    std::string move;
  };
  const Row rows[] = {
      {"on the left screen", 1500, 900, "move 1500 900"},
      {"partly off the left screen, its centre on", -800, -800, "move -800 -800"},
      {"mostly off the left screen's top-left", -1500, -1500, "move 0 0"},
      {"below the left screen: onto its bottom", 3000, 9500, "move 3000 7350"},
      {"beyond the right screen's right edge", 29000, 3000, "move 25710 3000"},
      {"above the right screen: below its panel", 20000, -3000, "move 20000 450"},
      {"beyond the right screen's bottom-right corner", 29000, 13000, "move 25710 9870"},
  };
  for (const Row& row : rows) {
    WriteSettings(" " + std::to_string(row.left) + "  " + std::to_string(row.top) +
                  "  0  1  100  100  100  100  0  0  1 ");
    port.log.clear();
    window.Form_Load();
    ASSERT_FALSE(port.log.empty()) << row.what;
    EXPECT_EQ(port.log.front(), row.move) << row.what;
    EXPECT_FALSE(port.Logged("welcome")) << row.what;
  }
}

TEST_F(ClockWindowTest, ClockLeftOnNoScreenComesBackWhenScreensChange) {
  port.screens = {{0, 0, 1280 * 15, 1024 * 15}, {1280 * 15, 0, 1280 * 15, 1024 * 15}};
  port.freeAreas = port.screens;
  Loaded();
  port.left = 2000 * 15;
  port.top = 500 * 15;
  window.ScreensChanged();  // still on the right-hand screen: stays
  EXPECT_TRUE(port.log.empty());
  port.screens.pop_back();  // the right-hand monitor goes
  port.freeAreas.pop_back();
  window.ScreensChanged();
  EXPECT_EQ(port.log, std::vector<std::string>{"move 17550 7500"});  // at the right edge, 110 pixels wide
  EXPECT_EQ(port.left + port.width, 1280 * 15);
  port.log.clear();
  port.left = -50 * 15;  // its centre on the screen: within reach, stays
  window.ScreensChanged();
  EXPECT_TRUE(port.log.empty());
  port.left = 1269 * 15;  // as a window manager leaves it: an edge on the screen, the face not
  window.ScreensChanged();
  EXPECT_EQ(port.log, std::vector<std::string>{"move 17550 7500"});
  port.log.clear();
  port.screens.clear();  // no screen at all: nowhere better to go
  port.freeAreas.clear();
  window.ScreensChanged();
  EXPECT_TRUE(port.log.empty());
}

TEST_F(ClockWindowTest, ShortFileKeepsWhatWasReadAndWelcomes) {
  WriteSettings(" 1500  900  2  2  50");
  window.Form_Load();
  EXPECT_TRUE(port.Logged("welcome"));
  EXPECT_FALSE(port.Logged("move 1500 900"));
  EXPECT_EQ(window.FaceType(), 2);
  EXPECT_EQ(window.Settings.SatMax, 50);
  EXPECT_EQ(window.Settings.SatMin, 100);
}

TEST_F(ClockWindowTest, RandomTypeFromFileDrawsNothingUntilOptionsClose) {
  WriteSettings(" 0  0  3  1  100  100  100  100  0  0  1 ");
  Loaded();
  EXPECT_EQ(window.FaceType(), 3);
  window.Timer1_Timer();
  EXPECT_TRUE(surface.ops.empty());
  std::map<int, int> seen;
  for (float r : {0.0f, 0.34f, 0.67f, 0.99f}) {
    ScriptedRandom* scripted = &random;
    *scripted = ScriptedRandom({r});
    window.mclock_Click();
    ++seen[window.FaceType()];
    EXPECT_EQ(window.Settings.ClockType, 3);
  }
  EXPECT_EQ(seen, (std::map<int, int>{{0, 1}, {1, 1}, {2, 2}}));
}

TEST_F(ClockWindowTest, TickDrawsOnlyTheDiscs) {
  Loaded();
  window.Timer1_Timer();
  EXPECT_EQ(surface.ops.size(), 3u);
  EXPECT_EQ(surface.Of(Kind::Disc).size(), 3u);
  // A tick given the reading it was aimed with draws that second, not one
  // read afresh (the source still says :33).
  surface.ops.clear();
  window.Timer1_Timer(FixedTimeSource({15, 47, 34}).EpochMilliseconds());
  const ColorConverter cc;
  ASSERT_EQ(surface.Of(Kind::Disc).size(), 3u);
  EXPECT_EQ(surface.Of(Kind::Disc)[0].fillColour, cc.HSBToRGB(cc.HSBToLong(34 * 6, 100, 100)));
}

TEST_F(ClockWindowTest, ArmedTestStartsAtTheNextTick) {
  Loaded();
  test.TestActive = true;
  window.Timer1_Timer();
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_FALSE(timer1.enabled);
  EXPECT_EQ(timer2.interval, 1250);
  EXPECT_TRUE(timer2.Ticking());
}

TEST_F(ClockWindowTest, TimeInWordsTellsTheLastDrawingAndNothingDuringATest) {
  Loaded();
  const auto digits = [](int h, int m, int s) {
    return std::to_string(h) + "." + std::to_string(m) + "." + std::to_string(s);
  };
  EXPECT_EQ(window.TimeInWords(digits), "15.47.33\nhour lime, minute violet, second azure");
  // The words follow the face, not a reading of their own.
  time.time = {16, 0, 0};
  EXPECT_EQ(window.TimeInWords(digits), "15.47.33\nhour lime, minute violet, second azure");
  const ClockWindow::WordsMinute at1547 = window.WordsMinuteNow();
  time.time = {15, 47, 50};
  window.Timer1_Timer();
  EXPECT_EQ(window.TimeInWords(digits), "15.47.50\nhour lime, minute violet, second magenta");
  EXPECT_EQ(window.WordsMinuteNow(), at1547);  // the seconds alone do not count
  time.time = {15, 48, 0};
  window.Timer1_Timer();
  EXPECT_NE(window.WordsMinuteNow(), at1547);
  const ClockWindow::WordsMinute at1548 = window.WordsMinuteNow();
  window.Settings.SatMin = 20;  // from 15 o'clock the saturation is 80
  EXPECT_NE(window.WordsMinuteNow(), at1548);
  window.Settings.SatMin = 100;
  // Armed or running, the hue check test shows no time.
  test.TestActive = true;
  EXPECT_EQ(window.TimeInWords(digits), "");
  EXPECT_NE(window.WordsMinuteNow(), at1548);
  window.Timer1_Timer();
  EXPECT_EQ(window.TimeInWords(digits), "");
}

TEST_F(ClockWindowTest, UnseenScreenSleepsTimer1AndTheReturnDrawsThePresentSecond) {
  // Every source of darkness, each alone: one that covers the screen puts
  // Timer1 asleep, one that does not leaves it ticking.
  struct Case {
    const char* what;
    ScreenSight::Reason reason;
    bool unseen;
  };
  const Case cases[] = {
      {"saver off", ScreenSight::ScreenSaver, SaverCovers(0)},
      {"saver on", ScreenSight::ScreenSaver, SaverCovers(1)},
      {"saver cycling", ScreenSight::ScreenSaver, SaverCovers(2)},
      {"saver disabled", ScreenSight::ScreenSaver, SaverCovers(3)},
      {"monitor on", ScreenSight::MonitorOff, MonitorDark(0, true)},
      {"monitor standby", ScreenSight::MonitorOff, MonitorDark(1, true)},
      {"monitor suspended", ScreenSight::MonitorOff, MonitorDark(2, true)},
      {"monitor off", ScreenSight::MonitorOff, MonitorDark(3, true)},
      {"monitor off, DPMS disabled", ScreenSight::MonitorOff, MonitorDark(3, false)},
      {"locker active", ScreenSight::Locker, true},
      {"display off", ScreenSight::DisplayOff, DisplayDark(0)},
      {"display on", ScreenSight::DisplayOff, DisplayDark(1)},
      {"display dimmed", ScreenSight::DisplayOff, DisplayDark(2)},
      {"session locked", ScreenSight::SessionLocked, true},
  };
  const bool expected[] = {false, true, true, false, false, true, true, true, false, true, true, false, false, true};
  int i = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeTimer timer;
    timer.interval = 1000;
    ClockWindow clock{port, surface, timer, timer2, time, random, test, file_};
    ScreenSight sight;
    EXPECT_EQ(sight.Set(c.reason, c.unseen), expected[i]);
    clock.ScreenSeen(sight.Seen());
    EXPECT_EQ(timer.Ticking(), !expected[i]);
    surface.ops.clear();
    time.time = {15, 50, 12};
    EXPECT_EQ(sight.Set(c.reason, false), expected[i]);
    clock.ScreenSeen(sight.Seen());
    EXPECT_TRUE(timer.Ticking());
    // Back, the face shows the present second at once, and nothing of the
    // time that passed; a screen that never went dark draws nothing extra.
    EXPECT_EQ(surface.Of(Kind::Disc).size(), expected[i] ? 3u : 0u);
    EXPECT_EQ(surface.ops.size(), expected[i] ? 3u : 0u);
    time.time = {15, 47, 33};
    ++i;
  }
  // Two sources at once: seen only when both have gone.
  ScreenSight sight;
  EXPECT_TRUE(sight.Set(ScreenSight::ScreenSaver, true));
  EXPECT_FALSE(sight.Set(ScreenSight::MonitorOff, true));
  EXPECT_FALSE(sight.Set(ScreenSight::ScreenSaver, false));
  EXPECT_TRUE(sight.Set(ScreenSight::MonitorOff, false));
}

TEST(DpmsInfoNotifyTest, TheMonitorsPowerLevelAndStateFromTheServersEvent) {
  // A generic event as the server writes it: type 35, the extension's
  // opcode, then evtype 0 at byte 8, the power level at 16, the state at 18.
  std::uint8_t event[32] = {35, 150};
  const std::uint16_t off = 3;
  std::memcpy(event + 16, &off, 2);
  event[18] = 1;
  const auto info = DpmsInfoNotify(event, 150);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->powerLevel, 3);
  EXPECT_TRUE(info->enabled);
  EXPECT_TRUE(MonitorDark(info->powerLevel, info->enabled));
  EXPECT_FALSE(DpmsInfoNotify(event, 151).has_value());  // another extension's
  event[8] = 1;
  EXPECT_FALSE(DpmsInfoNotify(event, 150).has_value());  // another of its events
}

TEST_F(ClockWindowTest, UnseenScreenLeavesTheHueCheckTestItsPace) {
  Loaded();
  timer1.interval = 1000;
  // Armed: Timer1 stays awake, for its next tick starts the run.
  test.TestActive = true;
  window.ScreenSeen(false);
  EXPECT_TRUE(timer1.Ticking());
  window.Timer1_Timer();
  EXPECT_TRUE(timer2.Ticking());
  EXPECT_EQ(timer2.interval, 1250);
  EXPECT_FALSE(timer2.asleep);
  // The run ends unseen: the first tick after it finds no test, draws
  // nothing and puts Timer1 asleep.
  test.TestActive = false;
  timer1.enabled = true;
  surface.ops.clear();
  window.Timer1_Timer();
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_FALSE(timer1.Ticking());
  window.ScreenSeen(true);
  EXPECT_TRUE(timer1.Ticking());
  EXPECT_EQ(surface.Of(Kind::Disc).size(), 3u);
  // Stopped with S, the face stays as it was when the screen comes back.
  timer1.interval = 0;
  window.ScreenSeen(false);
  surface.ops.clear();
  window.ScreenSeen(true);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(timer1.interval, 0);
}

TEST_F(ClockWindowTest, SKeyStopsAndRestarts) {
  Loaded();
  window.Picture1_KeyDown(kKeyS, 0);
  EXPECT_EQ(timer1.interval, 0);
  EXPECT_TRUE(Redrawn());
  surface.ops.clear();
  window.Picture1_KeyDown(kKeyS, 0);
  EXPECT_EQ(timer1.interval, 1000);
  EXPECT_TRUE(surface.ops.empty());  // no redraw: the face changes with the next tick
  timer1.interval = 2000;
  window.Picture1_KeyDown(kKeyS, 0);
  EXPECT_EQ(timer1.interval, 2000);
  EXPECT_TRUE(Redrawn());
}

TEST_F(ClockWindowTest, OtherKeysRedrawAndTestKeysCount) {
  Loaded();
  window.Picture1_KeyDown(109, 0);  // keypad minus
  EXPECT_TRUE(Redrawn());
  EXPECT_EQ(window.ClockSize(), 800);
  test.TestActive = true;
  window.Run().StepIndex = 3;
  surface.ops.clear();
  window.Picture1_KeyDown(kKeyMinus, 0);
  window.Picture1_KeyDown(kKeyS, 0);
  EXPECT_EQ(window.Run().KeyCounts[2], 2);
  EXPECT_EQ(window.ClockSize(), 800);
  EXPECT_EQ(timer1.interval, 1000);
  EXPECT_TRUE(surface.ops.empty());
}

TEST_F(ClockWindowTest, BiggerAndSmaller) {
  Loaded();
  window.Picture1_KeyDown(kKeyPlus, 0);
  EXPECT_EQ(window.ClockSize(), 1600);
  EXPECT_EQ(port.width, 3300);
  EXPECT_TRUE(Redrawn());
  window.mbigger_Click();
  window.Picture1_KeyDown(kKeyMinus, 0);
  window.msmaller_Click();
  EXPECT_EQ(window.ClockSize(), 800);
  EXPECT_EQ(port.width, 1650);
  EXPECT_EQ(port.height, 1650);
  // Halving rounds to even, down to nothing.
  const int expected[] = {400, 200, 100, 50, 25, 12, 6, 3, 2, 1, 0, 0};
  for (int size : expected) {
    window.msmaller_Click();
    EXPECT_EQ(window.ClockSize(), size);
  }
  EXPECT_EQ(port.width, 15);  // the platform's smallest window
}

TEST_F(ClockWindowTest, BiggerStopsBeforeTheSizeOverflows) {
  Loaded();
  for (int i = 0; i < 5; ++i) window.mbigger_Click();
  EXPECT_EQ(window.ClockSize(), 25600);
  EXPECT_EQ(port.width, 1650 * 32);
  port.log.clear();
  surface.ops.clear();
  window.mbigger_Click();
  EXPECT_EQ(window.ClockSize(), 25600);
  EXPECT_EQ(port.width, 1650 * 32);
  EXPECT_TRUE(port.log.empty());
  EXPECT_TRUE(surface.ops.empty());
}

TEST_F(ClockWindowTest, KeyStormNeverGivesTheWindowMoreRoomThanItsFace) {
  // Down to nothing and up again, as a key held down does.
  Loaded();
  for (int i = 0; i < 11; ++i) window.Picture1_KeyDown(kKeyMinus, 0);
  ASSERT_EQ(window.ClockSize(), 0);
  const int expected[] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384, 16384};
  for (int size : expected) {
    surface.ops.clear();
    window.Picture1_KeyDown(kKeyPlus, 0);
    EXPECT_EQ(window.ClockSize(), size);
    // The room the face needs, or the start window grown in step with it;
    // the platform may add up to half a pixel.
    const double room = std::max(2.0 * size + 50, 1650.0 * size / 800);
    EXPECT_LE(port.width, room + 7.5) << size;
    EXPECT_LE(port.height, room + 7.5) << size;
    EXPECT_GE(port.width, 2.0 * size) << size;  // and the face fits
  }
  EXPECT_EQ(port.width, 2252 * 15);  // 1650 x 16384 / 800 twips, in whole pixels
  // From the start the window doubles as before, to the largest face.
  Loaded();
  for (int i = 0; i < 6; ++i) window.mbigger_Click();
  EXPECT_EQ(window.ClockSize(), 25600);
  EXPECT_EQ(port.width, 1650 * 32);
}

TEST_F(ClockWindowTest, DragOnlyWithTheLeftButtonAlone) {
  Loaded();
  window.Picture1_MouseMove(kLeftButton | kRightButton, 0, 10, 10);
  window.Picture1_MouseMove(kRightButton, 0, 10, 10);
  EXPECT_TRUE(port.log.empty());
  test.TestActive = true;
  window.Picture1_MouseMove(kLeftButton, 0, 10, 10);
  EXPECT_TRUE(port.log.empty());
  test.TestActive = false;
  window.Picture1_MouseMove(kLeftButton, 0, 10, 10);
  EXPECT_EQ(port.log, std::vector<std::string>{"move start"});
  EXPECT_FALSE(timer1.enabled);
  const int restarts = timer1.restarts;
  window.MoveEnded();
  EXPECT_TRUE(timer1.Ticking());
  EXPECT_EQ(timer1.restarts, restarts + 1);
}

TEST_F(ClockWindowTest, PopupOnRightReleaseWithCurrentChecks) {
  Loaded();
  window.Picture1_MouseUp(kMiddleButton, 0, 0, 0);
  window.Picture1_MouseUp(kLeftButton, 0, 0, 0);
  EXPECT_TRUE(port.log.empty());
  window.Picture1_MouseUp(kRightButton, 0, 0, 0);
  window.mexpert_Click();
  window.mOnTop_Click();
  window.mopaque_Click();
  test.TestActive = true;  // also during a test
  window.Picture1_MouseUp(kRightButton, 0, 0, 0);
  const std::vector<std::string> expected = {"menu TeW", "top off", "transparent", "menu tEw"};
  EXPECT_EQ(port.log, expected);
}

TEST_F(ClockWindowTest, WhiteBackgroundTogglesWithoutRedraw) {
  Loaded();
  window.mopaque_Click();
  window.mopaque_Click();
  window.mopaque_Click();
  const std::vector<std::string> expected = {"transparent", "opaque", "transparent"};
  EXPECT_EQ(port.log, expected);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_FALSE(window.WhiteBackground);
}

TEST_F(ClockWindowTest, ExpertModeRedrawsWithoutTheRim) {
  Loaded();
  window.mexpert_Click();
  EXPECT_TRUE(window.ExpertMode());
  EXPECT_TRUE(Redrawn());
  EXPECT_EQ(surface.Of(Kind::Pie).size(), 0u);
  EXPECT_EQ(surface.Of(Kind::Disc).size(), 3u);
}

TEST_F(ClockWindowTest, ClockOptionsReappliesTypeAndInterval) {
  Loaded();
  window.Picture1_KeyDown(kKeyS, 0);  // stopped
  port.onOptions = [&] {
    window.Settings.ClockType = 2;
    window.Settings.TickRate = 5;
  };
  const int restarts = timer1.restarts;
  surface.ops.clear();
  window.mclock_Click();
  EXPECT_EQ(window.FaceType(), 2);
  EXPECT_EQ(timer1.interval, 5000);
  EXPECT_EQ(timer1.restarts, restarts + 2);  // through 0: the countdown starts anew
  EXPECT_TRUE(Redrawn());
  // An unknown tick rate leaves the interval alone.
  port.onOptions = [&] { window.Settings.TickRate = 7; };
  window.mclock_Click();
  EXPECT_EQ(timer1.interval, 5000);
}

TEST_F(ClockWindowTest, CancelledOptionsRestartAStoppedClock) {
  Loaded();
  window.Picture1_KeyDown(kKeyS, 0);
  ASSERT_EQ(timer1.interval, 0);
  window.mclock_Click();
  EXPECT_EQ(timer1.interval, 1000);
  EXPECT_EQ(window.FaceType(), 0);
}

TEST_F(ClockWindowTest, MenuCommandsReachTheirDialogs) {
  Loaded();
  test.ResultText = "old result";
  window.mtest_Click();
  EXPECT_TRUE(test.ResultText.empty());
  window.mabout_Click();
  window.monline_Click();
  window.mweb_Click();
  const std::vector<std::string> expected = {"tester", "about", "open file:///help.html",
                                             std::string("open ") + kHomeAddress};
  EXPECT_EQ(port.log, expected);
}

TEST_F(ClockWindowTest, ExitSavesThenCloses) {
  Loaded();
  port.left = 150;
  port.top = 90;
  window.mExit_Click();
  EXPECT_EQ(Settings(), " 150  90  0  1  100  100  100  100  0  0  1 \r\n");
  const std::vector<std::string> expected = {"close about", "close"};
  EXPECT_EQ(port.log, expected);
}

TEST_F(ClockWindowTest, ExitWritesTheStateAsItStands) {
  WriteSettings(" 300  450  2  2  90  40  80  20  1  0  1 ");
  Loaded();
  window.mexpert_Click();
  window.mopaque_Click();
  port.left = -45;
  port.top = 31995;
  window.mExit_Click();
  EXPECT_EQ(Settings(), "-45  31995  2  2  90  40  80  20  1  1  0 \r\n");
}

TEST_F(ClockWindowTest, ExitThatCannotSaveSaysWhyThenEnds) {
  Loaded();
  std::filesystem::remove_all(dir_);
  window.mExit_Click();
#ifdef _WIN32
  // Windows tells a missing folder its own way: ERROR_PATH_NOT_FOUND.
  const std::string reason = std::error_code(3, std::system_category()).message();
#else
  const std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
#endif
  const std::vector<std::string> expected = {"save failed " + std::filesystem::absolute(file_).string() + ": " + reason,
                                             "close about", "close"};
  EXPECT_EQ(port.log, expected);
}

#ifndef _WIN32
TEST_F(ClockWindowTest, ExitOverAFileMadeReadOnlyEndsWithoutAWord) {
  WriteSettings(" 300  450  2  2  90  40  80  20  1  0  1 ");
  std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
  Loaded();
  window.mexpert_Click();
  window.mExit_Click();
  const std::vector<std::string> expected = {"close about", "close"};
  EXPECT_EQ(port.log, expected);
  EXPECT_EQ(Settings(), " 300  450  2  2  90  40  80  20  1  0  1 \r\n");
}
#endif

TEST_F(ClockWindowTest, SessionEndSavesWhatTheWindowShowsOnce) {
  Loaded();
  port.left = 150;
  port.top = 90;
  ASSERT_TRUE(window.SaveAtSessionEnd());
  EXPECT_EQ(Settings(), " 150  90  0  1  100  100  100  100  0  0  1 \r\n");
  // The same state again (a session manager's save, then its end) is not
  // written again: a line put in the file meanwhile stays.
  WriteSettings(" 1  1  0  1  100  100  100  100  0  0  1 ");
  ASSERT_TRUE(window.SaveAtSessionEnd());
  EXPECT_EQ(Settings(), " 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  // A change since is.
  window.mopaque_Click();
  ASSERT_TRUE(window.SaveAtSessionEnd());
  EXPECT_EQ(Settings(), " 150  90  0  1  100  100  100  100  0  0  0 \r\n");
  // A failure comes back with its reason, and no message is shown for it.
  std::filesystem::remove_all(dir_);
  window.mexpert_Click();
  const SaveResult failed = window.SaveAtSessionEnd();
  EXPECT_EQ(failed.kind, SaveResult::Failed);
  EXPECT_EQ(failed.reason, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(port.Logged("close"));
  for (const std::string& entry : port.log) EXPECT_EQ(entry.rfind("save failed", 0), std::string::npos);
}

TEST(RandomBetweenTest, UniformWholeNumbersWithinTheBounds) {
  RandomSource random;
  random.Seed(12345);
  std::map<int, int> counts;
  for (int i = 0; i < 30000; ++i) ++counts[RandomBetween(random, 0, 2)];
  ASSERT_EQ(counts.size(), 3u);
  for (const auto& [value, count] : counts) {
    EXPECT_GE(value, 0);
    EXPECT_LE(value, 2);
    EXPECT_NEAR(count, 10000, 400);
  }
  int lowest = 1000, highest = -1;
  for (int i = 0; i < 20000; ++i) {
    const int value = RandomBetween(random, 0, 750);
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 750);
  ScriptedRandom top({0.99999994f});  // the largest float below 1
  EXPECT_EQ(RandomBetween(top, 0, 750), 750);
  EXPECT_EQ(RandomBetween(top, -5, -5), -5);
}

TEST(ScreenPlaceTest, WindowsBelongToTheScreenHoldingMostOfThemAndMoveOntoIt) {
  const std::vector<PlaceRect> screens = {{0, 0, 1024, 768}, {1024, 0, 800, 600}};
  EXPECT_EQ(ScreenOf({100, 100, 110, 110}, screens), 0);
  EXPECT_EQ(ScreenOf({1000, 100, 110, 110}, screens), 1);  // more of it on the second
  EXPECT_EQ(ScreenOf({2000, 100, 110, 110}, screens), -1);
  EXPECT_EQ(ScreenOf({-110, 0, 110, 110}, screens), -1);  // touching the edge is not on it
  const PlaceRect area{0, 0, 800, 600};
  struct Row {
    const char* what;
    PlaceRect place, area, moved;
  };
  const Row rows[] = {
      {"wholly on the area: stays", {184, 250, 402, 327}, area, {184, 250, 402, 327}},
      {"off the bottom: up by as much", {184, 500, 402, 327}, area, {184, 273, 402, 327}},
      {"off the left and top", {-20, -5, 100, 100}, area, {0, 0, 100, 100}},
      {"larger than the area: its top-left corner", {368, 500, 804, 654}, area, {0, 0, 804, 654}},
      {"an area below a top panel, left of 0", {10, 10, 50, 50}, {-100, 24, 800, 576}, {10, 24, 50, 50}},
  };
  for (const Row& row : rows) EXPECT_EQ(MovedOnto(row.place, row.area), row.moved) << row.what;
  // The nearest screen, by the gap between the rectangles.
  EXPECT_EQ(NearestScreen({1900, 100, 110, 110}, screens), 1);
  EXPECT_EQ(NearestScreen({1500, 700, 110, 110}, screens), 1);  // 100 below the second, 476 right of the first
  EXPECT_EQ(NearestScreen({1100, 900, 110, 110}, screens), 0);   // 76 right of and 132 below the first, 300 below the second
  EXPECT_EQ(NearestScreen({100, 100, 110, 110}, {}), -1);
  EXPECT_EQ(ReachablePlace({1900, 100, 110, 110}, screens, screens), (PlaceRect{1714, 100, 110, 110}));
  EXPECT_EQ(ReachablePlace({1000, 100, 110, 110}, screens, screens), (PlaceRect{1000, 100, 110, 110}));
}

TEST(DelayToNextBoundaryTest, TicksLandJustAfterTheWallClocksBoundary) {
  constexpr std::int64_t at154733 = 1796658453000;  // 2026-12-07 15:47:33.000 UTC
  constexpr std::int64_t hour = 3'600'000;
  struct Row {
    const char* what;
    std::int64_t now;
    int interval;
    int delay;
  };
  const Row rows[] = {
      {"on the second (a frozen clock too): a whole interval, never 0", at154733, 1000, 1000},
      {"just after the second", at154733 + 1, 1000, 999},
      {"a free-running timer's phase", at154733 + 576, 1000, 424},
      {"fired a little early: the coming second", at154733 - 1, 1000, 1},
      {"every 2 s from an odd second: the even one", at154733, 2000, 1000},
      {"every 5 s: the seconds 0, 5, 10, ...", at154733 + 400, 5000, 1600},
      {"every 5 s, on :55", at154733 + 22'000, 5000, 5000},
      {"clock set back an hour while waiting", at154733 - hour + 700, 1000, 300},
      {"clock set forward a day (resume from suspend)", at154733 + 24 * hour + 999, 1000, 1},
      {"before the epoch", -1500, 1000, 500},
      {"no interval: no tick", at154733, 0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DelayToNextBoundary(row.now, row.interval), row.delay) << row.what;
  }
}

}  // namespace
}  // namespace tintwatch
