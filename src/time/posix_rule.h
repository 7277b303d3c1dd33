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
// places them. The table generator admits only rules whose changes fall
// between February and November, so the year of an instant, of the
// readings near it and of the changes near it are all the same year.
ZoneOffset rule_offset_at(const zone_table::ZoneRecord& rec, int64_t utc_seconds);

// The rule's change in (from, to], UTC seconds; spans of at most a day.
std::optional<OffsetChange> rule_change_within(const zone_table::ZoneRecord& rec, int64_t from, int64_t to);

// The offset that shows a local reading, when no change of the rule touches
// the reading (as for nearly all of them); nullopt otherwise.
std::optional<ZoneOffset> rule_offset_of_reading(const zone_table::ZoneRecord& rec, int64_t local_seconds);

// What a local reading names under the rule alone.
LocalLookup rule_lookup_local(const zone_table::ZoneRecord& rec, int64_t local_seconds);

}  // namespace qt
