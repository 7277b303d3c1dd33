// Token patterns: their rewriting into conversion strings, and the format
// method that expands the result.
#include "format/pattern.h"

#include <array>
#include <cstring>

#include "format/strftime.h"
#include "time/local_reading.h"

namespace qt {

namespace {

struct Token {
    std::string_view token;
    std::string_view conversion;
};

// Longest first within each letter, and no two letters shared between
// tokens: a left-to-right scan that takes the first match at each position
// then rewrites exactly what replacing the tokens one after the other would.
constexpr std::array<Token, 17> kTokens{{
    {"YYYY", "%Y"}, {"YY", "%y"},    {"MMMM", "%B"},  {"MMM", "%b"}, {"MM", "%m"}, {"DD", "%d"},
    {"HH", "%H"},   {"hh", "%I"},    {"mm", "%M"},    {"ss", "%S"},  {"SSS", "%3f"}, {"dddd", "%A"},
    {"ddd", "%a"},  {"ZZ", "%z"},    {"Z", "%:z"},    {"A", "%p"},   {"a", "%P"},
}};

// Whether a token can start with `c`; every other byte is copied as it is.
constexpr std::array<bool, 256> kTokenStarts = [] {
    std::array<bool, 256> starts{};
    for (const Token& t : kTokens) starts[static_cast<unsigned char>(t.token[0])] = true;
    return starts;
}();

// Every token is a run of one letter, listed longest first, so the token at
// a position is the longest one of that letter that the run can hold.
const Token* token_at(std::string_view rest) {
    const char letter = rest[0];
    if (!kTokenStarts[static_cast<unsigned char>(letter)]) return nullptr;
    size_t run = 1;
    while (run < 4 && run < rest.size() && rest[run] == letter) ++run;
    for (const Token& t : kTokens)
        if (t.token[0] == letter && t.token.size() <= run) return &t;
    return nullptr;
}

static_assert([] {
    for (const Token& t : kTokens)
        for (char c : t.token)
            if (c != t.token[0] || t.token.size() > 4) return false;
    return true;
}(), "token_at relies on tokens being runs of one letter, at most four long");

static_assert([] {
    for (const Token& t : kTokens)
        if (t.conversion.size() > 3 * t.token.size()) return false;
    return true;
}(), "convert_pattern sizes its buffer for at most three bytes per pattern byte");

}  // namespace

std::string convert_pattern(std::string_view pattern) {
    // A token becomes at most three bytes per byte it spans ("Z" -> "%:z"),
    // so the result is written in place into a buffer of that size.
    std::string out;
    out.resize_and_overwrite(pattern.size() * 3, [pattern](char* at, size_t) {
        char* const begin = at;
        size_t pos = 0;
        while (pos < pattern.size()) {
            if (const Token* match = token_at(pattern.substr(pos))) {
                std::memcpy(at, match->conversion.data(), match->conversion.size());
                at += match->conversion.size();
                pos += match->token.size();
            } else {
                *at++ = pattern[pos++];
            }
        }
        return static_cast<size_t>(at - begin);
    });
    return out;
}

Result<std::string> time_ops::format(const TimeValue& value, std::string_view pattern) {
    QT_TRY(const auto local, wall_clock(value));
    std::string out;
    // Words outgrow their tokens ("dddd" -> "Wednesday") by little more than twice.
    out.reserve(pattern.size() * 2 + 16);
    if (!expand_conversions(convert_pattern(pattern), local, out))
        return fail(TimeError::invalid_format_pattern(pattern));
    return out;
}

}  // namespace qt
