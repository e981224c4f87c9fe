#include "shared/mdiGraphicFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Picture.h"
#include "runtime/PictureBox.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

using runtime::Control;
using runtime::Form;
using runtime::Picture;
using runtime::PictureBox;

struct Size {
    std::int64_t width;
    std::int64_t height;
};

// A form or a picture box, the two things a picture can be painted on.
class Canvas {
  public:
    explicit Canvas(Control& target)
        : form_(dynamic_cast<Form*>(&target)), box_(dynamic_cast<PictureBox*>(&target)) {}

    double scaleWidth() const { return form_ ? form_->ScaleWidth() : box_->ScaleWidth(); }
    double scaleHeight() const { return form_ ? form_->ScaleHeight() : box_->ScaleHeight(); }
    void setAutoRedraw(bool on) { form_ ? form_->setAutoRedraw(on) : box_->setAutoRedraw(on); }
    void paint(const Picture& picture, double x, double y, double width, double height) {
        if (form_)
            form_->PaintPicture(picture, x, y, width, height);
        else
            box_->PaintPicture(picture, x, y, width, height);
    }

  private:
    Form* form_;
    PictureBox* box_;
};

void showMessage(const std::string& text, runtime::MsgBoxIcon icon = runtime::MsgBoxIcon::None) {
    runtime::app().backend().dialogs().messageBox(text, runtime::MsgBoxButtons::OK, icon, "");
}

// A size in twips as a whole 32-bit number, halves going to the even neighbour.
std::optional<std::int64_t> wholeTwips(double twips) {
    double rounded = std::nearbyint(twips);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

std::optional<Size> drawingArea(Control& target, bool useScale) {
    Canvas canvas(target);
    std::optional<std::int64_t> width = wholeTwips(useScale ? canvas.scaleWidth() : target.Width());
    std::optional<std::int64_t> height =
        wholeTwips(useScale ? canvas.scaleHeight() : target.Height());
    if (!width || !height) return std::nullopt;
    return Size{*width, *height};
}

std::optional<Size> pictureTwips(const Picture& picture) {
    std::optional<std::int32_t> width = CheckedPixelsToTwips(picture.widthPx);
    std::optional<std::int32_t> height = CheckedPixelsToTwips(picture.heightPx);
    if (!width || !height) return std::nullopt;
    return Size{*width, *height};
}

// Tiles overlap their neighbours by one pixel; a step is never shorter than one pixel, so a
// picture one pixel wide still moves on.
void tile(Canvas& canvas, const Picture& picture, Size own, Size area) {
    std::int64_t pixel = PixelsToTwips(1);
    std::int64_t stepX = std::max(own.width - pixel, pixel);
    std::int64_t stepY = std::max(own.height - pixel, pixel);
    for (std::int64_t x = 0; x < area.width; x += stepX)
        for (std::int64_t y = 0; y < area.height; y += stepY)
            canvas.paint(picture, static_cast<double>(x), static_cast<double>(y),
                         static_cast<double>(own.width), static_cast<double>(own.height));
}

// False when the picture's size cannot be taken in twips.
bool paintByMode(Canvas& canvas, const Picture& picture, int mode, Size area) {
    if (mode != kDrawStretch && mode != kDrawCentre && mode != kDrawTile) return true;
    std::optional<Size> own = pictureTwips(picture);
    if (!own) return false;
    canvas.setAutoRedraw(true);
    if (mode == kDrawStretch)
        canvas.paint(picture, 0, 0, static_cast<double>(area.width),
                     static_cast<double>(area.height));
    else if (mode == kDrawCentre)
        canvas.paint(picture, static_cast<double>(area.width - own->width) / 2,
                     static_cast<double>(area.height - own->height) / 2,
                     static_cast<double>(own->width), static_cast<double>(own->height));
    else
        tile(canvas, picture, *own, area);
    canvas.setAutoRedraw(false);
    return true;
}

}  // namespace

bool IsForm(const Control& object) {
    return dynamic_cast<const Form*>(&object) != nullptr;
}

bool IsPictureBox(const Control& object) {
    return dynamic_cast<const PictureBox*>(&object) != nullptr;
}

bool HasScaleProperties(const Control& object) {
    return IsForm(object) || IsPictureBox(object);
}

bool CanLoadPicture(const std::string& fileName) {
    std::optional<Picture> picture = runtime::LoadPicture(fileName);
    return picture && !picture->empty();
}

bool DrawPicture(Control& Target, const std::string& FileName, int Mode, bool UseScale,
                 bool ShowErrors) {
    if (!IsForm(Target) && !IsPictureBox(Target)) {
        if (ShowErrors) showMessage("Target must be either a Form or a PictureBox.");
        return false;
    }
    if (!CanLoadPicture(FileName)) {
        if (ShowErrors) showMessage("Cannot load picture from file [" + FileName + "]");
        return false;
    }
    std::optional<Picture> picture = runtime::LoadPicture(FileName);
    std::optional<Size> area = drawingArea(Target, UseScale && HasScaleProperties(Target));
    Canvas canvas(Target);
    if (!picture || picture->empty() || !area || !paintByMode(canvas, *picture, Mode, *area)) {
        if (ShowErrors)
            showMessage("An unexpected error has occured in Function DrawPicture",
                        runtime::MsgBoxIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace quillo
