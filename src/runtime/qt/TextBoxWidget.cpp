#include "runtime/qt/TextBoxWidget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "runtime/TextBox.h"
#include "runtime/qt/EditorText.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::Property;

namespace {

Qt::Alignment HorizontalAlignment(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight;
        case 2:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

TextBoxWidget::TextBoxWidget(runtime::TextBox& box) : HostWidget(box) {
    buildEditor();
}

std::unique_ptr<runtime::ControlPeer> TextBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new TextBoxWidget(static_cast<runtime::TextBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::TextBox* TextBoxWidget::box() const {
    return static_cast<runtime::TextBox*>(control());
}

void TextBoxWidget::buildEditor() {
    const bool multiLine = box()->MultiLine();
    if (multiLine ? plain_ != nullptr : line_ != nullptr) return;
    ModelSync sync;
    if (multiLine) {
        line_ = nullptr;
        plain_ = new QPlainTextEdit;
        plain_->setTabChangesFocus(true);
        setInner(plain_);
        watch(plain_->viewport());
        connect(plain_, &QPlainTextEdit::textChanged, this, &TextBoxWidget::userChanged);
        connect(plain_, &QPlainTextEdit::cursorPositionChanged, this, &TextBoxWidget::userChanged);
        connect(plain_, &QPlainTextEdit::selectionChanged, this, &TextBoxWidget::userChanged);
    } else {
        plain_ = nullptr;
        line_ = new QLineEdit;
        setInner(line_);
        connect(line_, &QLineEdit::textEdited, this, &TextBoxWidget::userChanged);
        connect(line_, &QLineEdit::cursorPositionChanged, this, &TextBoxWidget::userChanged);
        connect(line_, &QLineEdit::selectionChanged, this, &TextBoxWidget::userChanged);
    }
    applyStyle();
    applyLook();
    applyText();
    applySelection();
}

void TextBoxWidget::mirror(Property property) {
    if (!control()) return;
    switch (property) {
        case Property::Text:
            applyText();
            break;
        case Property::Selection:
        case Property::Focus:
            applySelection();
            break;
        case Property::Style:
            buildEditor();
            applyStyle();
            break;
        case Property::Colors:
        case Property::Font:
            applyLook();
            break;
        default:
            break;
    }
}

QString TextBoxWidget::editorText() const {
    if (line_) return line_->text();
    if (plain_) return plain_->toPlainText();
    return {};
}

void TextBoxWidget::editorSelection(int& start, int& end) const {
    start = end = 0;
    if (line_) {
        start = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
        end = line_->hasSelectedText() ? line_->selectionEnd() : start;
    } else if (plain_) {
        const QTextCursor cursor = plain_->textCursor();
        start = cursor.selectionStart();
        end = cursor.selectionEnd();
    }
}

void TextBoxWidget::applyText() {
    const QString text = ToEditorText(box()->Text(), box()->MultiLine());
    if (text == editorText()) return;
    if (line_) line_->setText(text);
    if (plain_) plain_->setPlainText(text);
}

void TextBoxWidget::applySelection() {
    const QString model = QString::fromStdString(box()->Text());
    const QString shown = editorText();
    const int start = ToEditorPosition(model, shown, box()->SelStart());
    const int end = ToEditorPosition(model, shown, box()->SelStart() + box()->SelLength());
    int currentStart = 0;
    int currentEnd = 0;
    editorSelection(currentStart, currentEnd);
    if (currentStart == start && currentEnd == end) return;
    if (line_) {
        if (end > start)
            line_->setSelection(start, end - start);
        else
            line_->setCursorPosition(start);
    } else if (plain_) {
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        plain_->setTextCursor(cursor);
    }
}

void TextBoxWidget::applyStyle() {
    runtime::TextBox* model = box();
    const Qt::Alignment alignment = HorizontalAlignment(model->Alignment());
    if (line_) {
        line_->setReadOnly(model->Locked());
        line_->setFrame(model->BorderStyle() != 0);
        line_->setAlignment(alignment | Qt::AlignVCenter);
    } else if (plain_) {
        plain_->setReadOnly(model->Locked());
        // Read-only still lets the user select and copy, as a locked box does.
        plain_->setTextInteractionFlags(model->Locked() ? Qt::TextSelectableByMouse |
                                                              Qt::TextSelectableByKeyboard
                                                        : Qt::TextEditorInteraction);
        plain_->setFrameShape(model->BorderStyle() != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        QTextOption option = plain_->document()->defaultTextOption();
        option.setAlignment(alignment);
        plain_->document()->setDefaultTextOption(option);
    }
}

void TextBoxWidget::applyLook() {
    QWidget* editor = inner();
    if (!editor) return;
    QPalette colors = editor->palette();
    colors.setColor(QPalette::Base, ToQColor(box()->BackColor()));
    colors.setColor(QPalette::Text, ToQColor(box()->ForeColor()));
    editor->setPalette(colors);
    editor->setFont(ToQFont(box()->getFont()));
}

bool TextBoxWidget::eventFilter(QObject* watched, QEvent* event) {
    // Qt's field drops its selection when it loses the focus; the platform's keeps it, and
    // programs read SelStart and SelLength after the user clicked elsewhere.
    if (event->type() == QEvent::FocusOut && watched == inner() && !leaving_) {
        HostWidget::eventFilter(watched, event);
        leaving_ = true;
        watched->event(event);
        leaving_ = false;
        return true;
    }
    return HostWidget::eventFilter(watched, event);
}

void TextBoxWidget::userChanged() {
    runtime::TextBox* model = box();
    if (!model || ModelSync::active() || leaving_) return;
    const bool multiLine = model->MultiLine();
    const QString shown = editorText();
    std::string text = FromEditorText(shown, multiLine);
    // MaxLength limits the user's typing and pasting, not what the program sets.
    const int limit = model->MaxLength();
    const QString textNow = QString::fromStdString(text);
    if (limit > 0 && text != model->Text() &&
        CodePoints(textNow) > std::max(limit, CodePoints(QString::fromStdString(model->Text())))) {
        ModelSync sync;
        if (line_) line_->setText(ToEditorText(model->Text(), false));
        if (plain_) plain_->setPlainText(ToEditorText(model->Text(), true));
        applySelection();
        return;
    }
    int start = 0;
    int end = 0;
    editorSelection(start, end);
    const int selStart = FromEditorPosition(textNow, shown, start);
    const int selEnd = FromEditorPosition(textNow, shown, end);
    model->userEdited(std::move(text), selStart, selEnd - selStart);
}

}  // namespace quillo::qt
