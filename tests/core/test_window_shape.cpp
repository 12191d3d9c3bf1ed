#include "core/window/WindowShape.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tintwatch {
namespace {

constexpr std::uint32_t kWhite = 0xffffffff;

struct Picture {
  int width, height;
  std::vector<std::uint32_t> pixels;
  Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), kWhite) {}
  WindowShape::Pixels View() const { return {pixels.data(), width, height, width}; }
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Every non-white pixel lies in exactly one rectangle, and no white one in any.
void ExpectCoversExactlyTheColour(const std::vector<WindowShape::Rectangle>& shape, Picture picture) {
  std::vector<int> cover(picture.pixels.size(), 0);
  for (const auto& r : shape) {
    ASSERT_GT(r.width, 0);
    ASSERT_GT(r.height, 0);
    for (int y = r.y; y < r.y + r.height; ++y) {
      for (int x = r.x; x < r.x + r.width; ++x) ++cover[static_cast<std::size_t>(y * picture.width + x)];
    }
  }
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      ASSERT_EQ(cover[static_cast<std::size_t>(y * picture.width + x)], (picture.At(x, y) | 0xff000000) == kWhite ? 0 : 1)
          << "at " << x << "," << y;
    }
  }
}

TEST(WindowShapeTest, KeptShapeFollowsChangesSeenOnlyWhereTheyHappen) {
  // Boxes of white, of colour and of a near-white (one channel short of
  // white, not a hole) drawn at random; after each, the shape is told only
  // the box. It must be the shape of the whole picture made afresh, report
  // a change exactly when its rectangles change, and its rectangles must
  // cover exactly the coloured pixels, runs in a row as one.
  std::mt19937 random(7);
  Picture picture(37, 23);
  WindowShape kept;
  EXPECT_TRUE(kept.Update(picture.View(), 0, 0, 0, 0));  // a first picture is a new shape, here none
  EXPECT_TRUE(kept.Rectangles().empty());
  const std::uint32_t colours[] = {kWhite, 0x00ffffff, 0xff00ff00, 0xfffffffe, 0xff000000};
  for (int step = 0; step < 2000; ++step) {
    const int left = static_cast<int>(random() % 37), top = static_cast<int>(random() % 23);
    const int width = 1 + static_cast<int>(random() % 12), height = 1 + static_cast<int>(random() % 6);
    const std::uint32_t colour = colours[random() % 5];
    for (int y = top; y < std::min(top + height, picture.height); ++y) {
      for (int x = left; x < std::min(left + width, picture.width); ++x) {
        // A changed box may leave some of its pixels as they were.
        if (random() % 4) picture.At(x, y) = colour;
      }
    }
    const auto before = kept.Rectangles();
    const bool changed = kept.Update(picture.View(), left, top, width, height);
    WindowShape fresh;
    fresh.Update(picture.View(), 0, 0, picture.width, picture.height);
    ASSERT_EQ(kept.Rectangles(), fresh.Rectangles()) << "step " << step;
    ASSERT_EQ(changed, before != kept.Rectangles()) << "step " << step;
    if (step % 100 == 0) ExpectCoversExactlyTheColour(kept.Rectangles(), picture);
  }
  ExpectCoversExactlyTheColour(kept.Rectangles(), picture);
}

TEST(WindowShapeTest, SizeAndResetLookAtTheWholePicture) {
  Picture picture(8, 6);
  picture.At(2, 3) = 0xff123456;
  WindowShape shape;
  // Told nothing changed, a first picture is still looked at whole.
  EXPECT_TRUE(shape.Update(picture.View(), 0, 0, 0, 0));
  EXPECT_EQ(shape.Rectangles(), (std::vector<WindowShape::Rectangle>{{2, 3, 1, 1}}));
  // The same white pixels in other colours: not a new shape.
  picture.At(2, 3) = 0xff654321;
  EXPECT_FALSE(shape.Update(picture.View(), 0, 0, 8, 6));
  // A change outside the part told of is not seen until the shape is reset.
  picture.At(7, 5) = 0xff000000;
  EXPECT_FALSE(shape.Update(picture.View(), 0, 0, 7, 5));
  shape.Reset();
  EXPECT_TRUE(shape.Update(picture.View(), 0, 0, 0, 0));
  EXPECT_EQ(shape.Rectangles(), (std::vector<WindowShape::Rectangle>{{2, 3, 1, 1}, {7, 5, 1, 1}}));
  // Another size: a new shape, looked at whole, even when it has the same
  // rectangles.
  Picture wider(9, 6);
  wider.At(2, 3) = wider.At(7, 5) = 0xff000000;
  EXPECT_TRUE(shape.Update(wider.View(), 0, 0, 0, 0));
  EXPECT_EQ(shape.Rectangles(), (std::vector<WindowShape::Rectangle>{{2, 3, 1, 1}, {7, 5, 1, 1}}));
}

}  // namespace
}  // namespace tintwatch
