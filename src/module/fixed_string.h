// Compile-time strings, so that method names, parameter names and the
// docstrings built from them can be template arguments.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace qt::py {

template <size_t N>
struct FixedString {
    char text[N]{};
    constexpr FixedString(const char (&s)[N]) { std::copy_n(s, N, text); }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

// Concatenates views into a NUL-terminated array at compile time.
template <size_t Length>
struct StaticText {
    std::array<char, Length + 1> chars{};
    constexpr const char* c_str() const { return chars.data(); }
    constexpr std::string_view view() const { return {chars.data(), Length}; }
};

template <size_t Length, class... Parts>
constexpr StaticText<Length> join_text(Parts... parts) {
    StaticText<Length> out;
    size_t at = 0;
    for (std::string_view part : {std::string_view(parts)...})
        for (char c : part) out.chars[at++] = c;
    return out;
}

// Names written as "a, b, c" at compile time: the text's length, then the
// text itself (a signature's parameters, the spellings an error offers).
template <size_t N>
constexpr size_t comma_list_length(const std::array<std::string_view, N>& names) {
    size_t length = N > 0 ? 2 * (N - 1) : 0;
    for (size_t i = 0; i < N; ++i) length += names[i].size();
    return length;
}

template <size_t Length, size_t N>
constexpr StaticText<Length> comma_list(const std::array<std::string_view, N>& names) {
    StaticText<Length> out;
    size_t at = 0;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) {
            out.chars[at++] = ',';
            out.chars[at++] = ' ';
        }
        for (char c : names[i]) out.chars[at++] = c;
    }
    return out;
}

}  // namespace qt::py
