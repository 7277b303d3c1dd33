// Unicode white space at the ends of caller text, and ASCII lower-casing.
#include "time/text_util.h"

namespace qt {

size_t unicode_space_length(std::string_view s, size_t pos) {
    const size_t left = s.size() - pos;
    if (left == 0) return 0;
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 == 0x20 || (b0 >= 0x09 && b0 <= 0x0D)) return 1;
    if (b0 < 0xC2 || left < 2) return 0;
    const auto b1 = static_cast<unsigned char>(s[pos + 1]);
    if (b0 == 0xC2) return (b1 == 0x85 || b1 == 0xA0) ? 2 : 0;  // U+0085, U+00A0
    if (left < 3) return 0;
    const auto b2 = static_cast<unsigned char>(s[pos + 2]);
    switch (b0) {
    case 0xE1:  // U+1680
        return (b1 == 0x9A && b2 == 0x80) ? 3 : 0;
    case 0xE2:
        if (b1 == 0x80)  // U+2000..U+200A, U+2028, U+2029, U+202F
            return (b2 <= 0x8A || b2 == 0xA8 || b2 == 0xA9 || b2 == 0xAF) && b2 >= 0x80 ? 3 : 0;
        return (b1 == 0x81 && b2 == 0x9F) ? 3 : 0;  // U+205F
    case 0xE3:  // U+3000
        return (b1 == 0x80 && b2 == 0x80) ? 3 : 0;
    default:
        return 0;
    }
}

// Length of a white-space character that ends exactly at `end`, or 0.
static size_t trailing_space_length(std::string_view s, size_t end) {
    for (size_t len = 1; len <= 3 && len <= end; ++len)
        if (unicode_space_length(s.substr(0, end), end - len) == len) return len;
    return 0;
}

// Printable ASCII other than the space: no white-space character starts or
// ends with such a byte.
static bool is_visible_ascii(char c) { return c > 0x20 && c < 0x7F; }

std::string_view trim_unicode_space(std::string_view s) {
    if (s.empty() || (is_visible_ascii(s.front()) && is_visible_ascii(s.back()))) return s;
    size_t begin = 0;
    while (size_t n = unicode_space_length(s, begin)) begin += n;
    size_t end = s.size();
    while (end > begin) {
        const size_t n = trailing_space_length(s, end);
        if (n == 0) break;
        end -= n;
    }
    return s.substr(begin, end - begin);
}

std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ascii_lower(c);
    return out;
}

}  // namespace qt
