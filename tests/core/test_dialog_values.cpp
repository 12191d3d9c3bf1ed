#include <gtest/gtest.h>

#include <string>

#include "core/dialogs/DialogValues.h"

namespace tintwatch {
namespace {

// The boxes' texts are given as std::string values: g++ 12 warns falsely
// (-Wrestrict, at -O3) on a literal assigned to a string inside libstdc++.
using namespace std::string_literals;

TEST(DialogNumberTest, BlanksFractionsAndRange) {
  EXPECT_EQ(DialogNumber(" 42 "), 42);
  EXPECT_EQ(DialogNumber("50.5"), 50);
  EXPECT_EQ(DialogNumber("51.5"), 52);
  EXPECT_EQ(DialogNumber("-7"), -7);
  EXPECT_EQ(DialogNumber("32767"), 32767);
  EXPECT_EQ(DialogNumber("-32768.4"), -32768);
  for (const char* bad : {"", "   ", "abc", "12a", "32768", "-32769", "1e9", "nan", "inf", "--1", "+-1", "1 2"}) {
    EXPECT_FALSE(DialogNumber(bad)) << bad;
  }
}

ClockSettings Taken(const OptionsForm& form, ClockSettings settings = {}) {
  TakeOptions(form, settings);
  return settings;
}

TEST(OptionsValuesTest, OkWithoutChangesKeepsEverything) {
  ClockSettings settings;
  settings.TickRate = 2;
  settings.ClockType = 1;
  settings.SmoothRunning = true;
  const OptionsForm form = FillOptions(settings);
  EXPECT_EQ(form.satMax, "100");
  EXPECT_EQ(form.tickRate, 2);
  const ClockSettings after = Taken(form, settings);
  EXPECT_EQ(after.ClockType, 1);
  EXPECT_EQ(after.TickRate, 2);
  EXPECT_TRUE(after.SmoothRunning);
  EXPECT_EQ(after.SatMax, 100);
  EXPECT_EQ(after.BriMin, 100);
}

TEST(OptionsValuesTest, LevelsAreLimitedAndMinimaFollowMaxima) {
  OptionsForm form = FillOptions({});
  form.satMax = "5"s;
  EXPECT_EQ(Taken(form).SatMax, 10);
  form.satMax = "150"s;
  EXPECT_EQ(Taken(form).SatMax, 100);
  form.satMax = "60"s;
  form.satMin = "80"s;
  ClockSettings s = Taken(form);
  EXPECT_EQ(s.SatMax, 60);
  EXPECT_EQ(s.SatMin, 60);
  form.briMax = "90"s;
  form.briMin = "50.5"s;
  EXPECT_EQ(Taken(form).BriMin, 50);
  form.briMin = "51.5"s;
  EXPECT_EQ(Taken(form).BriMin, 52);
}

TEST(OptionsValuesTest, NoSelectionKeepsTypeAndRate) {
  ClockSettings settings;
  settings.ClockType = 3;
  settings.TickRate = 7;
  const OptionsForm form = FillOptions(settings);
  EXPECT_EQ(form.clockType, -1);
  EXPECT_EQ(form.tickRate, -1);
  const ClockSettings after = Taken(form, settings);
  EXPECT_EQ(after.ClockType, 3);
  EXPECT_EQ(after.TickRate, 7);
}

TEST(OptionsValuesTest, BoxWithoutANumberKeepsItsOldLevel) {
  ClockSettings settings;
  settings.SatMax = 80;
  settings.SatMin = 40;
  settings.BriMin = 150;  // unchecked from the file
  OptionsForm form = FillOptions(settings);
  form.satMax = ""s;
  form.satMin = "lots"s;
  form.briMax = "70000"s;
  form.briMin = "x"s;
  const ClockSettings after = Taken(form, settings);
  EXPECT_EQ(after.SatMax, 80);
  EXPECT_EQ(after.SatMin, 40);
  EXPECT_EQ(after.BriMax, 100);
  EXPECT_EQ(after.BriMin, 100);  // the old 150, limited like any other value
  form = FillOptions(settings);
  form.satMax = "30"s;
  form.satMin = "junk"s;  // the old 40 would be above the new maximum
  EXPECT_EQ(Taken(form, settings).SatMin, 30);
}

TEST(TesterValuesTest, FillShowsStepAndPause) {
  HueTestState state;
  EXPECT_EQ(FillTester(state).changes, 12);
  EXPECT_EQ(FillTester(state).pause, "0");
  state.HueStep = 12;
  state.PauseAfter = 99;
  EXPECT_EQ(FillTester(state).changes, 30);
  EXPECT_EQ(FillTester(state).pause, "0");
  state.HueStep = 6;
  state.PauseAfter = 5;
  EXPECT_EQ(FillTester(state).changes, 60);
  EXPECT_EQ(FillTester(state).pause, "5");
}

TEST(TesterValuesTest, TakeArmsTheTestWithAUsablePause) {
  const struct {
    const char* text;
    int pauseAfter;
  } cases[] = {{"0", 99}, {"5", 5}, {" 6.5 ", 6}, {"", 99}, {"soon", 99}, {"-1", 99}, {"32767", 99},
               {"40000", 99}, {"-3", -3}, {"32766", 32766}};
  for (const auto& c : cases) {
    HueTestState state;
    TakeTester({60, c.text}, state);
    EXPECT_EQ(state.PauseAfter, c.pauseAfter) << c.text;
    EXPECT_EQ(state.HueStep, 6);
    EXPECT_TRUE(state.TestActive);
  }
  HueTestState state;
  TakeTester({30, "0"}, state);
  EXPECT_EQ(state.HueStep, 12);
  TakeTester({12, "0"}, state);
  EXPECT_EQ(state.HueStep, 30);
}

}  // namespace
}  // namespace tintwatch
