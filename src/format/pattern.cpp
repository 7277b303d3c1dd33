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

// Whether a token can start with `c`; every other byte is copied as it is.
constexpr std::array<bool, 256> kTokenStarts = [] {
    std::array<bool, 256> starts{};
    for (const Token& t : kTokens) starts[static_cast<unsigned char>(t.token[0])] = true;
    return starts;
}();

const Token* token_at(std::string_view rest) {
    if (!kTokenStarts[static_cast<unsigned char>(rest[0])]) return nullptr;
    for (const Token& t : kTokens)
        if (rest.starts_with(t.token)) return &t;
    return nullptr;
}

}  // namespace

std::string convert_pattern(std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size() + pattern.size() / 2 + 4);
    size_t literal_start = 0;
    size_t pos = 0;
    while (pos < pattern.size()) {
        const Token* match = token_at(pattern.substr(pos));
        if (!match) {
            ++pos;
            continue;
        }
        out.append(pattern, literal_start, pos - literal_start);
        out += match->conversion;
        pos += match->token.size();
        literal_start = pos;
    }
    out.append(pattern, literal_start);
    return out;
}

}  // namespace qt
