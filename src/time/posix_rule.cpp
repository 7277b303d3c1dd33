// The change days and instants of a POSIX rule (those of the common years
// worked out at compile time), and the offsets and changes they give.
#include "time/posix_rule.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "time/civil.h"
#include "time/inlining.h"
#include "zone_dst_rules.h"

namespace qt {
namespace {

using zone_table::DateRule;
using zone_table::DateRuleKind;
using zone_table::PosixRule;

// The day number on which `rule` fires in `year`.
constexpr int64_t change_day(const DateRule& rule, int64_t year) {
    switch (rule.kind) {
    case DateRuleKind::JulianDay: return days_from_civil(year, 1, 1) + rule.day - 1 + (rule.day >= 60 && is_leap(year));
    case DateRuleKind::ZeroBasedDay: return days_from_civil(year, 1, 1) + rule.day;
    case DateRuleKind::MonthWeekDay: break;
    }
    const int64_t first = days_from_civil(year, rule.month, 1);
    const int first_weekday = weekday_from_days(first);
    int64_t mday = 1 + (rule.day - first_weekday + 7) % 7 + 7 * (rule.week - 1);
    const int length = days_in_month(year, rule.month);
    while (mday > length) mday -= 7;  // week 5 is the last one, whichever it is
    return first + mday - 1;
}

// Seconds since the epoch, counted as if local time were UTC, at which
// `rule` fires in `year`.
constexpr int64_t local_change_time(const DateRule& rule, int64_t year) {
    return change_day(rule, year) * kSecondsPerDay + rule.seconds;
}

// The UTC instants at which daylight saving starts and ends in one year.
struct ChangeInstants {
    int64_t start;
    int64_t end;
};

constexpr ChangeInstants change_instants(const PosixRule& rule, int64_t year) {
    return {local_change_time(rule.start, year) - rule.std_offset,
            local_change_time(rule.end, year) - rule.dst_offset};
}

// Nearly every instant a program meets falls in these years, so their change
// instants are worked out by the compiler; other years compute them.
constexpr int64_t kFirstTabledYear = 1970;
constexpr int64_t kLastTabledYear = 2199;
constexpr size_t kTabledYears = kLastTabledYear - kFirstTabledYear + 1;

using RuleYears = std::array<ChangeInstants, kTabledYears>;

constexpr std::array<RuleYears, zone_table::kDstRuleCount> kChangeTable = [] {
    std::array<RuleYears, zone_table::kDstRuleCount> table{};
    for (int r = 0; r < zone_table::kDstRuleCount; ++r)
        for (size_t i = 0; i < kTabledYears; ++i)
            table[r][i] = change_instants(zone_table::kDstRules[r], kFirstTabledYear + static_cast<int64_t>(i));
    return table;
}();

// UTC seconds at which each tabled year starts, and one past the last.
constexpr std::array<int64_t, kTabledYears + 1> kYearStarts = [] {
    std::array<int64_t, kTabledYears + 1> starts{};
    for (size_t i = 0; i <= kTabledYears; ++i)
        starts[i] = days_from_civil(kFirstTabledYear + static_cast<int64_t>(i), 1, 1) * kSecondsPerDay;
    return starts;
}();

constexpr size_t estimated_year_index(int64_t utc_seconds) {
    return static_cast<size_t>((utc_seconds - kYearStarts.front()) / kSecondsPerMeanYear);
}

// The estimate from the mean Gregorian year is never off by more than one
// year within the table, so one correction finds the year without a full
// calendar conversion.
static_assert([] {
    for (size_t i = 0; i < kTabledYears; ++i) {
        const size_t first = estimated_year_index(kYearStarts[i]);
        const size_t last = estimated_year_index(kYearStarts[i + 1] - 1);
        if (first + 1 < i || first > i + 1 || last + 1 < i || last > i + 1) return false;
    }
    return true;
}());

// Kept out of line so that the tabled path needs no stack frame.
QT_NOINLINE ChangeInstants computed_changes(const PosixRule& rule, int64_t utc_seconds) {
    return change_instants(rule, civil_from_days(floor_div(utc_seconds, kSecondsPerDay)).year);
}

// Index of the tabled year holding the instant; the instant must lie
// within the table.
size_t tabled_year_index(int64_t utc_seconds) {
    size_t i = estimated_year_index(utc_seconds);
    if (i >= kTabledYears || utc_seconds < kYearStarts[i]) --i;
    else if (utc_seconds >= kYearStarts[i + 1]) ++i;
    return i;
}

bool in_table(int64_t utc_seconds) {
    return utc_seconds >= kYearStarts.front() && utc_seconds < kYearStarts.back();
}

ChangeInstants changes_at(const zone_table::ZoneRecord& rec, int64_t utc_seconds) {
    if (in_table(utc_seconds)) return kChangeTable[rec.dst_rule][tabled_year_index(utc_seconds)];
    return computed_changes(rec.rule, utc_seconds);
}

ZoneOffset standard_offset(const PosixRule& rule) { return {rule.std_offset, false}; }
ZoneOffset daylight_offset(const PosixRule& rule) { return {rule.dst_offset, rule.dst_offset != rule.std_offset}; }

ZoneOffset offset_between(const PosixRule& rule, ChangeInstants changes, int64_t utc_seconds) {
    const auto [start, end] = changes;
    const bool in_dst = start < end ? (start <= utc_seconds && utc_seconds < end)
                                    : !(end <= utc_seconds && utc_seconds < start);
    return in_dst ? daylight_offset(rule) : standard_offset(rule);
}

// The year's two changes in the order they happen.
struct YearChanges {
    OffsetChange first;
    OffsetChange second;
};

YearChanges year_changes(const PosixRule& rule, ChangeInstants changes) {
    const OffsetChange to_dst{changes.start, standard_offset(rule), daylight_offset(rule)};
    const OffsetChange to_std{changes.end, daylight_offset(rule), standard_offset(rule)};
    if (changes.start < changes.end) return {to_dst, to_std};
    return {to_std, to_dst};
}

}  // namespace

ZoneOffset rule_offset_at(const zone_table::ZoneRecord& rec, int64_t utc_seconds) {
    if (rec.dst_rule < 0) return standard_offset(rec.rule);
    return offset_between(rec.rule, changes_at(rec, utc_seconds), utc_seconds);
}

std::optional<OffsetChange> rule_change_within(const zone_table::ZoneRecord& rec, int64_t from, int64_t to) {
    if (rec.dst_rule < 0) return std::nullopt;
    const auto [first, second] = year_changes(rec.rule, changes_at(rec, from));
    if (first.at > from && first.at <= to) return first;
    if (second.at > from && second.at <= to) return second;
    return std::nullopt;
}

std::optional<ZoneOffset> rule_offset_of_reading(const zone_table::ZoneRecord& rec, int64_t local_seconds) {
    const PosixRule& rule = rec.rule;
    if (rec.dst_rule < 0) return standard_offset(rule);
    // The year is read off the local reading itself: the changes lie months
    // away from New Year, so it is the year of every instant that can show it.
    const ChangeInstants changes = changes_at(rec, local_seconds);
    // Each change touches the readings from the change plus the smaller
    // offset on, for as long as the clock jumps.
    const int32_t smaller = std::min(rule.std_offset, rule.dst_offset);
    const auto width = static_cast<uint64_t>(std::abs(rule.dst_offset - rule.std_offset));
    const ChangeInstants windows{changes.start + smaller, changes.end + smaller};
    const bool untouched = static_cast<uint64_t>(local_seconds - windows.start) >= width &&
                           static_cast<uint64_t>(local_seconds - windows.end) >= width;
    // In the year the rule took over, its earlier changes may not have happened.
    if (!untouched || std::min(changes.start, changes.end) <= rec.rule_after) return std::nullopt;
    return offset_between(rule, windows, local_seconds);
}

QT_NOINLINE LocalLookup rule_lookup_local(const zone_table::ZoneRecord& rec, int64_t local_seconds) {
    if (rec.dst_rule < 0) return LocalLookup::unique(local_seconds, standard_offset(rec.rule));
    const auto [first, second] = year_changes(rec.rule, changes_at(rec, local_seconds));
    // Only instants after the last listed transition show the reading. The
    // rule's changes up to that transition do not count: a rule that took
    // over in the middle of a year need not match the listed data before.
    if (first.at > rec.rule_after && local_seconds < first.window_end()) return LocalLookup::near(first, local_seconds);
    if (second.at > rec.rule_after) return LocalLookup::near(second, local_seconds);
    return LocalLookup::unique(local_seconds, second.after);
}

}  // namespace qt
