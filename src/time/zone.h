// Time zones: the compiled IANA table, name lookup, and the two mappings
// between UTC instants and local wall-clock time.
//
// A zone is a small index into the generated table (zone_table.cpp). Its
// offsets come from the zone's transition list and, past the last listed
// transition, from the POSIX TZ rule that closes each TZif file:
//
//   America/New_York   ...transitions up to 2007...   EST5EDT,M3.2.0,M11.1.0
//
// Local readings are counted in seconds (or milliseconds) since
// 1970-01-01T00:00 of the zone's own clock. A reading names one instant, none
// (the clocks went forward over it) or two (they went back and showed it
// again); lookup_local says which, and each caller settles gaps and repeats
// by its own policy: resolve_local below for building values from local
// fields, the period bounds of start_of and end_of for theirs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "time/time_error.h"

namespace qt {

using ZoneId = uint16_t;

struct ZoneOffset {
    int32_t seconds;  // total offset east of UTC, |seconds| < kSecondsPerDay
    bool dst;         // the daylight-saving part of the offset is non-zero
};

// "UTC", the zone meant by None, "", "Z", "z" and any casing of "utc".
ZoneId utc_zone();

// Caller text to a zone. Trims Unicode white space, maps the UTC aliases,
// then matches the table names exactly. The error carries the untrimmed text.
Result<ZoneId> lookup_zone(std::string_view text);
inline Result<ZoneId> lookup_zone(std::optional<std::string_view> text) {
    return text ? lookup_zone(*text) : Result<ZoneId>(utc_zone());
}

std::string_view zone_name(ZoneId zone);

// The IANA release the table was compiled from, named as tzdata names it ("2026f").
std::string_view iana_version();

// Offset in force at an instant (any int64 second; no range check).
ZoneOffset offset_at(ZoneId zone, int64_t utc_seconds);

// A change of a zone's offset: `after` is in force from `at` on. Changes of
// one zone lie at least two days apart (the table generator checks it).
struct OffsetChange {
    int64_t at;  // UTC seconds
    ZoneOffset before;
    ZoneOffset after;

    // How far the clock jumps at the change, in seconds: forward when
    // positive, back when negative, not at all when only the daylight-saving
    // part changes.
    int32_t jump() const { return after.seconds - before.seconds; }

    // The local readings the change touches, [window_start, window_end):
    // skipped when the clock jumps forward, shown twice when it goes back.
    int64_t window_start() const { return at + std::min(before.seconds, after.seconds); }
    int64_t window_end() const { return at + std::max(before.seconds, after.seconds); }
};

// The change in (from, to], UTC seconds, if there is one. Spans are at most
// a day, so they hold at most one change.
std::optional<OffsetChange> change_within(ZoneId zone, int64_t from, int64_t to);

// What a local reading names in a zone:
//   Unique    one instant, `local - before.seconds`;
//   Skipped   none: the clocks jumped forward over it at `change`;
//   Repeated  two: `local - before.seconds` before the clocks went back at
//             `change`, and `local - after.seconds` after.
// For Unique, `before` and `after` are both the offset in force and `change`
// is the instant itself.
struct LocalLookup {
    enum class Kind : uint8_t { Unique, Skipped, Repeated };

    Kind kind;
    int64_t local;  // the reading looked up, local seconds
    ZoneOffset before;
    ZoneOffset after;
    int64_t change;  // UTC seconds

    int64_t instant_before() const { return local - before.seconds; }
    int64_t instant_after() const { return local - after.seconds; }

    static LocalLookup unique(int64_t local, ZoneOffset offset) {
        return {Kind::Unique, local, offset, offset, local - offset.seconds};
    }
    // The lookup of a reading when `c` is the only change near it: before
    // the clock readings around the change, in their window, or after them.
    static LocalLookup near(const OffsetChange& c, int64_t local) {
        if (local < c.window_start()) return unique(local, c.before);
        if (local >= c.window_end()) return unique(local, c.after);
        return {c.jump() > 0 ? Kind::Skipped : Kind::Repeated, local, c.before, c.after, c.at};
    }
};

LocalLookup lookup_local(ZoneId zone, int64_t local_seconds);

// An instant in milliseconds with the offset in force at it.
struct ResolvedLocal {
    int64_t utc_ms;
    ZoneOffset offset;
};

// Local milliseconds to an instant, as values built from local fields need:
// a repeated reading takes the earlier instant, a skipped one moves forward
// a minute at a time for up to 180 minutes. Fails with NonexistentLocalTime
// (naming the requested time) or ArithmeticOverflow.
Result<ResolvedLocal> resolve_local(ZoneId zone, int64_t local_ms);
Result<int64_t> local_to_utc_ms(ZoneId zone, int64_t local_ms);

}  // namespace qt
