// Making a value: its offset looked up once, from the instant and the zone.
#include "time/time_value.h"

#include "time/civil.h"

namespace qt {

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

}  // namespace qt
