// A zone's offsets seen from both sides: from an instant (the offset in
// force, the next change) and from a local reading (what it names).
#include <algorithm>

#include "time/inlining.h"
#include "time/posix_rule.h"
#include "time/zone.h"
#include "time/zone_table.h"

namespace qt {
namespace {

using zone_table::ZoneRecord;

const ZoneRecord& record_of(ZoneId zone) { return zone_table::kRecords[zone_table::kZoneData[zone]]; }

ZoneOffset type_offset(const ZoneRecord& rec, unsigned type) {
    const auto& t = zone_table::kTypes[rec.first_type + type];
    return {t.offset, t.dst};
}

// The record's listed transitions, as UTC seconds and as local readings.
const int64_t* transitions_of(const ZoneRecord& rec) { return zone_table::kTransitions + rec.first_transition; }
const zone_table::LocalReadings* readings_of(const ZoneRecord& rec) {
    return zone_table::kLocalReadings + rec.first_transition;
}

// The offset from the record's i-th transition on (i == -1: before the first).
ZoneOffset offset_after(const ZoneRecord& rec, int64_t i) {
    if (i < 0) return type_offset(rec, rec.before_type);
    return type_offset(rec, zone_table::kTransitionTypes[rec.first_transition + i]);
}

OffsetChange listed_change(const ZoneRecord& rec, int64_t i) {
    return {transitions_of(rec)[i], offset_after(rec, i - 1), offset_after(rec, i)};
}

// Kept out of line, with the rule's own general case, so that the common
// case of lookup_local stays small enough to fold into its callers.
QT_NOINLINE LocalLookup listed_lookup_local(const ZoneRecord& rec, int64_t local_seconds) {
    // The windows of readings that the transitions touch ascend without
    // overlapping, so the first one that ends after the reading is the only
    // one that can hold it; if it lies beyond the reading, the reading shows
    // the offset from before that transition.
    const uint32_t n = rec.transition_count;
    const zone_table::LocalReadings* first = readings_of(rec);
    const auto* next = std::upper_bound(first, first + n, local_seconds, [](int64_t local, const auto& r) {
        return local < std::max(r.before, r.after);
    });
    if (next == first + n) return LocalLookup::unique(local_seconds, offset_after(rec, n - 1));
    return LocalLookup::near(listed_change(rec, next - first), local_seconds);
}

}  // namespace

ZoneOffset offset_at(ZoneId zone, int64_t utc_seconds) {
    const ZoneRecord& rec = record_of(zone);
    if (utc_seconds > rec.rule_after) return rule_offset_at(rec, utc_seconds);
    const int64_t* first = transitions_of(rec);
    return offset_after(rec, std::upper_bound(first, first + rec.transition_count, utc_seconds) - first - 1);
}

std::optional<OffsetChange> change_within(ZoneId zone, int64_t from, int64_t to) {
    const ZoneRecord& rec = record_of(zone);
    if (from >= rec.rule_after) return rule_change_within(rec, from, to);
    const int64_t* first = transitions_of(rec);
    const int64_t next = std::upper_bound(first, first + rec.transition_count, from) - first;
    if (first[next] > to) return std::nullopt;
    return listed_change(rec, next);
}

LocalLookup lookup_local(ZoneId zone, int64_t local_seconds) {
    const ZoneRecord& rec = record_of(zone);
    if (local_seconds < rec.rule_local_from) return listed_lookup_local(rec, local_seconds);
    if (const auto offset = rule_offset_of_reading(rec, local_seconds)) return LocalLookup::unique(local_seconds, *offset);
    return rule_lookup_local(rec, local_seconds);
}

}  // namespace qt
