#include "core/huetest/HueTestRun.h"

#include <limits>
#include <string>
#include <vector>

#include "core/face/TimeInWords.h"

namespace tintwatch {

std::string ResultSentence(const ResultWording& words, const std::vector<int>& missed,
                           const std::vector<int>& twice) {
  const int count = static_cast<int>(missed.size());
  if (count == 0) return words.allSeen;
  if (twice.empty()) return FillIn(words.missed(count), {words.list(missed)});
  return FillIn(words.missedAndTwice(count), {words.list(missed), words.list(twice)});
}

void HueTestRun::StartHueTest() {
  timer1_.SetEnabled(false);
  timer2_.SetInterval(1250);
  StepIndex = 0;
  ShownSincePause = 0;
  state_.TestActive = true;
  timer2_.SetEnabled(true);
}

int HueTestRun::NextInterval() { return 1250 + RandomBetween(random_, 0, 750); }

void HueTestRun::Timer2_Timer() {
  // A step of 0 (never set up) would never pass 360: the counters' end stops it.
  if (StepIndex * state_.HueStep > 360 || StepIndex >= kCounters - 1) {
    timer2_.SetEnabled(false);
    FinishHueTest();
    state_.ResultText.clear();
    if (state_.TestActive) {
      StartHueTest();
    } else {
      timer1_.SetEnabled(true);
      port_.Redraw();
    }
    return;
  }
  surface_.SetFillSolid(true);
  const int every = state_.PauseAfter + 1;
  // A divisor of 0 would be a pause number of -1: such a run never pauses.
  if (ShownSincePause == 0 || every == 0 || ShownSincePause % every != 0) {
    ShowNextColour();
  } else {
    Pause();
  }
}

void HueTestRun::ShowNextColour() {
  const double size = face_.ClockSize;
  const PackedRGB colour = face_.WheelColour(static_cast<std::int16_t>(StepIndex * state_.HueStep));
  surface_.SetFillColour(colour);
  surface_.Disc(static_cast<float>(size), static_cast<float>(size), static_cast<float>(size), colour);
  KeyCounts[StepIndex] = 0;
  ++ShownSincePause;
  ++StepIndex;
  timer2_.SetInterval(0);
  timer2_.SetInterval(NextInterval());
}

void HueTestRun::Pause() {
  // No step may come while the box is open.
  timer2_.SetInterval(0);
  port_.ShowPauseBox();
  timer2_.SetInterval(NextInterval());
  timer2_.SetEnabled(true);
  ShownSincePause = 0;
}

void HueTestRun::Picture1_KeyDown() {
  if (StepIndex == 0) return;  // before the first colour
  std::int16_t& count = KeyCounts[StepIndex - 1];
  if (count < std::numeric_limits<std::int16_t>::max()) ++count;
}

void HueTestRun::DrawHueSector(std::int16_t step) {
  face_.DrawWheelSegment(face_.ClockSize, static_cast<std::int16_t>(state_.HueStep * step), state_.HueStep);
}

void HueTestRun::FinishHueTest() {
  std::vector<int> missed;
  surface_.Clear();
  for (int i = 1; i <= StepIndex - 1; ++i) {
    if (KeyCounts[i] == 0) {
      DrawHueSector(static_cast<std::int16_t>(i - 1));
      DrawHueSector(static_cast<std::int16_t>(i));
      missed.push_back(i * state_.HueStep);
    }
  }
  std::vector<int> twice;
  if (!missed.empty()) {
    face_.DrawSpokes(face_.ClockSize, state_.HueStep > 0 ? state_.HueStep : 360);
    for (int k = 1; k <= StepIndex - 1; ++k) {
      if (KeyCounts[k] > 1) twice.push_back(k * state_.HueStep);
    }
  }
  state_.ResultText = ResultSentence(Wording, missed, twice);
  port_.ShowResultDialog();
}

}  // namespace tintwatch
