#pragma once

#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/EntryListWidget.h"

namespace quillo::runtime {
class ListBox;
}

namespace quillo::qt {

// A list box: its entries, the chosen one or the several selected, in its colours and font.
class ListBoxWidget : public EntryListWidget {
    Q_OBJECT
  public:
    explicit ListBoxWidget(runtime::ListBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

  protected:
    int rowCount() const override;
    QString rowText(int row) const override;
    bool rowChosen(int row) const override;
    int currentRow() const override;
    QAbstractItemView::SelectionMode selectionMode() const override;
    void rowClicked(int row, int shift) override;
    void rowDoubleClicked(int row) override;
    void applyLook() override;

  private:
    runtime::ListBox* box() const;
};

}  // namespace quillo::qt
