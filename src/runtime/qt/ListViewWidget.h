#pragma once

#include <QPersistentModelIndex>
#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/EntryListWidget.h"
#include "runtime/qt/LabelEditor.h"

namespace quillo::runtime {
class ListItem;
class ListView;
}  // namespace quillo::runtime

namespace quillo::qt {

// A list view: its items as icons or as a list, the selected ones and the drop-highlighted one.
// Clicks go to the model as item clicks; a label edit is a field laid over the item while the
// model has one going.
class ListViewWidget : public EntryListWidget {
    Q_OBJECT
  public:
    explicit ListViewWidget(runtime::ListView& view);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void mirror(runtime::Property property) override;
    long itemAt(double x, double y) const override;

  protected:
    int rowCount() const override;
    QString rowText(int row) const override;
    bool rowChosen(int row) const override;
    int currentRow() const override;
    QAbstractItemView::SelectionMode selectionMode() const override;
    void rowClicked(int row, int shift) override;
    void rowDoubleClicked(int row) override;

  private:
    runtime::ListView* view() const;
    runtime::ListItem* itemAtRow(int row) const;
    void applyViewMode();
    void applyDropHighlight();
    void applyLabelEdit();
    void editFinished(std::optional<std::string> text);

    LabelEditor editor_;
    // The drop-highlighted row; it moves with the rows before it coming and going.
    QPersistentModelIndex highlighted_;
};

}  // namespace quillo::qt
