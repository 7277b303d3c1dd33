// Small text helpers shared by every parser of caller text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qt {

// Removes characters with the Unicode White_Space property from both ends.
std::string_view trim_unicode_space(std::string_view text);

// Length in bytes of a Unicode white-space character starting at `pos`, or 0.
size_t unicode_space_length(std::string_view text, size_t pos);

// ASCII A-Z lower-cased; other bytes unchanged.
constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string ascii_lower(std::string_view text);

}  // namespace qt
