#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/EntryListWidget.h"

namespace quillo::runtime {
class DirListBox;
}

namespace quillo::qt {

// A folder list box: the folders from the top down to the current one, each indented below the
// one above, then the current folder's sub-folders. A double-click opens a folder of either kind.
class DirListBoxWidget : public EntryListWidget {
    Q_OBJECT
  public:
    explicit DirListBoxWidget(runtime::DirListBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

  protected:
    int rowCount() const override;
    QString rowText(int row) const override;
    bool rowChosen(int row) const override;
    int currentRow() const override;
    void rowClicked(int row, int shift) override;
    void rowDoubleClicked(int row) override;

  private:
    runtime::DirListBox* box() const;
    // The folders from the top down to the current one: the rows before the sub-folders.
    int levels() const;
    // The model's index of a row: -levels() for the top folder up to -1 for the current one,
    // then 0 for the first sub-folder.
    int indexOf(int row) const { return row - levels(); }
};

}  // namespace quillo::qt
