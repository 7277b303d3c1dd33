// The reader that both text parsers stand on: a position in the caller's
// text and the grammar pieces they share (digits, signs, white space,
// fractions of a second, UTC offsets), and what a leap second means.
//
// Each piece carries its rule in a comment above it. A piece that matches
// moves past what it read and returns true; one that fails returns false
// and may have moved, so a reader that fails a piece gives its pass up or
// goes back to a position it kept:
//
//   Cursor c(" 2024-07-04");
//   c.skip_space();             // year = space* digit{1,4}
//   c.number(1, 4, year);       // 2024, c now at "-07-04"
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "time/checked_math.h"
#include "time/civil.h"
#include "time/text_util.h"
#include "time/time_error.h"

namespace qt {

// The value of an ASCII digit; 10 or more for any other byte.
constexpr unsigned digit_value(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; }
constexpr bool is_digit(char c) { return digit_value(c) < 10; }

// Nanoseconds of the digits of a fraction of a second, `count` of them
// [1, 9]. The table holds what one unit of the last digit is worth.
inline constexpr int64_t kNanosPerLastDigit[] = {0, 100'000'000, 10'000'000, 1'000'000, 100'000,
                                                 10'000, 1000, 100, 10, 1};
constexpr int64_t fraction_nanos(int64_t digits, int count) { return digits * kNanosPerLastDigit[count]; }

class Cursor {
public:
    explicit Cursor(std::string_view text, size_t pos = 0) : text_(text), pos_(pos) {}

    bool at_end() const { return pos_ == text_.size(); }
    size_t position() const { return pos_; }
    void move_to(size_t pos) { pos_ = pos; }
    void skip(size_t bytes) { pos_ += bytes; }

    // Whether the next byte is `c`; nothing is read.
    bool next_is(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    // Whether the next letters spell `word` in any ASCII letter case; nothing is read.
    bool next_is_word(std::string_view word) const {
        if (text_.size() - pos_ < word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i)
            if (!same_letter(text_[pos_ + i], word[i])) return false;
        return true;
    }

    // literal = c
    bool literal(char c) {
        if (!next_is(c)) return false;
        ++pos_;
        return true;
    }

    // space* ; space is any character with the Unicode White_Space property.
    void skip_space() {
        // Digits, signs and letters are visible ASCII, which begins no white space.
        while (pos_ < text_.size() && !is_visible_ascii(text_[pos_])) {
            const size_t n = unicode_space_length(text_, pos_);
            if (n == 0) return;
            pos_ += n;
        }
    }

    // separators = (":" | space)*
    void skip_separators() {
        while (size_t n = next_is(':') ? 1 : unicode_space_length(text_, pos_)) pos_ += n;
    }

    // number = digit{min,max}, one non-negative value; a value past 64 bits
    // fails. Eighteen digits always fit, so only longer runs are checked.
    bool number(int min, int max, int64_t& out) {
        const size_t first = pos_, end = std::min(text_.size(), first + max);
        size_t at = first;  // kept apart from pos_, which the text's bytes could alias
        int64_t value = 0;
        for (; at < end && is_digit(text_[at]); ++at) {
            const unsigned digit = digit_value(text_[at]);
            if (max <= 18)
                value = value * 10 + digit;
            else if (mul_overflows(value, 10, value) || add_overflows(value, digit, value))
                return false;
        }
        pos_ = at;
        out = value;
        return at - first >= static_cast<size_t>(min);
    }

    // signed = ("+" | "-") digit+ | digit{1,width}
    // A signed number may have any count of digits, leading zeros included.
    bool signed_number(int width, int64_t& out) {
        if (next_is('+') || next_is('-')) {
            const bool negative = text_[pos_++] == '-';
            if (!number(1, INT32_MAX, out)) return false;
            if (negative) out = -out;
            return true;
        }
        return number(1, width, out);
    }

    // two = digit digit
    bool two_digits(int64_t& out) {
        if (text_.size() - pos_ < 2) return false;
        const unsigned tens = digit_value(text_[pos_]), ones = digit_value(text_[pos_ + 1]);
        if (tens >= 10 || ones >= 10) return false;
        out = tens * 10 + ones;
        pos_ += 2;
        return true;
    }

    // sixty = [0-5] digit, the minutes or seconds of an offset
    bool sexagesimal(int64_t& out) { return pos_ < text_.size() && text_[pos_] <= '5' && two_digits(out); }

    // fraction = "." digit+
    // The first nine digits are the nanoseconds; the rest are read and dropped.
    bool fraction(int64_t& nanos) {
        if (!literal('.')) return false;
        const size_t first = pos_;
        int64_t digits;
        if (!number(1, 9, digits)) return false;
        nanos = fraction_nanos(digits, static_cast<int>(pos_ - first));
        size_t at = pos_;
        while (at < text_.size() && is_digit(text_[at])) ++at;
        pos_ = at;
        return true;
    }

    // fraction_digits = digit{count}, a fraction of a second with no dot
    bool fraction_digits(int count, int64_t& nanos) {
        int64_t digits;
        if (!number(count, count, digits)) return false;
        nanos = fraction_nanos(digits, count);
        return true;
    }

    // offset_sign = "+" | "-" | U+2212 (MINUS SIGN)
    bool offset_sign(int& sign) {
        if (next_is('+') || next_is('-')) {
            sign = text_[pos_++] == '-' ? -1 : 1;
            return true;
        }
        if (text_.substr(pos_, 3) != "\xE2\x88\x92") return false;
        sign = -1;
        pos_ += 3;
        return true;
    }

private:
    static constexpr bool is_visible_ascii(char c) { return c > 0x20 && c < 0x7F; }
    static constexpr bool same_letter(char a, char b) {
        return (a | 0x20) == (b | 0x20) && (a | 0x20) >= 'a' && (a | 0x20) <= 'z';
    }

    std::string_view text_;
    size_t pos_;
};

// An instant read from text, when it lies in the supported range.
inline Result<int64_t> instant_in_range(int64_t ms) {
    if (!ms_in_range(ms)) return overflow();
    return ms;
}

// Second 60 is a leap second. It reads as second 59 and one second more, so
// it names the instant of second 00 of the next minute: the readers find the
// instant of :59 first, with the offset in force then, and add the second
// here, which may step past the last supported millisecond.
inline constexpr int64_t kLeapSecond = 60;
inline Result<int64_t> add_leap_second(int64_t ms_at_59) { return instant_in_range(ms_at_59 + 1000); }

}  // namespace qt
