#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::runtime {

// Text is UTF-8; where the program counts characters it counts code points. A byte that cannot
// start a code point (a stray continuation byte) counts as one of its own, so broken text never
// makes a count or an offset run past the end.

int CodePointCount(std::string_view text);
// The byte offset of the code point at position index (clamped to the text's end).
std::size_t ByteOffset(std::string_view text, int index);
// count code points from position start (both clamped to the text).
std::string CodePointSlice(std::string_view text, int start, int count);
std::string EncodeUtf8(char32_t codePoint);
std::vector<char32_t> DecodeUtf8(std::string_view text);

}  // namespace quillo::runtime
