#pragma once

#include <functional>
#include <memory>

namespace tintwatch {

// One clock per settings file. The file lives in the current folder, so the
// folder itself (not the text of its path) is claimed for as long as the
// program runs; a later start there asks the running clock to come forward
// instead of starting a second one, whose Exit would overwrite the first's.
class SingleClock {
 public:
  SingleClock();
  ~SingleClock();
  SingleClock(const SingleClock&) = delete;
  SingleClock& operator=(const SingleClock&) = delete;

  // Claims the current folder for this program. False when a clock already
  // runs on it: that clock has been asked to come forward (when it can be
  // reached: not from another display), and this start is to end. A folder
  // that cannot be told apart or has no locks starts as usual. Needs the
  // application object.
  bool Claim();
  // What to do when a later start asks; a request that came before this is
  // answered now.
  void WhenAsked(std::function<void()> comeForward);

  class Platform;

 private:
  std::unique_ptr<Platform> platform_;
};

}  // namespace tintwatch
