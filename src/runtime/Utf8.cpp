#include "runtime/Utf8.h"

namespace quillo::runtime {

namespace {

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Bytes of the code point that starts with lead, as the lead byte announces it.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// The length of the code point at offset, cut short where its continuation bytes stop.
std::size_t stepAt(std::string_view text, std::size_t offset) {
    std::size_t length = sequenceLength(static_cast<unsigned char>(text[offset]));
    std::size_t step = 1;
    while (step < length && offset + step < text.size() &&
           continuation(static_cast<unsigned char>(text[offset + step])))
        ++step;
    return step;
}

}  // namespace

int CodePointCount(std::string_view text) {
    int count = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += stepAt(text, offset))
        ++count;
    return count;
}

std::size_t ByteOffset(std::string_view text, int index) {
    std::size_t offset = 0;
    for (int i = 0; i < index && offset < text.size(); ++i)
        offset += stepAt(text, offset);
    return offset;
}

std::string CodePointSlice(std::string_view text, int start, int count) {
    if (start < 0) start = 0;
    if (count < 0) count = 0;
    std::size_t from = ByteOffset(text, start);
    std::size_t to = from + ByteOffset(text.substr(from), count);
    return std::string(text.substr(from, to - from));
}

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> codePoints;
    for (std::size_t offset = 0; offset < text.size();) {
        std::size_t step = stepAt(text, offset);
        auto lead = static_cast<unsigned char>(text[offset]);
        char32_t value = lead;
        if (step > 1) {
            static constexpr unsigned char leadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
            value = lead & leadMask[step];
            for (std::size_t i = 1; i < step; ++i)
                value = (value << 6) | (static_cast<unsigned char>(text[offset + i]) & 0x3F);
        }
        codePoints.push_back(value);
        offset += step;
    }
    return codePoints;
}

}  // namespace quillo::runtime
