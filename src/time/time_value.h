// The QuendrelTime record: an instant in whole milliseconds, the zone it is
// seen in, and the offset in force there.
#pragma once

#include <cstdint>

#include "time/time_error.h"
#include "time/zone.h"

namespace qt {

// The zone's offset at the instant is worked out once, when the value is
// made, so that reading the local clock later is plain arithmetic; it fills
// padding, so the value stays 16 bytes.
struct TimeValue {
    int64_t utc_ms = 0;
    ZoneId zone = 0;
    bool dst = false;    // daylight saving in force at utc_ms
    int32_t offset = 0;  // seconds east of UTC at utc_ms; 0 when utc_ms is out of range

    TimeValue() = default;
    TimeValue(int64_t ms, ZoneId z);
    TimeValue(int64_t ms, ZoneId z, ZoneOffset in_force) : utc_ms(ms), zone(z), dst(in_force.dst), offset(in_force.seconds) {}
};
static_assert(sizeof(TimeValue) == 16);

// The zone's offset at the value's instant; InvalidTimestamp when the
// instant's UTC date lies outside the supported calendar range.
Result<ZoneOffset> offset_of(const TimeValue& value);

}  // namespace qt
