#include "runtime/EditText.h"

#include <algorithm>

#include "runtime/Utf8.h"

namespace quillo::runtime {

std::string EditText::selText() const {
    return CodePointSlice(text_, selStart_, selLength_);
}

bool EditText::setText(std::string value) {
    selStart_ = 0;
    selLength_ = 0;
    if (value == text_) return false;
    text_ = std::move(value);
    length_ = CodePointCount(text_);
    return true;
}

bool EditText::replaceSelection(const std::string& value) {
    std::size_t from = ByteOffset(text_, selStart_);
    std::size_t to = ByteOffset(text_, selStart_ + selLength_);
    std::string changed = text_.substr(0, from) + value + text_.substr(to);
    int caret = selStart_ + CodePointCount(value);
    bool differs = changed != text_;
    text_ = std::move(changed);
    length_ = CodePointCount(text_);
    selStart_ = std::min(caret, length_);
    selLength_ = 0;
    return differs;
}

void EditText::setSelStart(int value) {
    selStart_ = std::clamp(value, 0, length_);
    selLength_ = 0;
}

void EditText::setSelLength(int value) {
    selLength_ = std::clamp(value, 0, length_ - selStart_);
}

void EditText::setSelection(int start, int length) {
    setSelStart(start);
    setSelLength(length);
}

bool EditText::typeKey(int keyAscii, bool multiLine, int maxLength) {
    if (keyAscii == 8) return backspace();
    if (keyAscii == 13) return multiLine && replaceSelection("\r\n");
    if (keyAscii < 32 || keyAscii == 127) return false;
    if (maxLength > 0 && length_ - selLength_ + 1 > maxLength) return false;
    return replaceSelection(EncodeUtf8(static_cast<char32_t>(keyAscii)));
}

bool EditText::backspace() {
    if (selLength_ == 0) {
        if (selStart_ == 0) return false;
        setSelection(selStart_ - 1, 1);
    }
    return replaceSelection("");
}

bool EditText::deleteForward() {
    if (selLength_ == 0) {
        if (selStart_ >= length_) return false;
        setSelLength(1);
    }
    return replaceSelection("");
}

}  // namespace quillo::runtime
