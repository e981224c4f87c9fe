#include "runtime/CommonDialog.h"

#include "runtime/Application.h"
#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {

std::string titleOf(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

CommonDialog::CommonDialog(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::CommonDialog, std::move(name), index, container) {}

void CommonDialog::setFileName(std::string value) {
    fileName_ = std::move(value);
    fileTitle_ = titleOf(fileName_);
}

bool CommonDialog::ShowOpen() {
    FileDialogRequest request{
        dialogTitle_, filter_,
        filterIndex_, initDir_.empty() ? std::string() : ResolvePath(initDir_),
        fileName_,    flags_};
    std::optional<std::string> chosen = form().application().backend().dialogs().openFile(request);
    if (chosen) {
        setFileName(*chosen);
        return true;
    }
    if (!cancelError_) setFileName("");
    return false;
}

bool CommonDialog::ShowColor() {
    std::optional<Color> chosen = form().application().backend().dialogs().chooseColor(color_);
    if (!chosen) return false;
    color_ = *chosen;
    return true;
}

}  // namespace quillo::runtime
