// Read-only queries that need only the record and its zone, and the
// operations that re-home or copy a value.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/civil.h"
#include "time/iso_text.h"
#include "time/time_error.h"
#include "time/time_value.h"
#include "time/zone.h"

namespace qt {

namespace time_ops {

using qt::to_iso;  // the method returns the value's ISO text as it is
inline int64_t unix_ms(const TimeValue& v) { return v.utc_ms; }
inline int64_t unix_seconds(const TimeValue& v) { return v.utc_ms / kMsPerSecond; }  // truncates toward zero
inline std::string_view timezone_of(const TimeValue& v) { return zone_name(v.zone); }
inline bool is_utc(const TimeValue& v) { return v.zone == utc_zone(); }
inline TimeValue clone_time(const TimeValue& v) { return v; }

// Minutes east of Greenwich, truncated toward zero.
Result<int64_t> utc_offset_minutes(const TimeValue& v);
Result<bool> is_dst(const TimeValue& v);
bool is_valid(const TimeValue& v);
Result<TimeValue> to_timezone(const TimeValue& v, std::string_view timezone);

}  // namespace time_ops

}  // namespace qt
