#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/EntryListWidget.h"

namespace quillo::runtime {
class FileListBox;
}

namespace quillo::qt {

// A file list box: the names of the files the model lists, the chosen one selected.
class FileListBoxWidget : public EntryListWidget {
    Q_OBJECT
  public:
    explicit FileListBoxWidget(runtime::FileListBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

  protected:
    int rowCount() const override;
    QString rowText(int row) const override;
    bool rowChosen(int row) const override;
    int currentRow() const override;
    void rowClicked(int row, int shift) override;
    void rowDoubleClicked(int row) override;

  private:
    runtime::FileListBox* box() const;
};

}  // namespace quillo::qt
