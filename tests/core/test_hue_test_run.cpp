#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/face/RecordingSurface.h"
#include "core/window/ClockWindow.h"
#include "fakes.h"

namespace tintwatch {
namespace {

using Kind = RecordingSurface::Kind;

// Whole runs of the hue check test with scripted key presses: each Timer2
// tick is one step, and `keys(step)` says how many presses come after it.
class HueRunTest : public testing::Test {
 protected:
  void SetUp() override {
    window.Form_Load();
    port.log.clear();
    surface.ops.clear();
  }

  // Arms and starts a run, then ticks Timer2 until the run has ended.
  void Run(int hueStep, int pauseAfter, const std::function<int(int)>& keys) {
    test.HueStep = static_cast<std::int16_t>(hueStep);
    test.PauseAfter = static_cast<std::int16_t>(pauseAfter);
    test.TestActive = true;
    window.Timer1_Timer();
    ASSERT_EQ(timer2.interval, 1250);
    port.onResult = [&] {
      results.push_back(test.ResultText);
      // What the summary drew: everything from its clearing on.
      std::size_t start = surface.ops.size();
      while (start > 0 && surface.ops[start - 1].kind != Kind::Clear) --start;
      resultOps.assign(surface.ops.begin() + (start > 0 ? start - 1 : 0), surface.ops.end());
      shownDiscs = 0;
      for (const auto& op : surface.ops) shownDiscs += op.kind == Kind::Disc && op.c == 800;
      test.TestActive = againAfterResult;
    };
    int ticks = 0;
    while (timer2.Ticking() && ticks < 200) {
      intervals.push_back(timer2.interval);
      window.Timer2_Timer();
      ++ticks;
      for (int k = keys(window.Run().StepIndex); k > 0; --k) window.Picture1_KeyDown(65, 0);
    }
  }

  FakeWindow port;
  RecordingSurface surface;
  FakeTimer timer1, timer2;
  FixedTimeSource time{{15, 47, 33}};
  ScriptedRandom random{{0.0f, 0.5f, 0.99999994f}};
  HueTestState test;
  ClockWindow window{port, surface, timer1, timer2, time, random, test,
                     std::filesystem::temp_directory_path() / "tintwatch-no-such-file.txt"};
  std::vector<std::string> results;
  std::vector<RecordingSurface::Op> resultOps;
  std::vector<int> intervals;
  bool againAfterResult = false;
  int shownDiscs = 0;
};

TEST_F(HueRunTest, NoKeyInATwelveChangeRun) {
  Run(30, 99, [](int) { return 0; });
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0],
            "These are the 12 changes of colour you missed, when it changed to  30  60  90  120  150  180  210  240  270 "
            " 300  330  360 ");
  // 13 colours shown, then the summary: 12 misses paint 24 sectors, then 13 spokes.
  EXPECT_EQ(window.Run().StepIndex, 13);
  EXPECT_EQ(shownDiscs, 13);
  ASSERT_EQ(resultOps.front().kind, Kind::Clear);
  const auto pies = [&] {
    std::vector<RecordingSurface::Op> found;
    for (const auto& op : resultOps) {
      if (op.kind == Kind::Pie) found.push_back(op);
    }
    return found;
  }();
  ASSERT_EQ(pies.size(), 24u);
  EXPECT_EQ(pies.front().d, 75);  // hue 0 centred on 12 o'clock
  EXPECT_EQ(pies.front().e, 105);
  EXPECT_EQ(pies.back().d, 75);   // hue 360 last, over hue 0
  const ColorConverter cc;
  EXPECT_EQ(pies.back().colour, cc.HSBToRGB(cc.HSBToLong(359, 100, 100)));
  EXPECT_EQ(pies[1].d, 45);  // hue 30: 45..75
  EXPECT_EQ(pies[1].e, 75);
  for (const auto& pie : pies) {
    EXPECT_TRUE(pie.fillSolid);
    EXPECT_EQ(pie.fillColour, pie.colour);
  }
  // Black spokes from the centre to the edge, every 30 degrees.
  int lines = 0;
  for (const auto& op : resultOps) {
    if (op.kind != Kind::Line) continue;
    ++lines;
    EXPECT_EQ(op.colour, 0);
    EXPECT_EQ(op.a, 800);
    EXPECT_EQ(op.b, 800);
    EXPECT_NEAR(std::hypot(op.c - 800, op.d - 800), 800, 1);
  }
  EXPECT_EQ(lines, 13);
  EXPECT_EQ(resultOps.back().kind, Kind::Line);
  // Back to the clock: Timer1 runs again after a full redraw.
  EXPECT_TRUE(test.ResultText.empty());
  EXPECT_TRUE(timer1.enabled);
  EXPECT_FALSE(timer2.enabled);
  std::size_t redraw = surface.ops.size();
  while (redraw > 0 && surface.ops[redraw - 1].kind != Kind::Clear) --redraw;
  EXPECT_EQ(surface.ops.size() - redraw, 74u * 2 + 3);  // rim and discs after the clearing
}

TEST_F(HueRunTest, EachStepShowsTheNextHueOnTheWholeFace) {
  Run(30, 99, [](int) { return 1; });
  // Before the result: 13 solid discs over the whole face, hues 0, 30, ...,
  // 360, one on top of the other: nothing cleared between them.
  const ColorConverter cc;
  std::vector<RecordingSurface::Op> steps;
  for (const auto& op : surface.ops) {
    if (op.kind == Kind::Clear) break;  // the result's
    steps.push_back(op);
  }
  ASSERT_EQ(steps.size(), 13u);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const PackedRGB hue = cc.HSBToRGB(cc.HSBToLong(std::min<int>(30 * static_cast<int>(k), 359), 100, 100));
    EXPECT_EQ(steps[k].kind, Kind::Disc) << k;
    EXPECT_EQ(steps[k].a, 800);
    EXPECT_EQ(steps[k].b, 800);
    EXPECT_EQ(steps[k].c, 800);
    EXPECT_EQ(steps[k].colour, hue) << "step " << k;
    EXPECT_EQ(steps[k].fillColour, hue) << "step " << k;
    EXPECT_TRUE(steps[k].fillSolid) << "step " << k;
  }
  ASSERT_GE(intervals.size(), 14u);
  EXPECT_EQ(intervals[0], 1250);
  EXPECT_EQ(intervals[1], 1250);  // random 0
  EXPECT_EQ(intervals[2], 1625);  // random 0.5 * 751 = 375.5, floored
  EXPECT_EQ(intervals[3], 2000);
}

TEST_F(HueRunTest, EveryChangeSeenEvenWithPressesOnRed) {
  Run(30, 99, [](int step) { return step == 1 ? 3 : 1; });
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0], kAllSeenText);
  ASSERT_EQ(resultOps.size(), 1u);  // the cleared surface, nothing else
  EXPECT_EQ(resultOps[0].kind, Kind::Clear);
}

TEST_F(HueRunTest, DoubleHitsOnlyWithMisses) {
  Run(30, 99, [](int step) { return step == 5 ? 2 : 1; });
  EXPECT_EQ(results.at(0), kAllSeenText);
  results.clear();
  // Misses at 30 and 90, two presses at 120.
  Run(30, 99, [](int step) {
    if (step == 2 || step == 4) return 0;
    return step == 5 ? 2 : 1;
  });
  EXPECT_EQ(results.at(0),
            "These are the 2 changes of colour you missed, when it changed to  30  90  but you hit the key at least "
            "twice on  120 ");
}

// Another language's sentences: the number in its plural form, the hues
// listed its way where its sentences put them, in its order, and a sentence
// of its own for the double hits.
TEST_F(HueRunTest, ResultInAnotherLanguagesWords) {
  window.Run().Wording = {[](int n) { return n == 1 ? "%1 : un manqué" : std::to_string(n) + " manqués : %1"; },
                          [](int n) { return std::to_string(n) + " manqués (%1), deux fois : %2"; },
                          [](const std::vector<int>& hues) {
                            std::string listed;
                            for (const int hue : hues) listed += (listed.empty() ? "" : ", ") + std::to_string(hue);
                            return listed;
                          },
                          "tout vu"};
  // Misses at 30 and 90, two presses at 120; then a run with none missed.
  Run(30, 99, [](int step) {
    if (step == 2 || step == 4) return 0;
    return step == 5 ? 2 : 1;
  });
  Run(30, 99, [](int) { return 1; });
  // One missed, at 90.
  Run(30, 99, [](int step) { return step == 4 ? 0 : 1; });
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[0], "2 manqués (30, 90), deux fois : 120");
  EXPECT_EQ(results[1], "tout vu");
  EXPECT_EQ(results[2], "90 : un manqué");
}

TEST_F(HueRunTest, PressBeforeTheFirstColourIsIgnored) {
  test.HueStep = 30;
  test.PauseAfter = 99;
  test.TestActive = true;
  window.Timer1_Timer();
  window.Picture1_KeyDown(65, 0);  // StepIndex 0: nothing to count
  EXPECT_EQ(window.Run().KeyCounts[0], 0);
  window.Timer2_Timer();
  window.Picture1_KeyDown(65, 0);
  window.Picture1_KeyDown(65, 0);
  EXPECT_EQ(window.Run().KeyCounts[0], 2);
}

TEST_F(HueRunTest, PauseAfterEverySixColours) {
  int pauses = 0;
  std::vector<int> stepsAtPause;
  port.onPause = [&] {
    ++pauses;
    stepsAtPause.push_back(window.Run().StepIndex);
    EXPECT_EQ(timer2.interval, 0);  // no step while the box is open
  };
  Run(30, 5, [](int) { return 1; });
  EXPECT_EQ(pauses, 2);
  EXPECT_EQ(stepsAtPause, (std::vector<int>{6, 12}));
  // After each pause a new random interval (the script's last, 0.99999994:
  // 2000 ms), not the fixed first one. Ticks 7 and 14 were the pauses.
  ASSERT_GE(intervals.size(), 16u);
  EXPECT_EQ(intervals[7], 2000);
  EXPECT_EQ(intervals[14], 2000);
  EXPECT_EQ(results.at(0), kAllSeenText);
}

TEST_F(HueRunTest, SixtyChangeRunSectors) {
  Run(6, 99, [](int step) { return step == 16 ? 0 : 1; });  // misses hue 90
  EXPECT_EQ(window.Run().StepIndex, 61);
  EXPECT_EQ(results.at(0), "These are the 1 changes of colour you missed, when it changed to  90 ");
  std::vector<RecordingSurface::Op> pies;
  for (const auto& op : resultOps) {
    if (op.kind == Kind::Pie) pies.push_back(op);
  }
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[0].d, 0 + 6);  // hue 84: 6..12
  EXPECT_EQ(pies[0].e, 12);
  EXPECT_EQ(pies[1].d, 358);  // hue 90: 358..6
  EXPECT_EQ(pies[1].e, 6);
}

TEST_F(HueRunTest, ThirtyChangeRunSectorForHue84) {
  Run(12, 99, [](int step) { return step == 8 ? 0 : 1; });  // misses hue 84
  std::vector<RecordingSurface::Op> pies;
  for (const auto& op : resultOps) {
    if (op.kind == Kind::Pie) pies.push_back(op);
  }
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[0].d, 12);  // hue 72: 12..24
  EXPECT_EQ(pies[1].d, 358);
  EXPECT_EQ(pies[1].e, 12);
}

TEST_F(HueRunTest, OkInTheResultStartsAnotherRun) {
  againAfterResult = true;
  Run(30, 99, [&](int) {
    if (results.size() == 2) againAfterResult = false;
    return 1;
  });
  EXPECT_EQ(results.size(), 3u);
  EXPECT_TRUE(timer1.enabled);
}

TEST_F(HueRunTest, UnusablePauseNumbersNeverDivideByZero) {
  Run(30, -1, [](int) { return 1; });
  EXPECT_EQ(results.at(0), kAllSeenText);
  results.clear();
  Run(30, 0, [](int) { return 1; });  // pause after every colour
  EXPECT_EQ(results.at(0), kAllSeenText);
  EXPECT_GE(std::count(port.log.begin(), port.log.end(), "pause"), 12);
}

TEST_F(HueRunTest, HeldKeysCountAndSaturate) {
  test.HueStep = 30;
  test.TestActive = true;
  window.Timer1_Timer();
  window.Timer2_Timer();
  for (int i = 0; i < 40000; ++i) window.Picture1_KeyDown(65, 0);
  EXPECT_EQ(window.Run().KeyCounts[0], 32767);
}

}  // namespace
}  // namespace tintwatch
