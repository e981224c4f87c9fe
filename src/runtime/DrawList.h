#pragma once

#include <vector>

#include "runtime/Picture.h"

namespace quillo::runtime {

// One picture painted onto a form or picture box, in twips of the target.
struct DrawOp {
    Picture picture;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const DrawOp&) const = default;
};

// What PaintPicture drew while AutoRedraw was on; the backend paints it over the background.
class DrawList {
  public:
    const std::vector<DrawOp>& ops() const { return ops_; }
    void add(DrawOp op) { ops_.push_back(std::move(op)); }
    void clear() { ops_.clear(); }

  private:
    std::vector<DrawOp> ops_;
};

}  // namespace quillo::runtime
