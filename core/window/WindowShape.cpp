#include "core/window/WindowShape.h"

#include <algorithm>
#include <cstddef>

namespace tintwatch {

namespace {

bool IsWhite(std::uint32_t pixel) { return (pixel | 0xff000000u) == 0xffffffffu; }

}  // namespace

void WindowShape::Reset() {
  width_ = -1;
  height_ = -1;
  rows_.clear();
  rectangles_.clear();
}

bool WindowShape::Update(const Pixels& picture, int left, int top, int width, int height) {
  bool changed = false;
  if (picture.width != width_ || picture.height != height_) {
    // A new size is a new shape, looked at whole.
    width_ = picture.width;
    height_ = picture.height;
    rows_.assign(static_cast<std::size_t>(std::max(0, height_)), Row());
    left = 0;
    top = 0;
    width = width_;
    height = height_;
    changed = true;
  }
  const int right = std::min(left + width, width_) - 1;
  const int bottom = std::min(top + height, height_) - 1;
  left = std::max(0, left);
  top = std::max(0, top);
  if (left <= right) {
    for (int y = top; y <= bottom; ++y) changed |= UpdateRow(picture, y, left, right);
  }
  if (changed) MakeRectangles();
  return changed;
}

bool WindowShape::UpdateRow(const Pixels& picture, int y, int left, int right) {
  Row& row = rows_[static_cast<std::size_t>(y)];
  scratch_.clear();
  // A run that reaches the edge of the part looked at joins the run beside it.
  auto add = [this](int x, int width) {
    if (!scratch_.empty() && scratch_.back().x + scratch_.back().width == x) {
      scratch_.back().width += width;
    } else {
      scratch_.push_back({x, width});
    }
  };
  for (const Run& run : row) {
    if (run.x < left) add(run.x, std::min(run.x + run.width, left) - run.x);
  }
  const std::uint32_t* pixels = picture.data + static_cast<std::ptrdiff_t>(y) * picture.stride;
  for (int x = left; x <= right;) {
    if (IsWhite(pixels[x])) {
      ++x;
      continue;
    }
    const int start = x;
    while (x <= right && !IsWhite(pixels[x])) ++x;
    add(start, x - start);
  }
  for (const Run& run : row) {
    const int start = std::max(run.x, right + 1);
    if (run.x + run.width > start) add(start, run.x + run.width - start);
  }
  if (scratch_ == row) return false;
  row.swap(scratch_);
  return true;
}

void WindowShape::MakeRectangles() {
  rectangles_.clear();
  std::size_t band = 0;  // where the previous row's rectangles start
  for (int y = 0; y < height_; ++y) {
    const Row& row = rows_[static_cast<std::size_t>(y)];
    const std::size_t start = rectangles_.size();
    const bool sameAsAbove =
        !row.empty() && row.size() == start - band &&
        std::equal(row.begin(), row.end(), rectangles_.begin() + static_cast<std::ptrdiff_t>(band),
                   [](const Run& run, const Rectangle& above) { return run.x == above.x && run.width == above.width; });
    if (sameAsAbove) {
      for (std::size_t i = band; i < start; ++i) ++rectangles_[i].height;
      continue;
    }
    band = start;
    for (const Run& run : row) rectangles_.push_back({run.x, y, run.width, 1});
  }
}

}  // namespace tintwatch
