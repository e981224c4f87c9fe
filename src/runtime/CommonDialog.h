#pragma once

#include <string>

#include "runtime/Control.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// The platform's file-open and colour dialogs, shown modally through the backend's dialog
// services. A cancelled dialog returns false from Show...; without CancelError it also empties
// FileName and FileTitle (the colour stays), so a program that tests for an empty name sees the
// cancel; with CancelError the properties keep their values and the result is the only sign.
class CommonDialog : public Control {
  public:
    CommonDialog(Form& form, std::string name, int index, Control* container);

    // Pairs of description and patterns: "Pictures|*.bmp;*.gif|All files|*.*".
    const std::string& Filter() const { return filter_; }
    void setFilter(std::string value) { filter_ = std::move(value); }
    int FilterIndex() const { return filterIndex_; }
    void setFilterIndex(int value) { filterIndex_ = value; }
    // The chosen file's full path; before showing, the proposed name or a pattern ("*.tz3").
    const std::string& FileName() const { return fileName_; }
    void setFileName(std::string value);
    // The chosen file's name without its folder.
    const std::string& FileTitle() const { return fileTitle_; }
    const std::string& InitDir() const { return initDir_; }
    void setInitDir(std::string value) { initDir_ = std::move(value); }
    const std::string& DialogTitle() const { return dialogTitle_; }
    void setDialogTitle(std::string value) { dialogTitle_ = std::move(value); }
    long Flags() const { return flags_; }
    void setFlags(long value) { flags_ = value; }
    bool CancelError() const { return cancelError_; }
    void setCancelError(bool value) { cancelError_ = value; }
    Color getColor() const { return color_; }
    void setColor(Color value) { color_ = value; }

    // Each returns true when the user chose, false when the dialog was cancelled.
    bool ShowOpen();
    bool ShowColor();

  private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    std::string fileTitle_;
    std::string initDir_;
    std::string dialogTitle_;
    long flags_ = 0;
    bool cancelError_ = false;
    Color color_ = 0;
};

}  // namespace quillo::runtime
