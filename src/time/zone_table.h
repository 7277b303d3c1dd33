// Shape of the generated zone table (written by tools/gen_zone_table.py at
// build time into the build tree, together with zone_table_size.h).
#pragma once

#include <cstdint>

#include "zone_table_size.h"

namespace qt::zone_table {

// The three ways a POSIX TZ string names the day of a change.
enum class DateRuleKind : uint8_t {
    JulianDay,     // Jn: day [1, 365] of the year, 29 February never counted
    ZeroBasedDay,  // n: day [0, 365] of the year, 29 February counted
    MonthWeekDay,  // Mm.w.d: weekday d of week w of month m
};

// A day-and-time rule of a POSIX TZ string, e.g. "M3.2.0/2".
struct DateRule {
    DateRuleKind kind;
    uint8_t month;    // [1, 12] for MonthWeekDay
    uint8_t week;     // [1, 5] for MonthWeekDay (5 == last)
    int16_t day;      // weekday [0, 6] (Sunday = 0) for MonthWeekDay, day number otherwise
    int32_t seconds;  // local time of the change, may be negative or past 24h
};

// The rule that governs a zone after its last listed transition.
struct PosixRule {
    int32_t std_offset;  // seconds east of UTC
    int32_t dst_offset;  // seconds east of UTC while daylight saving is in force
    bool has_dst;
    DateRule start;      // in local standard time
    DateRule end;        // in local daylight time
};

struct OffsetType {
    int32_t offset;  // seconds east of UTC
    bool dst;
};

// A transition as the zone's clock showed it: the reading just before the
// change and the reading at it, in seconds since 1970-01-01T00:00 local.
// Readings from `before` up to `after` are skipped when the clocks go
// forward; readings from `after` up to `before` are shown twice when they go
// back. Those windows never overlap, so both fields ascend through a zone.
struct LocalReadings {
    int64_t before;
    int64_t after;
};

struct ZoneRecord {
    uint32_t first_transition;  // into kTransitions / kTransitionTypes / kLocalReadings
    uint32_t transition_count;
    uint32_t first_type;        // into kTypes
    uint8_t before_type;        // type before the first transition (relative)
    int16_t dst_rule;           // into kDstRules (zone_dst_rules.h), -1 without daylight saving
    int64_t rule_after;         // UTC seconds: the closing rule governs the instants after this one
    int64_t rule_local_from;    // readings from here on are shown only by those instants
    PosixRule rule;             // has_dst false and std == dst: fixed offset
};

extern const char kIanaVersion[];                 // the release compiled, e.g. "2026f"
extern const char* const kNames[QT_ZONE_COUNT];
extern const uint8_t kNameLengths[QT_ZONE_COUNT];
extern const uint16_t kZoneData[QT_ZONE_COUNT];  // name -> record
extern const int64_t kTransitions[];              // UTC seconds
extern const LocalReadings kLocalReadings[];      // one per transition
extern const uint8_t kTransitionTypes[];           // relative to the record's first_type
extern const OffsetType kTypes[];
extern const ZoneRecord kRecords[];
extern const uint16_t kDisplacements[QT_HASH_BUCKETS];
extern const int16_t kSlots[QT_HASH_SLOTS];

}  // namespace qt::zone_table
