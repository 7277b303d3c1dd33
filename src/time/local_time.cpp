#include "time/local_time.h"

#include <cstdlib>
#include <cstring>

#include "time/digits.h"

namespace qt {

namespace {

// The ISO pieces are written into a stack buffer with fixed-width digit
// stores and appended to the caller's string once: string appends of a
// character or two at a time were most of the cost of to_iso and format.

// `value` (>= 0) as exactly `width` digits.
char* put_digits(char* at, int64_t value, int width) {
    int i = width;
    for (; i >= 2; i -= 2) {
        put_two(at + i - 2, value % 100);
        value /= 100;
    }
    if (i == 1) at[0] = static_cast<char>('0' + value % 10);
    return at + width;
}

// Zero-padded to `width` (at most 20), longer when the value needs it.
char* put_padded(char* at, int64_t value, int width) {
    char digits[20];
    char* const end = digits + sizeof digits;
    const char* const begin = put_padded_before(end, static_cast<uint64_t>(value), width);
    const auto length = static_cast<size_t>(end - begin);
    std::memcpy(at, begin, length);
    return at + length;
}

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

void append_padded(std::string& out, int64_t value, int width) {
    char digits[20];
    char* const end = digits + sizeof digits;
    out.append(put_padded_before(end, static_cast<uint64_t>(value), width), end);
}

void append_iso_year(std::string& out, int64_t year) {
    char text[24];
    out.append(text, put_iso_year(text, year));
}

void append_date_time(std::string& out, const LocalDateTime& local, char separator) {
    char text[32];
    out.append(text, put_date_time(text, local, separator));
}

void append_utc_offset(std::string& out, int32_t offset_seconds, OffsetField last, bool colon,
                       OffsetRounding rounding) {
    char text[12];
    out.append(text, put_utc_offset(text, offset_seconds, last, colon, rounding));
}

TimeValue::TimeValue(int64_t ms, ZoneId z) : utc_ms(ms), zone(z) {
    if (!ms_in_range(ms)) return;
    const ZoneOffset in_force = offset_at(z, floor_div(ms, kMsPerSecond));
    dst = in_force.dst;
    offset = in_force.seconds;
}

Result<ZoneOffset> offset_of(const TimeValue& value) {
    if (!ms_in_range(value.utc_ms)) return fail(TimeError::invalid_timestamp(value.utc_ms));
    return ZoneOffset{value.offset, value.dst};
}

// The local reading from an offset already known to be in force.
static Result<LocalDateTime> local_reading(int64_t utc_ms, int32_t offset) {
    LocalDateTime local = split_local_ms(utc_ms + int64_t{offset} * kMsPerSecond);
    if (!day_in_range(local.day)) return overflow();
    local.offset = offset;
    return local;
}

Result<LocalDateTime> wall_clock(int64_t utc_ms, ZoneId zone) {
    if (!ms_in_range(utc_ms)) return fail(TimeError::invalid_timestamp(utc_ms));
    return local_reading(utc_ms, offset_at(zone, floor_div(utc_ms, kMsPerSecond)).seconds);
}

Result<LocalDateTime> wall_clock(const TimeValue& value) {
    if (!ms_in_range(value.utc_ms)) return fail(TimeError::invalid_timestamp(value.utc_ms));
    return local_reading(value.utc_ms, value.offset);
}

Result<TimeValue> value_from_local(ZoneId zone, int64_t local_ms) {
    return map(resolve_local(zone, local_ms),
               [zone](const ResolvedLocal& r) { return TimeValue{r.utc_ms, zone, r.offset}; });
}

Result<int64_t> local_ms_from_parts(int64_t day, int64_t ms_of_day) {
    const int64_t carried_day = day + floor_div(ms_of_day, kMsPerDay);
    if (!day_in_range(day) || !day_in_range(carried_day)) return overflow();
    return day * kMsPerDay + ms_of_day;
}

Result<IsoText> to_iso(const TimeValue& value) {
    QT_TRY(const auto local, wall_clock(value));
    IsoText text;
    char* at = put_date_time(text.chars, local, 'T');
    *at++ = '.';
    at = put_digits(at, local.millisecond(), 3);
    if (local.offset == 0) *at++ = 'Z';
    else at = put_utc_offset(at, local.offset, OffsetField::Minutes, true, OffsetRounding::Nearest);
    text.size = static_cast<size_t>(at - text.chars);
    return text;
}

}  // namespace qt
