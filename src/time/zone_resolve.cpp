// Local readings to instants for values built from local fields: a repeated
// reading takes the earlier instant, a skipped one moves forward a minute at
// a time, for at most three hours, until the clock shows it.
#include "time/civil.h"
#include "time/zone.h"

namespace qt {
namespace {

constexpr int64_t kMaxMinuteSteps = 180;

// The local seconds of the calendar's first and last days.
constexpr int64_t kFirstLocalSecond = kMinDay * kSecondsPerDay, kLastLocalSecond = (kMaxDay + 1) * kSecondsPerDay - 1;

constexpr bool local_second_in_range(int64_t local) {
    return local >= kFirstLocalSecond && local <= kLastLocalSecond;
}

}  // namespace

Result<ResolvedLocal> resolve_local(ZoneId zone, int64_t local_ms) {
    const int64_t local = floor_div(local_ms, kMsPerSecond);
    const int64_t sub_second = local_ms - local * kMsPerSecond;
    int64_t steps = 0;
    do {
        const int64_t at = local + steps * kSecondsPerMinute;
        if (!local_second_in_range(at)) return overflow();
        const LocalLookup found = lookup_local(zone, at);
        if (found.kind != LocalLookup::Kind::Skipped) {
            // Unique, or the first of two: the instant under the earlier offset.
            const int64_t ms = found.instant_before() * kMsPerSecond + sub_second;
            if (!ms_in_range(ms)) return overflow();
            return ResolvedLocal{ms, found.before};
        }
        // Every step short of the gap's end lands in the gap too: go straight
        // to the first step at or past the reading the clock jumped to.
        const int64_t gap_end = found.change + found.after.seconds;
        steps += (gap_end - at + kSecondsPerMinute - 1) / kSecondsPerMinute;
    } while (steps <= kMaxMinuteSteps);
    // Steps beyond the calendar's end fail as overflow before they fail to exist.
    if (!local_second_in_range(local + kMaxMinuteSteps * kSecondsPerMinute)) return overflow();
    return fail(TimeError::nonexistent_local_time(local_ms, zone_name(zone)));
}

Result<int64_t> local_to_utc_ms(ZoneId zone, int64_t local_ms) {
    return map(resolve_local(zone, local_ms), [](const ResolvedLocal& r) { return r.utc_ms; });
}

}  // namespace qt
