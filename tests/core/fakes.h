#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/huetest/IntervalTimer.h"
#include "core/huetest/Random.h"
#include "core/window/ClockWindow.h"

namespace tintwatch {

// A timer that only records what is asked of it.
class FakeTimer : public IntervalTimer {
 public:
  void SetInterval(int milliseconds) override {
    interval = milliseconds;
    ++restarts;
  }
  int Interval() const override { return interval; }
  void SetEnabled(bool on) override {
    if (on && !enabled) ++restarts;
    enabled = on;
  }
  bool Enabled() const override { return enabled; }
  void SetAsleep(bool on) override {
    if (!on && asleep) ++restarts;
    asleep = on;
  }
  bool Asleep() const override { return asleep; }
  bool Ticking() const { return enabled && interval > 0 && !asleep; }

  int interval = 0;
  bool enabled = true;
  bool asleep = false;
  int restarts = 0;
};

// Random numbers from a script, then the last one again.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values = {0.5f}) : values_(std::move(values)) {}
  float Next() override {
    const float value = values_[next_ < values_.size() ? next_ : values_.size() - 1];
    ++next_;
    return value;
  }

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
};

// The window as the core sees it, with a log of every call.
class FakeWindow : public WindowPort {
 public:
  void ShowWelcome() override { log.push_back("welcome"); }
  std::vector<PlaceRect> Screens(bool freeAreaOnly) const override { return freeAreaOnly ? freeAreas : screens; }
  void MoveTo(double l, double t) override {
    left = l;
    top = t;
    log.push_back("move " + std::to_string(static_cast<int>(l)) + " " + std::to_string(static_cast<int>(t)));
  }
  double Left() const override { return left; }
  double Top() const override { return top; }
  double Width() const override { return width; }
  double Height() const override { return height; }
  void Resize(double w, double h) override {
    // As a platform does: whole pixels of 15 twips, at least one.
    width = std::max(1.0, static_cast<double>(static_cast<long>(w / 15 + 0.5))) * 15;
    height = std::max(1.0, static_cast<double>(static_cast<long>(h / 15 + 0.5))) * 15;
    log.push_back("resize " + std::to_string(static_cast<int>(width)) + " " + std::to_string(static_cast<int>(height)));
  }
  void SetOnTop(bool onTop) override { log.push_back(onTop ? "top on" : "top off"); }
  void MakeTransparent() override { log.push_back("transparent"); }
  void MakeOpaque() override { log.push_back("opaque"); }
  void ShowPopupMenu(bool onTop, bool expert, bool white) override {
    log.push_back(std::string("menu ") + (onTop ? "T" : "t") + (expert ? "E" : "e") + (white ? "W" : "w"));
  }
  void StartMove() override { log.push_back("move start"); }
  void ShowOptions() override {
    log.push_back("options");
    if (onOptions) onOptions();
  }
  void ShowTester(bool modal) override {
    log.push_back(modal ? "tester modal" : "tester");
    if (modal && onResult) onResult();
  }
  void ShowAbout() override { log.push_back("about"); }
  void CloseAbout() override { log.push_back("close about"); }
  std::string HelpAddress() const override { return "file:///help.html"; }
  void OpenAddress(const std::string& address) override { log.push_back("open " + address); }
  void CloseWindow() override { log.push_back("close"); }
  void ShowPauseBox() override {
    log.push_back("pause");
    if (onPause) onPause();
  }

  void ShowSaveFailed(const std::string& file, const std::string& reason) override {
    log.push_back("save failed " + file + ": " + reason);
  }

  bool Logged(const std::string& entry) const {
    for (const std::string& e : log) {
      if (e == entry) return true;
    }
    return false;
  }

  std::vector<std::string> log;
  double left = 0, top = 0, width = 1650, height = 1650;
  // One 1920 x 1080 screen with a panel 30 pixels high along its top.
  std::vector<PlaceRect> screens = {{0, 0, 1920 * 15, 1080 * 15}};
  std::vector<PlaceRect> freeAreas = {{0, 30 * 15, 1920 * 15, 1050 * 15}};
  std::function<void()> onOptions, onResult, onPause;
};

}  // namespace tintwatch
