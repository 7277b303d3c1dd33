// Decimal digits written two at a time from a table: a chain of divisions
// by ten has a latency that dominated the building of ISO and pattern text.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace qt {

// "00" to "99".
inline constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes `value` (0-99) as two digits at `at`; returns the end.
inline char* put_two(char* at, int64_t value) {
    std::memcpy(at, &kDigitPairs[2 * value], 2);
    return at + 2;
}

// Writes `value` (>= 0) as exactly `width` digits at `at`; returns the end.
inline char* put_digits(char* at, int64_t value, int width) {
    int i = width;
    for (; i >= 2; i -= 2) {
        put_two(at + i - 2, value % 100);
        value /= 100;
    }
    if (i == 1) at[0] = static_cast<char>('0' + value % 10);
    return at + width;
}

// Writes the digits of `value` so that they end just before `end`; returns
// where they begin (at most 20 bytes before `end`).
inline char* put_digits_before(char* end, uint64_t value) {
    while (value >= 100) {
        end -= 2;
        std::memcpy(end, &kDigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    if (value >= 10) {
        end -= 2;
        std::memcpy(end, &kDigitPairs[2 * value], 2);
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// The same, zero-padded to `width` (at most 20) digits.
inline char* put_padded_before(char* end, uint64_t value, int width) {
    char* begin = put_digits_before(end, value);
    while (end - begin < width) *--begin = '0';
    return begin;
}

// Writes `value` (>= 0) zero-padded to `width` (at most 20) digits at `at`,
// longer when the value needs it; returns the end.
inline char* put_padded(char* at, int64_t value, int width) {
    char digits[20];
    char* const end = digits + sizeof digits;
    const char* const begin = put_padded_before(end, static_cast<uint64_t>(value), width);
    const auto length = static_cast<size_t>(end - begin);
    std::memcpy(at, begin, length);
    return at + length;
}

// Appends a number zero-padded to `width` digits (value >= 0, width <= 20:
// no int64_t is longer).
inline void append_padded(std::string& out, int64_t value, int width) {
    char digits[20];
    char* const end = digits + sizeof digits;
    out.append(put_padded_before(end, static_cast<uint64_t>(value), width), end);
}

}  // namespace qt
