// Offsets from the POSIX TZ rule that closes a TZif file, for instants
// after the zone's last listed transition. For example
//
//   EST5EDT,M3.2.0,M11.1.0
//
// is standard offset -5h ("EST5": POSIX counts west as positive), daylight
// offset -4h, daylight time from the second (2) Sunday (0) of March (M3) at
// 02:00 local standard time until the first Sunday of November at 02:00
// local daylight time.
#pragma once

#include <cstdint>
#include <optional>

#include "time/zone.h"
#include "time/zone_table.h"

namespace qt {

// The offset of a zone's closing rule at a UTC instant. The changes are
// placed in the UTC calendar year of the instant, as Python's zoneinfo
// places them, so both agree even for rules whose changes straddle a year
// end.
ZoneOffset rule_offset_at(const zone_table::ZoneRecord& rec, int64_t utc_seconds);

// The rule's offset at an instant when no change falls within `margin`
// seconds of it, so that the same offset holds across that whole window;
// nullopt otherwise (or when that cannot be told cheaply).
std::optional<ZoneOffset> steady_rule_offset(const zone_table::ZoneRecord& rec, int64_t utc_seconds,
                                             int64_t margin);

}  // namespace qt
