// Making a QuendrelTime from the clock, a count of Unix seconds or
// milliseconds, an array of components, or text.
#include "parse/constructors.h"

#include <limits>

#include "parse/parse_instant.h"
#include "time/checked_math.h"
#include "time/civil.h"
#include "time/clock.h"
#include "time/local_reading.h"

namespace qt {
namespace {

}  // namespace

Result<TimeValue> time_ops::now(OptionalText timezone) {
    return map(lookup_zone(timezone), [](ZoneId zone) { return TimeValue{current_utc_ms(), zone}; });
}

Result<TimeValue> time_ops::from_unix_ms(int64_t unix_ms, OptionalText timezone) {
    QT_TRY(const auto zone, lookup_zone(timezone));
    if (!ms_in_range(unix_ms)) return fail(TimeError::invalid_timestamp(unix_ms));
    return TimeValue{unix_ms, zone};
}

Result<TimeValue> time_ops::from_unix(int64_t unix_seconds, OptionalText timezone) {
    int64_t ms;
    if (mul_overflows(unix_seconds, kMsPerSecond, ms)) return overflow();
    return from_unix_ms(ms, timezone);
}

Result<TimeValue> time_ops::from_array(const Components& components, OptionalText timezone) {
    const size_t count = components.count;
    if (count == 0 || count > Components::kMaxItems)
        return fail(TimeError::invalid_component_count(count));
    QT_TRY(const auto zone, lookup_zone(timezone));
    auto item = [&](size_t i, int64_t fallback) { return i < count ? components.items[i] : fallback; };
    const int64_t year = components.items[0];
    if (!fits_int32(year)) return overflow();
    int64_t total_months;  // year * 12 fits easily: |year| < 2^31
    if (add_overflows(year * 12, item(1, 0), total_months)) return overflow();
    const int64_t norm_year = floor_div(total_months, 12);
    if (!fits_int32(norm_year) || !year_in_range(norm_year)) return overflow();
    const int month = static_cast<int>(floor_mod(total_months, 12)) + 1;

    // Local milliseconds from the first of the month, then each component
    // as a signed span: date - 1 days, hours, minutes, seconds, milliseconds.
    int64_t local_ms = days_from_civil(norm_year, month, 1) * kMsPerDay;
    int64_t date_offset;
    if (sub_overflows(item(2, 1), int64_t{1}, date_offset)) return overflow();
    if (!move_local_ms(local_ms, date_offset, kMsPerDay) || !move_local_ms(local_ms, item(3, 0), kMsPerHour) ||
        !move_local_ms(local_ms, item(4, 0), kMsPerMinute) || !move_local_ms(local_ms, item(5, 0), kMsPerSecond) ||
        !move_local_ms(local_ms, item(6, 0), 1))
        return overflow();
    return value_from_local(zone, local_ms);
}

Result<TimeValue> time_ops::construct(OptionalText input, OptionalText timezone) {
    if (!input) return now(timezone);
    return parse(*input, timezone);
}

}  // namespace qt
