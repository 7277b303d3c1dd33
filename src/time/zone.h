// Time zones: the compiled IANA table, name lookup, and the two mappings
// between UTC instants and local wall-clock time.
//
// A zone is a small index into the generated table (zone_table.cpp). Its
// offsets come from the zone's transition list and, past the last listed
// transition, from the POSIX TZ rule that closes each TZif file:
//
//   America/New_York   ...transitions up to 2007...   EST5EDT,M3.2.0,M11.1.0
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "time/time_error.h"

namespace qt {

using ZoneId = uint16_t;

struct ZoneOffset {
    int32_t seconds;  // total offset east of UTC, |seconds| < 86400
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

// Offset in force at an instant (any int64 second; no range check).
ZoneOffset offset_at(ZoneId zone, int64_t utc_seconds);

// An instant in milliseconds with the offset in force at it. `steady` says
// that the same offset holds for at least a day either side of the instant.
struct ResolvedLocal {
    int64_t utc_ms;
    ZoneOffset offset;
    bool steady;
};

// Local wall-clock milliseconds (milliseconds since 1970-01-01T00:00 local)
// to an instant: a repeated local time takes the earlier instant, a skipped
// one moves forward a minute at a time for up to 180 minutes. Fails with
// NonexistentLocalTime (naming the requested time) or ArithmeticOverflow.
Result<ResolvedLocal> resolve_local(ZoneId zone, int64_t local_ms);
Result<int64_t> local_to_utc_ms(ZoneId zone, int64_t local_ms);

}  // namespace qt
