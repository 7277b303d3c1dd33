#include "format/pattern.h"

#include <array>

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

}  // namespace

std::string convert_pattern(std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size() + pattern.size() / 2 + 4);
    size_t pos = 0;
    while (pos < pattern.size()) {
        const Token* match = nullptr;
        for (const Token& t : kTokens) {
            if (pattern.substr(pos).starts_with(t.token)) {
                match = &t;
                break;
            }
        }
        if (match) {
            out += match->conversion;
            pos += match->token.size();
        } else {
            out += pattern[pos++];
        }
    }
    return out;
}

}  // namespace qt
