#pragma once

#include <QPointer>
#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/qt/HostWidget.h"

class QLineEdit;
class QPlainTextEdit;

namespace quillo::runtime {
class TextBox;
}

namespace quillo::qt {

// A text box: a QLineEdit, or a QPlainTextEdit when MultiLine. The model keeps the text and the
// selection; what the user changes in the editor goes to the model, which raises Change.
class TextBoxWidget : public HostWidget {
    Q_OBJECT
  public:
    explicit TextBoxWidget(runtime::TextBox& box);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void mirror(runtime::Property property) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    runtime::TextBox* box() const;
    // Makes the editor that MultiLine asks for, when the current one is of the other kind.
    void buildEditor();
    void applyText();
    void applySelection();
    void applyStyle();
    void applyLook();
    QString editorText() const;
    // The editor's selection as UTF-16 start and end.
    void editorSelection(int& start, int& end) const;
    // The user changed the editor's text or selection.
    void userChanged();

    QPointer<QLineEdit> line_;
    QPointer<QPlainTextEdit> plain_;
    bool leaving_ = false;
};

}  // namespace quillo::qt
