#include "runtime/qt/EditorText.h"

#include <QList>
#include <algorithm>

namespace quillo::qt {

namespace {

// Walks model and editor text side by side until the model has passed modelLimit code points or
// the editor editorLimit units; returns both positions reached.
struct Walk {
    int model = 0;   // code points
    int editor = 0;  // UTF-16 units
};

Walk WalkTo(const QString& model, const QString& editor, int modelLimit, int editorLimit) {
    Walk at;
    qsizetype i = 0;
    while (i < model.size() && at.editor < editor.size() && at.model < modelLimit &&
           at.editor < editorLimit) {
        if (model[i] == u'\r' && i + 1 < model.size() && model[i + 1] == u'\n' &&
            editor[at.editor] == u'\n') {
            i += 2;
            at.model += 2;
            at.editor += 1;
            continue;
        }
        const int width = model[i].isHighSurrogate() && i + 1 < model.size() ? 2 : 1;
        i += width;
        at.model += 1;
        at.editor += width;
    }
    return at;
}

}  // namespace

QString ToEditorText(const std::string& text, bool multiLine) {
    QString shown = QString::fromStdString(text);
    if (multiLine) shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

std::string FromEditorText(const QString& text, bool multiLine) {
    if (!multiLine) return text.toStdString();
    QString model = text;
    model.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return model.toStdString();
}

int ToEditorPosition(const QString& model, const QString& editor, int position) {
    const int editorLength = static_cast<int>(editor.size());
    return std::min(WalkTo(model, editor, position, editorLength).editor, editorLength);
}

int FromEditorPosition(const QString& model, const QString& editor, int position) {
    return WalkTo(model, editor, CodePoints(model) * 2 + 1, position).model;
}

int CodePoints(const QString& text) {
    return static_cast<int>(text.toUcs4().size());
}

}  // namespace quillo::qt
