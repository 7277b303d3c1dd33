#include "time/zone.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "time/civil.h"
#include "time/local_time.h"
#include "time/posix_rule.h"
#include "time/text_util.h"
#include "time/zone_table.h"

namespace qt {
namespace {

using zone_table::ZoneRecord;

// The hash the generator used to lay out kSlots (tools/gen_zone_table.py,
// name_hash): FNV-1a over little-endian 8-byte words, the last one
// zero-padded, then a finaliser so that every byte reaches the low bits.
uint64_t name_hash(std::string_view text) {
    static_assert(std::endian::native == std::endian::little);
    uint64_t h = 0xCBF29CE484222325ULL ^ text.size();
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        h = (h ^ word) * 0x100000001B3ULL;
    }
    if (i < text.size()) {
        uint64_t word = 0;
        for (size_t j = 0; i + j < text.size(); ++j)
            word |= uint64_t{static_cast<unsigned char>(text[i + j])} << (8 * j);
        h = (h ^ word) * 0x100000001B3ULL;
    }
    h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDULL;
    h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 33);
}

uint64_t mix(uint64_t h, uint64_t displacement) {
    uint64_t x = h ^ (displacement * 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 33)) * 0xFF51AFD7ED558CCDULL;
    return x ^ (x >> 33);
}

int find_table_name(std::string_view name) {
    const uint64_t h = name_hash(name);
    const uint64_t d = zone_table::kDisplacements[h % QT_HASH_BUCKETS];
    const int index = zone_table::kSlots[mix(h, d) % QT_HASH_SLOTS];
    if (index < 0 || zone_table::kNameLengths[index] != name.size()) return -1;
    return std::memcmp(zone_table::kNames[index], name.data(), name.size()) == 0 ? index : -1;
}

bool names_utc(std::string_view t) {
    if (t.empty()) return true;
    if (t.size() == 1) return t[0] == 'z' || t[0] == 'Z';
    return t.size() == 3 && (t[0] | 0x20) == 'u' && (t[1] | 0x20) == 't' && (t[2] | 0x20) == 'c';
}

const ZoneRecord& record_of(ZoneId zone) { return zone_table::kRecords[zone_table::kZoneData[zone]]; }

ZoneOffset type_offset(const ZoneRecord& rec, unsigned type) {
    const auto& t = zone_table::kTypes[rec.first_type + type];
    return {t.offset, t.dst};
}

// Collects the distinct offsets in force within a day of `local_s`; every
// instant whose local reading is `local_s` uses one of them.
int offsets_near(ZoneId zone, int64_t local_s, int32_t (&out)[8]) {
    const ZoneRecord& rec = record_of(zone);
    int count = 0;
    auto add = [&](int32_t offset) {
        if (count < 8 && std::find(out, out + count, offset) == out + count) out[count++] = offset;
    };
    const int64_t lo = local_s - 86400, hi = local_s + 86400;
    const int64_t* first = zone_table::kTransitions + rec.first_transition;
    const int64_t* last = first + rec.transition_count;
    // Past the listed transitions the closing rule has only its two offsets.
    const bool rule_only = rec.transition_count == 0 || lo > last[-1];
    if (!rule_only) {
        add(offset_at(zone, lo).seconds);
        for (const int64_t* t = std::upper_bound(first, last, lo); t != last && *t <= hi; ++t)
            add(type_offset(rec, zone_table::kTransitionTypes[t - zone_table::kTransitions]).seconds);
    }
    if (rule_only || hi > last[-1]) {
        // Daylight time first: its instant is the earlier one, so when it
        // holds, standard time needs no check.
        add(rec.rule.dst_offset);
        add(rec.rule.std_offset);
    }
    return count;
}

// An instant in seconds with the offset in force there; `steady` when that
// offset holds for at least a day either side of it.
struct FoundInstant {
    int64_t seconds;
    ZoneOffset offset;
    bool steady;
};

// The earliest instant whose local reading is `local_s`, if any.
std::optional<FoundInstant> earliest_instant(ZoneId zone, int64_t local_s) {
    // Most local times lie far from any change. Past the listed transitions
    // the rule says so at once: every candidate instant is within a day of
    // local_s - std_offset, so if one offset holds for two days either side
    // of that probe, it is the only answer, and it holds for a day either
    // side of the answer too.
    constexpr int64_t kSteadyWindow = 2 * 86400;
    const ZoneRecord& rec = record_of(zone);
    const int64_t probe = local_s - rec.rule.std_offset;
    const int64_t* const transitions = zone_table::kTransitions + rec.first_transition;
    if (rec.transition_count == 0 || probe - kSteadyWindow > transitions[rec.transition_count - 1])
        if (const auto steady = steady_rule_offset(rec, probe, kSteadyWindow))
            return FoundInstant{local_s - steady->seconds, *steady, true};

    int32_t offsets[8];
    const int count = offsets_near(zone, local_s, offsets);
    std::optional<FoundInstant> best;
    for (int i = 0; i < count; ++i) {
        const int64_t t = local_s - offsets[i];
        // A larger offset gives an earlier instant; nothing smaller can win.
        if (best && t >= best->seconds) continue;
        // The candidate counts only if the instant really reads as local_s.
        const ZoneOffset in_force = offset_at(zone, t);
        if (in_force.seconds == offsets[i]) best = FoundInstant{t, in_force, false};
    }
    return best;
}

std::string local_text(int64_t local_ms) {
    const LocalDateTime l = split_local_ms(local_ms);
    std::string out;
    append_date_time(out, l, ' ');
    if (l.millisecond() != 0) {
        out += '.';
        append_padded(out, l.millisecond(), 3);
    }
    return out;
}

}  // namespace

ZoneId utc_zone() { return QT_ZONE_UTC; }

std::string_view zone_name(ZoneId zone) {
    return {zone_table::kNames[zone], zone_table::kNameLengths[zone]};
}

Result<ZoneId> lookup_zone(std::string_view text) {
    const std::string_view trimmed = trim_unicode_space(text);
    if (names_utc(trimmed)) return utc_zone();
    const int index = find_table_name(trimmed);
    if (index < 0) return fail(TimeError::invalid_timezone(text));
    return static_cast<ZoneId>(index);
}

ZoneOffset offset_at(ZoneId zone, int64_t utc_seconds) {
    const ZoneRecord& rec = record_of(zone);
    const uint32_t n = rec.transition_count;
    const int64_t* first = zone_table::kTransitions + rec.first_transition;
    if (n == 0 || utc_seconds > first[n - 1]) return rule_offset_at(rec, utc_seconds);
    if (utc_seconds < first[0]) return type_offset(rec, rec.before_type);
    const int64_t* at = std::upper_bound(first, first + n, utc_seconds) - 1;
    return type_offset(rec, zone_table::kTransitionTypes[at - zone_table::kTransitions]);
}

Result<ResolvedLocal> resolve_local(ZoneId zone, int64_t local_ms) {
    int64_t local_s = floor_div(local_ms, 1000);
    const int64_t sub_second = local_ms - local_s * 1000;
    // The local seconds of the calendar's first and last days.
    constexpr int64_t kFirstLocalSecond = kMinDay * 86400, kLastLocalSecond = (kMaxDay + 1) * 86400 - 1;
    constexpr int kMaxMinuteSteps = 180;
    for (int step = 0; step <= kMaxMinuteSteps; ++step, local_s += 60) {
        if (local_s < kFirstLocalSecond || local_s > kLastLocalSecond) return overflow();
        if (const auto found = earliest_instant(zone, local_s)) {
            const int64_t ms = found->seconds * 1000 + sub_second;
            if (!ms_in_range(ms)) return overflow();
            return ResolvedLocal{ms, found->offset, found->steady};
        }
    }
    return fail(TimeError::nonexistent_local_time(local_text(local_ms), zone_name(zone)));
}

Result<int64_t> local_to_utc_ms(ZoneId zone, int64_t local_ms) {
    return map(resolve_local(zone, local_ms), [](const ResolvedLocal& r) { return r.utc_ms; });
}

}  // namespace qt
