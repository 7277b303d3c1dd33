#include "parse/parse_instant.h"

#include <algorithm>

#include "time/text_util.h"

namespace qt {
namespace {

struct Fields {
    int64_t year = 0;
    int64_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int64_t nanos = 0;
};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads between min and max digits at `pos`.
bool read_digits(std::string_view s, size_t& pos, int min, int max, int64_t& out) {
    int count = 0;
    int64_t value = 0;
    while (count < max && pos < s.size() && is_digit(s[pos])) {
        value = value * 10 + (s[pos++] - '0');
        ++count;
    }
    out = value;
    return count >= min;
}

// fraction = "." digit+ ; the first nine digits are nanoseconds, the rest ignored.
bool read_fraction(std::string_view s, size_t& pos, int64_t& nanos) {
    if (pos >= s.size() || s[pos] != '.') return false;
    ++pos;
    if (pos >= s.size() || !is_digit(s[pos])) return false;
    int64_t value = 0;
    int count = 0;
    for (; pos < s.size() && is_digit(s[pos]); ++pos, ++count)
        if (count < 9) value = value * 10 + (s[pos] - '0');
    for (int i = count; i < 9; ++i) value *= 10;
    nanos = value;
    return true;
}

void skip_space(std::string_view s, size_t& pos) {
    while (size_t n = unicode_space_length(s, pos)) pos += n;
}

// year = space* (digit{1,4} | ("+" | "-") digit+)
// A signed year may have any number of digits, leading zeros included. Its
// value stops growing far past the calendar, where the range check still
// refuses it, so no count of digits can overflow.
bool read_year(std::string_view s, size_t& pos, int64_t& year) {
    skip_space(s, pos);
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        const bool negative = s[pos++] == '-';
        constexpr int64_t kFarBeyond = 1'000'000'000;
        const size_t first = pos;
        int64_t value = 0;
        for (; pos < s.size() && is_digit(s[pos]); ++pos) value = std::min(value * 10 + (s[pos] - '0'), kFarBeyond);
        year = negative ? -value : value;
        return pos > first;
    }
    return read_digits(s, pos, 1, 4, year);
}

// Reads one naive form. In `form`: Y year, m d H M S two-digit fields,
// f optional fraction, ' ' a run of white space, other characters literal.
bool read_naive(std::string_view s, std::string_view form, Fields& f) {
    size_t pos = 0;
    for (char item : form) {
        switch (item) {
        case 'Y':
            if (!read_year(s, pos, f.year)) return false;
            break;
        case 'm': case 'd': case 'H': case 'M': case 'S': {
            int64_t& field = item == 'm' ? f.month : item == 'd' ? f.day : item == 'H' ? f.hour
                           : item == 'M' ? f.minute : f.second;
            skip_space(s, pos);
            if (!read_digits(s, pos, 1, 2, field)) return false;
            break;
        }
        case 'f':
            if (pos < s.size() && s[pos] == '.' && !read_fraction(s, pos, f.nanos)) return false;
            break;
        case ' ':
            skip_space(s, pos);
            break;
        default:
            if (pos >= s.size() || s[pos] != item) return false;
            ++pos;
        }
    }
    return pos == s.size();
}

// Local milliseconds of the fields, when they name a supported day and a
// time of day; a leap second 60 is second 59 plus one.
std::optional<int64_t> local_ms_of(const Fields& f) {
    const auto day = supported_day(f.year, f.month, f.day);
    if (!day || f.hour > 23 || f.minute > 59 || f.second > 60) return std::nullopt;
    return *day * kMsPerDay + ((f.hour * 60 + f.minute) * 60 + f.second) * 1000 + f.nanos / 1'000'000;
}

// The value of two ASCII digits at `at`, or -1.
int two_digits(std::string_view s, size_t at) {
    const unsigned tens = static_cast<unsigned char>(s[at]) - '0';
    const unsigned ones = static_cast<unsigned char>(s[at + 1]) - '0';
    return tens < 10 && ones < 10 ? static_cast<int>(tens * 10 + ones) : -1;
}

// Seconds of a "+HH:MM" / "-HH:MM" / U+2212 offset, or "Z".
bool read_rfc3339_offset(std::string_view s, size_t& pos, int64_t& offset) {
    if (pos < s.size() && (s[pos] == 'Z' || s[pos] == 'z')) {
        ++pos;
        offset = 0;
        return true;
    }
    int sign;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        sign = s[pos] == '-' ? -1 : 1;
        ++pos;
    } else if (s.substr(pos, 3) == "\xE2\x88\x92") {  // U+2212 MINUS SIGN
        sign = -1;
        pos += 3;
    } else {
        return false;
    }
    // "HH:MM", hours 00-23 and minutes 00-59.
    if (s.size() - pos < 5 || s[pos + 2] != ':') return false;
    const int hours = two_digits(s, pos), minutes = two_digits(s, pos + 3);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return false;
    pos += 5;
    offset = sign * (hours * 3600 + minutes * 60);
    return true;
}

// YYYY-MM-DD(T|t| )HH:MM:SS[.fraction](Z|z|±HH:MM), all of the text. Every
// field up to the seconds has a fixed width, so it is read by position
// (this is the form machines write, and batches parse it by the million).
std::optional<int64_t> read_rfc3339(std::string_view s) {
    constexpr size_t kSecondsEnd = 19;  // "YYYY-MM-DDTHH:MM:SS"
    if (s.size() <= kSecondsEnd) return {};
    const int century = two_digits(s, 0), year_of_century = two_digits(s, 2);
    const int month = two_digits(s, 5), day = two_digits(s, 8);
    const int hour = two_digits(s, 11), minute = two_digits(s, 14), second = two_digits(s, 17);
    const char separator = s[10];
    if ((century | year_of_century | month | day | hour | minute | second) < 0 || s[4] != '-' || s[7] != '-' ||
        (separator != 'T' && separator != 't' && separator != ' ') || s[13] != ':' || s[16] != ':')
        return {};
    Fields f;
    f.year = century * 100 + year_of_century;
    f.month = month, f.day = day, f.hour = hour, f.minute = minute, f.second = second;
    size_t pos = kSecondsEnd;
    if (s[pos] == '.' && !read_fraction(s, pos, f.nanos)) return {};
    int64_t offset;
    if (!read_rfc3339_offset(s, pos, offset) || pos != s.size()) return {};
    // Years 0000-9999 with an offset below a day cannot leave the range.
    const auto local_ms = local_ms_of(f);
    if (!local_ms) return {};
    return *local_ms - offset * 1000;
}

constexpr std::string_view kNaiveForms[] = {
    "Y-m-dTH:M:Sf", "Y-m-d H:M:Sf", "Y-m-dTH:M:S", "Y-m-d H:M:S", "Y-m-dTH:M", "Y-m-d H:M", "Y-m-d",
};

// An instant read from text, with the zone's offset there when resolving a
// local time already found it (so that making the value does not look it
// up again).
struct ReadInstant {
    int64_t utc_ms;
    std::optional<ZoneOffset> offset;
};

Result<ReadInstant> read_instant(std::string_view text, ZoneId zone) {
    if (const auto instant = read_rfc3339(text)) return ReadInstant{*instant, std::nullopt};
    for (std::string_view form : kNaiveForms) {
        Fields f;
        if (!read_naive(text, form, f)) continue;
        const bool leap_second = f.second == 60;
        if (leap_second) f.second = 59;
        const auto local_ms = local_ms_of(f);
        if (!local_ms) continue;
        const auto resolved = resolve_local(zone, *local_ms);
        if (!resolved) return fail(resolved.error());
        if (!leap_second) return ReadInstant{resolved->utc_ms, resolved->offset};
        // A leap second reads as the second after :59, whose offset may
        // differ, and which lies past the range after its last second.
        const int64_t next_second = resolved->utc_ms + 1000;
        if (!ms_in_range(next_second)) return overflow();
        return ReadInstant{next_second, std::nullopt};
    }
    return fail(TimeError::invalid_date_input(text));
}

}  // namespace

Result<int64_t> parse_instant(std::string_view text, ZoneId zone) {
    return map(read_instant(text, zone), [](const ReadInstant& r) { return r.utc_ms; });
}

Result<TimeValue> parse(std::string_view input, std::optional<std::string_view> timezone) {
    const auto zone = lookup_zone(timezone);
    if (!zone) return fail(zone.error());
    return map(read_instant(input, *zone), [&](const ReadInstant& r) {
        return r.offset ? TimeValue{r.utc_ms, *zone, *r.offset} : TimeValue{r.utc_ms, *zone};
    });
}

}  // namespace qt
