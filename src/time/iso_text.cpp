// Writing ISO 8601 text.
#include "time/iso_text.h"

#include <cstdlib>

#include "time/civil.h"
#include "time/digits.h"

namespace qt {

namespace {

// The ISO pieces are written into a stack buffer with fixed-width digit
// stores and appended to the caller's string once: string appends of a
// character or two at a time were most of the cost of to_iso and format.

char* put_iso_year(char* at, int64_t year) {
    if (year >= 0 && year <= 9999) return put_digits(at, year, 4);
    *at++ = year < 0 ? '-' : '+';
    return put_padded(at, year < 0 ? -year : year, 4);
}

// "YYYY-MM-DD" + separator + "HH:MM:SS": at most 26 bytes.
char* put_date_time(char* at, const LocalDateTime& local, char separator) {
    const CivilDate d = local.date();
    at = put_iso_year(at, d.year);
    *at++ = '-';
    at = put_two(at, d.month);
    *at++ = '-';
    at = put_two(at, d.day);
    *at++ = separator;
    at = put_two(at, local.hour());
    *at++ = ':';
    at = put_two(at, local.minute());
    *at++ = ':';
    return put_two(at, local.second());
}

constexpr int32_t seconds_in(OffsetField field) {
    return field == OffsetField::Hours ? kSecondsPerHour : field == OffsetField::Minutes ? kSecondsPerMinute : 1;
}

// Sign, hours, [":"] minutes, [":"] seconds, as far as `last`: at most 9 bytes.
char* put_utc_offset(char* at, int32_t offset_seconds, OffsetField last, bool colon, OffsetRounding rounding) {
    const int32_t unit = seconds_in(last);
    const int32_t half = rounding == OffsetRounding::Nearest ? unit / 2 : 0;
    const int32_t count = (std::abs(offset_seconds) + half) / unit;  // of the last field
    *at++ = offset_seconds < 0 ? '-' : '+';
    switch (last) {
    case OffsetField::Hours: return put_two(at, count);
    case OffsetField::Minutes:
        at = put_two(at, count / 60);
        if (colon) *at++ = ':';
        return put_two(at, count % 60);
    case OffsetField::Seconds:
        at = put_two(at, count / 3600);
        if (colon) *at++ = ':';
        at = put_two(at, count / 60 % 60);
        if (colon) *at++ = ':';
        return put_two(at, count % 60);
    }
    return at;
}

}  // namespace

void append_date_time(std::string& out, const LocalDateTime& local, char separator) {
    char text[32];
    out.append(text, put_date_time(text, local, separator));
}

void append_utc_offset(std::string& out, int32_t offset_seconds, OffsetField last, bool colon,
                       OffsetRounding rounding) {
    char text[12];
    out.append(text, put_utc_offset(text, offset_seconds, last, colon, rounding));
}

Result<IsoText> to_iso(const TimeValue& value) {
    QT_TRY(const auto local, wall_clock(value));
    IsoText text;
    char* at = put_date_time(text.chars, local, 'T');
    *at++ = '.';
    at = put_digits(at, local.millisecond(), 3);
    // An old local mean time offset keeps its seconds ("-04:56:02"), so that
    // the text names the same instant as the local time written before it.
    if (local.offset == 0) *at++ = 'Z';
    else at = put_utc_offset(at, local.offset, local.offset % 60 == 0 ? OffsetField::Minutes : OffsetField::Seconds,
                             true, OffsetRounding::Nearest);
    text.size = static_cast<size_t>(at - text.chars);
    return text;
}

}  // namespace qt
