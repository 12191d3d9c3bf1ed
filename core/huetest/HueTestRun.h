#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/face/ClockFace.h"
#include "core/face/Surface.h"
#include "core/huetest/HueTestState.h"
#include "core/huetest/IntervalTimer.h"
#include "core/huetest/Random.h"

namespace tintwatch {

// What a run needs from the window: the two modal boxes and the full redraw.
class HueTestPort {
 public:
  virtual ~HueTestPort() = default;
  // "Press okay to continue ..."; returns when the box has been closed.
  virtual void ShowPauseBox() = 0;
  // The Tester dialog, modal, showing ResultText; returns when it has closed.
  virtual void ShowResultDialog() = 0;
  virtual void Redraw() = 0;
};

inline constexpr const char* kPauseText = "Press okay to continue and then the colour will change in 1-2 secs";
inline constexpr const char* kAllSeenText =
    "You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that "
    "changes things.";

// The result's words: whole sentences with numbered places, so that a
// language can order them its own way, word the number as its plural forms
// want and list the hues as it lists things; the defaults are the English
// ones.
struct ResultWording {
  // The sentence for this many changes missed, the number in it; %1 the
  // hues where they were missed.
  std::function<std::string(int missed)> missed = [](int count) {
    return "These are the " + std::to_string(count) + " changes of colour you missed, when it changed to %1";
  };
  // The same with the hues where a key was pressed more than once: %1 the
  // missed hues, %2 those.
  std::function<std::string(int missed)> missedAndTwice = [](int count) {
    return "These are the " + std::to_string(count) +
           " changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2";
  };
  // A list of hues in degrees; English sets each apart by a space on both
  // sides (" 30  90 ").
  std::function<std::string(const std::vector<int>& hues)> list = [](const std::vector<int>& hues) {
    std::string listed;
    for (const int hue : hues) {
      // Appended in place: g++ 12 at -O3 warns falsely (-Wrestrict) inside
      // libstdc++ on a string literal prepended to a temporary string.
      listed += ' ';
      listed += std::to_string(hue);
      listed += ' ';
    }
    return listed;
  };
  std::string allSeen = kAllSeenText;
};

// The result for the hues missed and those that got a key twice or more (in
// the order they came); nothing missed is allSeen.
std::string ResultSentence(const ResultWording& words, const std::vector<int>& missed,
                           const std::vector<int>& twice);

// One run of the hue check test: the face becomes one circle whose hue steps
// round the wheel at random intervals while key presses are counted; at the
// end the missed changes are painted and listed.
class HueTestRun {
 public:
  static constexpr int kCounters = 63;

  HueTestRun(HueTestState& state, ClockFace& face, Surface& surface, IntervalTimer& timer1,
             IntervalTimer& timer2, RandomSource& random, HueTestPort& port)
      : state_(state), face_(face), surface_(surface), timer1_(timer1), timer2_(timer2), random_(random),
        port_(port) {}

  void StartHueTest();
  void Timer2_Timer();
  // The test branch of the key-down handler: any key counts.
  void Picture1_KeyDown();
  void DrawHueSector(std::int16_t step);
  void FinishHueTest();

  std::int16_t StepIndex = 0;
  std::int16_t ShownSincePause = 0;
  std::array<std::int16_t, kCounters> KeyCounts{};
  ResultWording Wording;

 private:
  void ShowNextColour();
  void Pause();
  int NextInterval();

  HueTestState& state_;
  ClockFace& face_;
  Surface& surface_;
  IntervalTimer& timer1_;
  IntervalTimer& timer2_;
  RandomSource& random_;
  HueTestPort& port_;
};

}  // namespace tintwatch
