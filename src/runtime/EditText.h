#pragma once

#include <string>

namespace quillo::runtime {

// The text of an edit field and its selection, positions counted in code points. It behaves as
// the platform's edit fields: setting the text puts the caret at the start, setting SelStart
// clamps it to the text and empties the selection, SelLength is clamped to what follows SelStart.
class EditText {
  public:
    const std::string& text() const { return text_; }
    int length() const { return length_; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const;

    // Each returns true when the text changed.
    bool setText(std::string value);
    bool replaceSelection(const std::string& value);  // the caret ends after the inserted text
    void setSelStart(int value);
    void setSelLength(int value);
    void setSelection(int start, int length);

    // A key that reached the field after KeyPress: 8 deletes backwards, 13 starts a new line in
    // a multi-line field, other control codes do nothing, anything else types its character in
    // place of the selection (refused when it would make the text longer than maxLength > 0).
    bool typeKey(int keyAscii, bool multiLine, int maxLength);
    // The Delete key: removes the selection or the character after the caret.
    bool deleteForward();

  private:
    bool backspace();

    std::string text_;
    int length_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace quillo::runtime
