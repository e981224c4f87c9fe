#pragma once

#include <QString>
#include <string>

namespace quillo::qt {

// The model's text of an edit field as Qt's editor holds it: a multi-line editor breaks lines
// with LF where the model has CR LF.
QString ToEditorText(const std::string& text, bool multiLine);
std::string FromEditorText(const QString& text, bool multiLine);
// A position in the model's text (code points, CR LF two) as one in the editor's (UTF-16 units,
// a line break one) and back; model and editor hold the same text.
int ToEditorPosition(const QString& model, const QString& editor, int position);
int FromEditorPosition(const QString& model, const QString& editor, int position);
// The length of a text in code points.
int CodePoints(const QString& text);

}  // namespace quillo::qt
