// Small text helpers shared by every parser of caller text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qt {

// Text with a small known bound, such as an ISO stamp, kept on the stack so
// that returning it costs no heap allocation.
template <size_t Capacity>
struct ShortText {
    char chars[Capacity];
    size_t size = 0;

    std::string_view view() const { return {chars, size}; }
};

// Removes characters with the Unicode White_Space property from both ends.
std::string_view trim_unicode_space(std::string_view text);

// Length in bytes of a Unicode white-space character starting at `pos`, or 0.
size_t unicode_space_length(std::string_view text, size_t pos);

// ASCII A-Z lower-cased; other bytes unchanged.
constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string ascii_lower(std::string_view text);

}  // namespace qt
