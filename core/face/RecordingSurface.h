#pragma once

#include <string>
#include <vector>

#include "core/face/Surface.h"

namespace tintwatch {

// Keeps every drawing call, with the fill state it was drawn under, so that
// tests can check geometry, colours and order without a display.
class RecordingSurface : public Surface {
 public:
  enum class Kind { Clear, Disc, Pie, Line, Box };
  struct Op {
    Kind kind;
    float a = 0, b = 0, c = 0, d = 0, e = 0;  // Disc: cx cy r; Pie: cx cy r start end; Line/Box: x1 y1 x2 y2
    PackedRGB colour = 0;                     // outline, line or box colour
    bool fillSolid = false;
    PackedRGB fillColour = 0;
  };

  void Clear() override { ops.push_back({Kind::Clear}); }
  void SetFillSolid(bool solid) override { fillSolid_ = solid; }
  void SetFillColour(PackedRGB colour) override { fillColour_ = colour; }
  void SetForeColour(PackedRGB colour) override { foreColour_ = colour; }
  void Disc(float cx, float cy, float radius, PackedRGB outline) override {
    ops.push_back({Kind::Disc, cx, cy, radius, 0, 0, outline, fillSolid_, fillColour_});
  }
  void Pie(float cx, float cy, float radius, float startDeg, float endDeg, PackedRGB outline) override {
    ops.push_back({Kind::Pie, cx, cy, radius, startDeg, endDeg, outline, fillSolid_, fillColour_});
  }
  void Line(float x1, float y1, float x2, float y2) override {
    ops.push_back({Kind::Line, x1, y1, x2, y2, 0, foreColour_, fillSolid_, fillColour_});
  }
  void Box(float x1, float y1, float x2, float y2, PackedRGB colour) override {
    ops.push_back({Kind::Box, x1, y1, x2, y2, 0, colour, fillSolid_, fillColour_});
  }

  std::vector<Op> Of(Kind kind) const {
    std::vector<Op> found;
    for (const Op& op : ops) {
      if (op.kind == kind) found.push_back(op);
    }
    return found;
  }

  std::vector<Op> ops;

 private:
  // A state no drawing may rely on: transparent fill and odd colours, so
  // that a missing set-up call shows in the recorded operations.
  bool fillSolid_ = false;
  PackedRGB fillColour_ = 0x123456;
  PackedRGB foreColour_ = 0x654321;
};

}  // namespace tintwatch
