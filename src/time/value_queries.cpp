// The offset queries, the range check and re-homing a value in another zone.
#include "time/value_queries.h"

namespace qt {

Result<int64_t> time_ops::utc_offset_minutes(const TimeValue& v) {
    return map(offset_of(v), [](ZoneOffset o) { return int64_t{o.seconds / 60}; });
}

Result<bool> time_ops::is_dst(const TimeValue& v) {
    return map(offset_of(v), [](ZoneOffset o) { return o.dst; });
}

bool time_ops::is_valid(const TimeValue& v) {
    // The zone is a table index, so it always resolves.
    return day_in_range(floor_div(v.utc_ms, kMsPerDay));
}

Result<TimeValue> time_ops::to_timezone(const TimeValue& v, std::string_view timezone) {
    return map(lookup_zone(timezone), [&](ZoneId zone) { return TimeValue{v.utc_ms, zone}; });
}

}  // namespace qt
