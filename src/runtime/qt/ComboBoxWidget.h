#pragma once

#include <QPointer>
#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/HostWidget.h"

class QComboBox;

namespace quillo::runtime {
class ComboBox;
}

namespace quillo::qt {

// A combo box: a QComboBox, editable unless the style has no field. Qt completes and inserts
// nothing of its own; the model keeps entries, choice, text and selection. Choosing an entry
// goes to the model, which raises Click; typing goes through the key events as in a text box.
// A step in the entries changes the one entry it concerns.
class ComboBoxWidget : public HostWidget {
    Q_OBJECT
  public:
    explicit ComboBoxWidget(runtime::ComboBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void mirror(runtime::Property property) override;
    void mirrorEntry(const runtime::EntryChange& change) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The mouse opens the list and chooses; it raises no Click of its own.
    bool mouseInput(QMouseEvent& event) override;

  private:
    runtime::ComboBox* box() const;
    void applyItems();
    void applyChoice();
    void applyText();
    void applySelection();
    void applyStyle();
    void applyLook();
    void userEdited();
    // The user moved the caret or the selection without changing the text.
    void userSelected();
    void userChose(int index);

    QPointer<QComboBox> combo_;
    QPointer<QWidget> popup_;
};

}  // namespace quillo::qt
