#pragma once

#include <cstdint>
#include <vector>

namespace tintwatch {

// The see-through window's shape: the picture's non-white pixels as
// rectangles, one for each run of them in a row, a row like the one above
// only making that row's rectangles taller. It is kept from one picture to
// the next, so that a picture changed in a small part is looked at only
// there, and the shape is sent again only when it really differs: a clock
// tick recolours its discs without changing which pixels are white.
class WindowShape {
 public:
  struct Rectangle {
    int x, y, width, height;
    bool operator==(const Rectangle&) const = default;
  };
  // 32-bit pixels (0xAARRGGBB, the alpha byte ignored), `stride` pixels apart
  // from one row to the next.
  struct Pixels {
    const std::uint32_t* data;
    int width, height, stride;
  };

  // Brings the shape up to date with a picture that has changed only within
  // the given rectangle (pixels) since the last update; a picture of another
  // size, or the first one, is looked at whole. True when the shape differs
  // from the one before.
  bool Update(const Pixels& picture, int left, int top, int width, int height);
  // Forgets the shape: the next update looks at the whole picture.
  void Reset();
  const std::vector<Rectangle>& Rectangles() const { return rectangles_; }

 private:
  struct Run {
    int x, width;
    bool operator==(const Run&) const = default;
  };
  using Row = std::vector<Run>;
  // Row y's runs, with those from `left` to `right` (inclusive) found anew.
  bool UpdateRow(const Pixels& picture, int y, int left, int right);
  void MakeRectangles();

  int width_ = -1;
  int height_ = -1;
  std::vector<Row> rows_;
  Row scratch_;  // a row's runs being found, kept for its storage
  std::vector<Rectangle> rectangles_;
};

}  // namespace tintwatch
