// CPU cost of drawing the faces on the raster surface, at the start size and
// at the largest size the window reaches.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/face/ClockFace.h"
#include "core/window/WindowShape.h"
#include "qt/QtSurface.h"

namespace tintwatch {
namespace {

struct Fixture {
  explicit Fixture(int clockSize, int faceType)
      : surface(QSize((2 * clockSize + 50) / 15, (2 * clockSize + 50) / 15), 1.0) {
    face.ClockSize = static_cast<std::int16_t>(clockSize);
    face.FaceType = static_cast<std::int16_t>(faceType);
    surface.Clear();
    face.DrawRim();
    face.DrawClock();
    surface.Image();
  }
  ClockSettings settings;
  ColorConverter converter;
  LabColour lab;
  SystemTimeSource time;
  QtSurface surface;
  ClockFace face{settings, converter, lab, time, surface};
};

void HueTick(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)), 0);
  for (auto _ : state) {
    f.face.DrawClock();
    benchmark::DoNotOptimize(f.surface.Image().constBits());
  }
}

void FullRedraw(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)), 0);
  for (auto _ : state) {
    f.surface.Clear();
    f.face.DrawRim();
    f.face.DrawClock();
    benchmark::DoNotOptimize(f.surface.Image().constBits());
  }
}

void BarFace(benchmark::State& state, int faceType) {
  Fixture f(static_cast<int>(state.range(0)), faceType);
  for (auto _ : state) {
    f.face.DrawClock();
    benchmark::DoNotOptimize(f.surface.Image().constBits());
  }
}

// A see-through tick: the drawing, then the shape brought up to date from
// the part it changed (it stays the same: the discs only change colour).
void SeeThroughHueTick(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)), 0);
  WindowShape shape;
  const auto view = [](const QImage& image) {
    return WindowShape::Pixels{reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(),
                               image.height(), static_cast<int>(image.bytesPerLine() / 4)};
  };
  shape.Update(view(f.surface.Image()), 0, 0, 0, 0);
  f.surface.TakeChangedRect();
  for (auto _ : state) {
    f.face.DrawClock();
    const QRect changed = f.surface.TakeChangedRect();
    benchmark::DoNotOptimize(
        shape.Update(view(f.surface.Image()), changed.x(), changed.y(), changed.width(), changed.height()));
  }
}

void RgbFace(benchmark::State& state) { BarFace(state, 1); }
void LabFace(benchmark::State& state) { BarFace(state, 2); }

BENCHMARK(HueTick)->Arg(800)->Arg(3200)->Arg(25600)->Unit(benchmark::kMicrosecond);
BENCHMARK(SeeThroughHueTick)->Arg(800)->Arg(3200)->Arg(25600)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullRedraw)->Arg(800)->Arg(25600)->Unit(benchmark::kMicrosecond);
BENCHMARK(RgbFace)->Arg(800)->Arg(25600)->Unit(benchmark::kMicrosecond);
BENCHMARK(LabFace)->Arg(800)->Arg(25600)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tintwatch

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
