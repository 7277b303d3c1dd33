#include "time/local_time.h"

#include <cstdlib>

namespace qt {

void append_padded(std::string& out, int64_t value, int width) {
    // Digits are written backwards into a buffer and appended in one go:
    // text building is most of what to_iso and format do.
    char digits[24];
    char* const end = digits + sizeof digits;
    char* at = end;
    do {
        *--at = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    const int length = static_cast<int>(end - at);
    if (width > length) out.append(static_cast<size_t>(width - length), '0');
    out.append(at, static_cast<size_t>(length));
}

void append_iso_year(std::string& out, int64_t year) {
    if (year >= 0 && year <= 9999) return append_padded(out, year, 4);
    out += year < 0 ? '-' : '+';
    append_padded(out, year < 0 ? -year : year, 4);
}

void append_date_time(std::string& out, const LocalDateTime& local, char separator) {
    const CivilDate d = local.date();
    append_iso_year(out, d.year);
    out += '-';
    append_padded(out, d.month, 2);
    out += '-';
    append_padded(out, d.day, 2);
    out += separator;
    append_padded(out, local.hour(), 2);
    out += ':';
    append_padded(out, local.minute(), 2);
    out += ':';
    append_padded(out, local.second(), 2);
}

void append_utc_offset(std::string& out, int32_t offset_seconds, bool colon) {
    const int32_t magnitude = std::abs(offset_seconds);
    const int32_t minutes = (magnitude + 30) / 60;
    out += offset_seconds < 0 ? '-' : '+';
    append_padded(out, minutes / 60, 2);
    if (colon) out += ':';
    append_padded(out, minutes % 60, 2);
}

TimeValue::TimeValue(int64_t ms, ZoneId z) : utc_ms(ms), zone(z) {
    if (!ms_in_range(ms)) return;
    const ZoneOffset in_force = offset_at(z, floor_div(ms, 1000));
    dst = in_force.dst;
    offset = in_force.seconds;
}

Result<ZoneOffset> offset_of(const TimeValue& value) {
    if (!ms_in_range(value.utc_ms)) return fail(TimeError::invalid_timestamp(value.utc_ms));
    return ZoneOffset{value.offset, value.dst};
}

// The local reading from an offset already known to be in force.
static Result<LocalDateTime> local_reading(int64_t utc_ms, int32_t offset) {
    LocalDateTime local = split_local_ms(utc_ms + int64_t{offset} * 1000);
    if (!day_in_range(local.day)) return overflow();
    local.offset = offset;
    return local;
}

Result<LocalDateTime> wall_clock(int64_t utc_ms, ZoneId zone) {
    if (!ms_in_range(utc_ms)) return fail(TimeError::invalid_timestamp(utc_ms));
    return local_reading(utc_ms, offset_at(zone, floor_div(utc_ms, 1000)).seconds);
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

Result<TimeValue> wall_clock_shift(const TimeValue& value, int64_t seconds) {
    const auto local = wall_clock(value);
    if (!local) return fail(local.error());
    // Anything that moves more than the whole calendar span cannot land in range.
    constexpr int64_t kSpanSeconds = (kMaxDay - kMinDay + 2) * 86400;
    if (seconds > kSpanSeconds || seconds < -kSpanSeconds) return overflow();
    const int64_t shifted = local->local_ms() + seconds * 1000;
    if (!day_in_range(floor_div(shifted, kMsPerDay))) return overflow();
    return value_from_local(value.zone, shifted);
}

Result<std::string> to_iso(const TimeValue& value) {
    const auto local = wall_clock(value);
    if (!local) return fail(local.error());
    std::string out;
    out.reserve(32);
    append_date_time(out, *local, 'T');
    out += '.';
    append_padded(out, local->millisecond(), 3);
    if (local->offset == 0) out += 'Z';
    else append_utc_offset(out, local->offset, true);
    return out;
}

}  // namespace qt
