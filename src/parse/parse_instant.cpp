// Reading RFC 3339 text with its own offset, and naive date-time text as a
// local time in a zone, in one pass on the grammar pieces of parse/cursor.h:
//
//   text       = fixed_date fixed_time [fraction] [offset]
//              | date [time]
//   fixed_date = fixed_year "-" digit{2} "-" digit{2}
//   fixed_year = digit{4} | "+" digit{5,} | "-" digit{4,}, not "-0000"
//   fixed_time = ("T" | "t" | " ") digit{2} ":" digit{2} ":" digit{2}
//   date       = year "-" field "-" field
//   time       = ("T" | space*) field ":" field [":" field [fraction]]
//
// The fixed layout is what machines write and batches read by the million,
// so it is checked by position. Its fields have the most digits the general
// grammar reads, so both would read the same ones; only it may carry an
// offset, and "t" separates only text with an offset. Its signed years are
// those that ISO text has outside 0000-9999 (+10000, -0001), which the
// general grammar reads alike.
#include "parse/parse_instant.h"

#include <bit>
#include <cstring>

#include "parse/cursor.h"

namespace qt {
namespace {

// The date and time a text names, as read: not yet checked against the calendar.
struct Fields {
    int64_t year = 0;
    int64_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int64_t nanos = 0;
    std::optional<int64_t> offset;  // seconds east of UTC, when the text has its own
};

constexpr size_t kYearDigits = 4;
constexpr size_t kDateAfterYear = 6;  // "-MM-DD"
constexpr size_t kTimeAfterDate = 9;  // "THH:MM:SS"

// pairs = digit{2} separator digit{2} separator digit{2}: the eight bytes
// at `at` ("07-04-..", "12:34:56"), checked and read as one word, the
// first byte lowest.
bool read_pairs(const char* at, char separator, int64_t& first, int64_t& second, int64_t& third) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = std::byteswap(word);
    constexpr uint64_t kDigits = 0xFFFF'00FF'FF00'FFFF;  // bytes 0, 1, 3, 4, 6 and 7
    constexpr uint64_t kHighNibbles = 0xF0F0'F0F0'F0F0'F0F0 & kDigits;
    constexpr uint64_t kZeros = 0x3030'3030'3030'3030 & kDigits;
    constexpr uint64_t kSixes = 0x0606'0606'0606'0606 & kDigits;
    const uint64_t separators = uint64_t{static_cast<unsigned char>(separator)} * 0x0000'0100'0001'0000;
    const uint64_t digits = word & kDigits;
    // The bytes 0x30-0x39 are those whose high nibble is 3 and stays 3 when 6 is added.
    if ((digits & kHighNibbles) != kZeros || ((digits + kSixes) & kHighNibbles) != kZeros ||
        (word & ~kDigits) != separators)
        return false;
    const uint64_t values = digits - kZeros;            // each digit byte 0-9
    const uint64_t pairs = values * 10 + (values >> 8);  // byte i: ten times digit i, plus digit i + 1
    first = pairs & 0xFF, second = pairs >> 24 & 0xFF, third = pairs >> 48 & 0xFF;
    return true;
}

// "+" digit{5,} | "-" digit{4,}, not "-0000": the end of the year, or 0.
size_t read_expanded_year(std::string_view s, int64_t& year) {
    if (s[0] != '+' && s[0] != '-') return 0;
    Cursor text(s);
    if (!text.signed_number(kYearDigits, year)) return 0;
    const size_t digits = text.position() - 1;
    return digits > kYearDigits || (digits == kYearDigits && year < 0) ? text.position() : 0;
}

// fixed_date = fixed_year "-" digit{2} "-" digit{2}: the end of the date, or 0.
size_t read_fixed_date(std::string_view s, Fields& f) {
    if (s.size() < kYearDigits + kDateAfterYear) return 0;
    const unsigned first = digit_value(s[0]), second = digit_value(s[1]);
    const bool four_digits = first < 10 && second < 10;
    const size_t year_end = four_digits ? kYearDigits : read_expanded_year(s, f.year);
    // The pairs start at the year's last two digits, which are read again
    // here and kept only for a four-digit year.
    int64_t year_of_century;
    if (year_end == 0 || s.size() < year_end + kDateAfterYear ||
        !read_pairs(s.data() + year_end - 2, '-', year_of_century, f.month, f.day))
        return 0;
    if (four_digits) f.year = (first * 10 + second) * 100 + year_of_century;
    return year_end + kDateAfterYear;
}

// fixed_time = ("T" | "t" | " ") digit{2} ":" digit{2} ":" digit{2}, after a fixed date
bool read_fixed_time(std::string_view s, size_t date_end, Fields& f) {
    if (s.size() < date_end + kTimeAfterDate) return false;
    const char separator = s[date_end];
    return (separator == 'T' || separator == 't' || separator == ' ') &&
           read_pairs(s.data() + date_end + 1, ':', f.hour, f.minute, f.second);
}

// offset = "Z" | "z" | offset_sign hh ":" mm [":" ss], hh [00, 23], mm and ss [00, 59]
// The seconds are those of an old local mean time, as ISO text writes them.
bool read_rfc3339_offset(Cursor& text, int64_t& seconds) {
    if (text.literal('Z') || text.literal('z')) {
        seconds = 0;
        return true;
    }
    int sign;
    int64_t hours, minutes, extra_seconds = 0;
    if (!text.offset_sign(sign) || !text.two_digits(hours) || hours > 23 || !text.literal(':') ||
        !text.sexagesimal(minutes) || (text.literal(':') && !text.sexagesimal(extra_seconds)))
        return false;
    seconds = sign * (hours * 3600 + minutes * 60 + extra_seconds);
    return true;
}

// [fraction] [offset] after a fixed date and time, up to the end.
bool read_fixed_tail(std::string_view s, size_t date_end, Fields& f) {
    Cursor text(s, date_end + kTimeAfterDate);
    if (text.next_is('.') && !text.fraction(f.nanos)) return false;
    if (text.at_end()) return s[date_end] != 't';
    int64_t offset;
    if (!read_rfc3339_offset(text, offset) || !text.at_end()) return false;
    f.offset = offset;
    return true;
}

// field = space* digit{1,2}
bool read_field(Cursor& text, int64_t& out) {
    text.skip_space();
    return text.number(1, 2, out);
}

// date = year "-" field "-" field
// year = space* (digit{1,4} | ("+" | "-") digit+)
bool read_date(Cursor& text, Fields& f) {
    text.skip_space();
    return text.signed_number(4, f.year) && text.literal('-') && read_field(text, f.month) && text.literal('-') &&
           read_field(text, f.day);
}

// time = ("T" | space*) field ":" field [":" field [fraction]], up to the end
bool read_time(Cursor& text, Fields& f) {
    if (!text.literal('T')) text.skip_space();
    if (!read_field(text, f.hour) || !text.literal(':') || !read_field(text, f.minute)) return false;
    if (text.literal(':') && (!read_field(text, f.second) || (text.next_is('.') && !text.fraction(f.nanos))))
        return false;
    return text.at_end();
}

// text, all of it
bool read_text(std::string_view s, Fields& f) {
    Cursor text(s);
    if (const size_t date_end = read_fixed_date(s, f)) {
        if (read_fixed_time(s, date_end, f)) return read_fixed_tail(s, date_end, f);
        text.move_to(date_end);
    } else if (!read_date(text, f)) {
        return false;
    }
    return text.at_end() || read_time(text, f);
}

// Local milliseconds of the fields, when they name a supported day and a
// time of day.
std::optional<int64_t> local_ms_of(const Fields& f) {
    const auto day = supported_day(f.year, f.month, f.day);
    if (!day || f.hour > 23 || f.minute > 59 || f.second > 59) return std::nullopt;
    return *day * kMsPerDay + ((f.hour * 60 + f.minute) * 60 + f.second) * 1000 + f.nanos / 1'000'000;
}

// An instant read from text, with the zone's offset there when resolving a
// local time already found it (so that making the value does not look it
// up again).
struct ReadInstant {
    int64_t utc_ms;
    std::optional<ZoneOffset> offset;
};

Result<ReadInstant> read_instant(std::string_view text, ZoneId zone) {
    Fields f;
    if (!read_text(text, f)) return fail(TimeError::invalid_date_input(text));
    const bool leap = f.second == kLeapSecond;
    if (leap) f.second = 59;
    const auto local_ms = local_ms_of(f);
    if (!local_ms) return fail(TimeError::invalid_date_input(text));
    ReadInstant read;
    if (f.offset) {
        // Only an expanded year, with an offset below a day, can name an
        // instant outside the range: text the calendar cannot hold.
        read = {*local_ms - *f.offset * 1000, std::nullopt};
        if (!ms_in_range(read.utc_ms)) return fail(TimeError::invalid_date_input(text));
    } else {
        QT_TRY(const auto resolved, resolve_local(zone, *local_ms));
        read = {resolved.utc_ms, resolved.offset};
    }
    if (!leap) return read;
    // The second after :59 may have another offset: it is not kept.
    return map(add_leap_second(read.utc_ms), [](int64_t ms) { return ReadInstant{ms, std::nullopt}; });
}

}  // namespace

Result<int64_t> parse_instant(std::string_view text, ZoneId zone) {
    return map(read_instant(text, zone), [](const ReadInstant& r) { return r.utc_ms; });
}

Result<TimeValue> time_ops::parse(std::string_view input, std::optional<std::string_view> timezone) {
    QT_TRY(const auto zone, lookup_zone(timezone));
    return map(read_instant(input, zone), [&](const ReadInstant& r) {
        return r.offset ? TimeValue{r.utc_ms, zone, *r.offset} : TimeValue{r.utc_ms, zone};
    });
}

}  // namespace qt
