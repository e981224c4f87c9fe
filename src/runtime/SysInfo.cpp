#include "runtime/SysInfo.h"

#include "runtime/Application.h"

namespace quillo::runtime {

namespace {

RectPx workArea(const Control& control) {
    return control.form().application().backend().windows().workArea();
}

const Screen& screenOf(const Control& control) {
    return control.form().application().screen();
}

}  // namespace

SysInfo::SysInfo(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::SysInfo, std::move(name), index, container) {}

double SysInfo::WorkAreaLeft() const {
    return workArea(*this).left * screenOf(*this).TwipsPerPixelX;
}

double SysInfo::WorkAreaTop() const {
    return workArea(*this).top * screenOf(*this).TwipsPerPixelY;
}

double SysInfo::WorkAreaWidth() const {
    return workArea(*this).width * screenOf(*this).TwipsPerPixelX;
}

double SysInfo::WorkAreaHeight() const {
    return workArea(*this).height * screenOf(*this).TwipsPerPixelY;
}

}  // namespace quillo::runtime
