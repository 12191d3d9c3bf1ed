// Reads the seconds ring of a running clock from the X server, against the
// real wall clock: at each tick's boundary it polls until the ring shows the
// new second (the delay from the second's start to the face showing it), and
// 300 ms and 700 ms into every second it checks that the ring names the
// second that began last (the tick rate's second: an even one at 2 s). The
// ring's colours are the face's own, at the default levels (100/100).
//   second_probe WINDOW X Y SECONDS [RATE]
// Prints "samples N other W delay median M worst X ticks K"; exits 1 when a
// sample showed another second or a tick never showed.
//   second_probe WINDOW X Y wake ROUNDS
// Turns the server's screen saver on, and 2 s later (at another point of
// the second each round) off, and times each return: from the moment before
// the request that ends the screen saver to the first reading of the ring
// that names the present second. Prints "wakes N median M worst X"; exits 1
// when the right second did not show within a second.
//   second_probe WINDOW X Y now
// Exits 0 when the ring names the present second, 1 when it does not.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/face/ClockFace.h"
#include "core/face/RecordingSurface.h"

namespace {

using namespace tintwatch;

std::int64_t WallMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now.tv_sec * 1000LL + now.tv_nsec / 1'000'000;
}

double WallMillisecondsExact() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

void SleepUntil(std::int64_t epochMilliseconds) {
  const timespec at{static_cast<time_t>(epochMilliseconds / 1000), static_cast<long>(epochMilliseconds % 1000) * 1'000'000};
  while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &at, nullptr) != 0) {
  }
}

// rrggbb of each second's colour, as the face draws it at the default levels.
std::map<std::uint32_t, int> SecondColours() {
  std::map<std::uint32_t, int> seconds;
  ClockSettings settings;
  const ColorConverter converter;
  LabColour lab;
  for (int s = 0; s < 60; ++s) {
    const FixedTimeSource time({0, 0, s});
    RecordingSurface surface;
    ClockFace face(settings, converter, lab, time, surface);
    face.DrawClock();
    const PackedRGB colour = face.SecondColour();
    seconds[((colour & 0xff) << 16) | (colour & 0xff00) | ((colour >> 16) & 0xff)] = s;
  }
  return seconds;
}

class Probe {
 public:
  Probe(xcb_window_t window, int x, int y) : window_(window), x_(x), y_(y) {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
      std::fprintf(stderr, "no X server\n");
      std::exit(2);
    }
  }
  ~Probe() { xcb_disconnect(connection_); }

  void ScreenSaver(bool on) {
    xcb_force_screen_saver(connection_, on ? XCB_SCREEN_SAVER_ACTIVE : XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection_);
  }

  // The pixel as rrggbb (a 24-bit TrueColor screen), or nothing when the
  // window cannot be read.
  std::optional<std::uint32_t> Pixel() {
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection_, xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, static_cast<std::int16_t>(x_),
                                   static_cast<std::int16_t>(y_), 1, 1, ~0u),
        nullptr);
    if (!reply) return std::nullopt;
    std::optional<std::uint32_t> pixel;
    if (xcb_get_image_data_length(reply) >= 4) {
      const std::uint8_t* data = xcb_get_image_data(reply);
      pixel = (static_cast<std::uint32_t>(data[2]) << 16) | (data[1] << 8) | data[0];
    }
    free(reply);
    return pixel;
  }

 private:
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t window_;
  int x_;
  int y_;
};

}  // namespace

// The screen saver's end, timed ROUNDS times.
int Wakes(Probe& probe, const std::map<std::uint32_t, int>& colours, int rounds) {
  std::vector<double> delays;
  int late = 0;
  for (int round = 0; round < rounds; ++round) {
    probe.ScreenSaver(true);
    // Long enough for the clock to have gone to sleep; each round ends the
    // screen saver at another point of the second.
    const std::int64_t end = (WallMilliseconds() / 1000 + 2) * 1000 + (round * 97 + 13) % 1000;
    SleepUntil(end);
    const double from = WallMillisecondsExact();
    probe.ScreenSaver(false);
    for (;;) {
      const std::optional<std::uint32_t> pixel = probe.Pixel();
      const double at = WallMillisecondsExact();
      const auto found = pixel ? colours.find(*pixel) : colours.end();
      if (found != colours.end() && found->second == static_cast<int>(static_cast<std::int64_t>(at) / 1000 % 60)) {
        delays.push_back(at - from);
        break;
      }
      if (at > from + 1000) {
        std::printf("round %d: the present second did not show\n", round);
        ++late;
        break;
      }
    }
  }
  std::sort(delays.begin(), delays.end());
  std::printf("wakes %zu median %.1f worst %.1f\n", delays.size(),
              delays.empty() ? 0 : delays[(delays.size() - 1) / 2], delays.empty() ? 0 : delays.back());
  return late == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: %s WINDOW X Y SECONDS [RATE]\n       %s WINDOW X Y wake ROUNDS\n       %s WINDOW X Y now\n", argv[0],
                 argv[0], argv[0]);
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  if (std::string(argv[4]) == "now" && argc == 5) {
    Probe probe(window, std::atoi(argv[2]), std::atoi(argv[3]));
    const std::map<std::uint32_t, int> colours = SecondColours();
    const std::int64_t before = WallMilliseconds() / 1000 % 60;
    const std::optional<std::uint32_t> pixel = probe.Pixel();
    const std::int64_t after = WallMilliseconds() / 1000 % 60;
    const auto found = pixel ? colours.find(*pixel) : colours.end();
    // A reading across a boundary may see either side of it.
    return found != colours.end() && (found->second == before || found->second == after) ? 0 : 1;
  }
  if (std::string(argv[4]) == "wake") {
    if (argc != 6) return 2;
    Probe probe(window, std::atoi(argv[2]), std::atoi(argv[3]));
    return Wakes(probe, SecondColours(), std::atoi(argv[5]));
  }
  const int seconds = std::atoi(argv[4]);
  const int rate = argc == 6 ? std::max(1, std::atoi(argv[5])) : 1;
  Probe probe(window, std::atoi(argv[2]), std::atoi(argv[3]));
  const std::map<std::uint32_t, int> colours = SecondColours();
  const auto shown = [&](std::optional<std::uint32_t> pixel) {
    const auto found = pixel ? colours.find(*pixel) : colours.end();
    return found == colours.end() ? -1 : found->second;
  };
  // The second the face should show at a wall-clock time: the last tick's.
  const auto due = [&](std::int64_t ms) {
    const std::int64_t second = ms / 1000;
    return static_cast<int>(second / rate * rate % 60);
  };
  const auto clockText = [](std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(ms / 3'600'000 % 24),
                  static_cast<int>(ms / 60'000 % 60), static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000));
    return std::string(text);
  };

  int samples = 0;
  int other = 0;
  int missed = 0;
  std::vector<double> delays;
  const std::int64_t first = WallMilliseconds() / 1000 + 1;
  for (std::int64_t second = first; second < first + seconds; ++second) {
    const std::int64_t boundary = second * 1000;
    if (second % rate == 0) {
      // From just before the boundary until the new second shows.
      SleepUntil(boundary - 5);
      const int expected = due(boundary);
      for (;;) {
        const int seen = shown(probe.Pixel());
        const double after = WallMillisecondsExact();
        if (seen == expected) {
          delays.push_back(std::max(0.0, after - static_cast<double>(boundary)));
          break;
        }
        if (after > boundary + 1000) {
          std::printf("the second %s never showed: %d seen\n", clockText(boundary).c_str(), seen);
          ++missed;
          break;
        }
      }
    }
    for (const int into : {300, 700}) {
      SleepUntil(boundary + into);
      const std::int64_t before = WallMilliseconds();
      const int seen = shown(probe.Pixel());
      const std::int64_t after = WallMilliseconds();
      ++samples;
      // A request delayed across a boundary may see either side of it.
      if (seen != due(before) && seen != due(after)) {
        ++other;
        std::printf("at %s the face shows second %d, not %d\n", clockText(before).c_str(), seen, due(before));
      }
    }
  }
  std::sort(delays.begin(), delays.end());
  const double median = delays.empty() ? 0 : delays[(delays.size() - 1) / 2];
  const double worst = delays.empty() ? 0 : delays.back();
  std::printf("samples %d other %d delay median %.1f worst %.1f ticks %zu\n", samples, other, median, worst,
              delays.size());
  return other == 0 && missed == 0 ? 0 : 1;
}
