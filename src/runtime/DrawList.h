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
    // Adds a picture at (x, y); a negative width or height takes the picture's own, converted
    // with the given twips per pixel. False for the empty picture, which paints nothing.
    bool paint(const Picture& picture, double x, double y, double width, double height,
               double twipsPerPixelX, double twipsPerPixelY) {
        if (picture.empty()) return false;
        add({picture, x, y, width < 0 ? picture.widthPx * twipsPerPixelX : width,
             height < 0 ? picture.heightPx * twipsPerPixelY : height});
        return true;
    }
    void clear() { ops_.clear(); }

  private:
    std::vector<DrawOp> ops_;
};

}  // namespace quillo::runtime
