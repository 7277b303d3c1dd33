// Decimal digits written two at a time from a table: a chain of divisions
// by ten has a latency that dominated the building of ISO and pattern text.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

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

}  // namespace qt
