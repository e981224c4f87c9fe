#pragma once

#include <QAbstractItemView>
#include <QItemSelection>
#include <QPointer>

#include "runtime/ControlPeer.h"
#include "runtime/qt/HostWidget.h"

#include <QListWidget>

namespace quillo::qt {

// A list of text entries shown by a QListWidget: list boxes and the file and folder lists. The
// model keeps the entries and which are chosen; clicks and keys that move through the list go
// to the model as entry clicks, and the list shows what the model then chose. A step in the
// entries changes the one row it concerns: the rows are the entries, row for index.
class EntryListWidget : public HostWidget {
    Q_OBJECT
  public:
    explicit EntryListWidget(runtime::Control& control);

    void mirror(runtime::Property property) override;
    void mirrorEntry(const runtime::EntryChange& change) override;

  protected:
    // The rows, from the model.
    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual bool rowChosen(int row) const = 0;
    // The row with the caret, -1 for none.
    virtual int currentRow() const = 0;
    virtual QAbstractItemView::SelectionMode selectionMode() const {
        return QAbstractItemView::SingleSelection;
    }
    // The user clicked or double-clicked a row (shift as the key events give it).
    virtual void rowClicked(int row, int shift) = 0;
    virtual void rowDoubleClicked(int row) = 0;
    // Colours and font of the list, for controls that have them.
    virtual void applyLook() {}

    QListWidget* list() const { return list_; }
    bool mouseInput(QMouseEvent& event) override;
    void keyToWidget(QKeyEvent& event) override;

  private:
    void applyRows();
    // Shows the model's choice and brings the row with the caret into view.
    void applyChoice();
    // The row a key takes in a list without a current row (Down, Up, Home and Space the first,
    // End the last); -1 when the key moves as usual.
    int rowTakenWithoutCurrent(const QKeyEvent& event) const;
    // The rows the model chooses.
    QItemSelection chosenRows() const;
    // Qt chooses another row when the one with the caret goes; the list keeps the model's choice.
    void keepChoice();
    // The row under a point of this widget, -1 for none or outside the rows' area.
    int rowAt(const QPointF& position, bool& inRows) const;

    QPointer<QListWidget> list_;
};

}  // namespace quillo::qt
