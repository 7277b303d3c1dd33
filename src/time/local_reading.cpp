// Reading a value's local clock, and resolving local milliseconds back to a
// value.
#include "time/local_reading.h"

namespace qt {

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

}  // namespace qt
