#include "calendar/start_end.h"

namespace qt {
namespace {

// The local reading truncated to the start of its unit-long period, as local
// milliseconds not yet resolved in the zone.
Result<int64_t> truncate_local(const LocalDateTime& local, TimeUnit unit) {
    // The calendar date is worked out only for the units that need it.
    const auto date = [&local] { return local.date(); };
    switch (unit) {
    case TimeUnit::Millisecond: return local.local_ms();
    case TimeUnit::Second: return local_ms_from_parts(local.day, local.ms_of_day / 1000 * 1000);
    case TimeUnit::Minute: return local_ms_from_parts(local.day, local.ms_of_day / 60'000 * 60'000);
    case TimeUnit::Hour: return local_ms_from_parts(local.day, local.ms_of_day / 3'600'000 * 3'600'000);
    case TimeUnit::Day: return local_ms_from_parts(local.day, 0);
    case TimeUnit::Week: return local_ms_from_parts(local.day - local.weekday(), 0);
    case TimeUnit::Month: return local_ms_from_parts(local.day - date().day + 1, 0);
    case TimeUnit::Quarter: {
        const CivilDate d = date();
        return local_ms_from_parts(days_from_civil(d.year, (d.month - 1) / 3 * 3 + 1, 1), 0);
    }
    case TimeUnit::Year: return local_ms_from_parts(days_from_civil(date().year, 1, 1), 0);
    }
    return overflow();
}

// The local start of the period holding the value, unresolved.
Result<int64_t> local_start(const TimeValue& value, TimeUnit unit) {
    const auto local = wall_clock(value);
    if (!local) return fail(local.error());
    return truncate_local(*local, unit);
}

// Days in the calendar period whose first day is `first_day`.
int64_t period_days(int64_t first_day, TimeUnit unit) {
    switch (unit) {
    case TimeUnit::Week: return 7;
    case TimeUnit::Month: {
        const CivilDate date = civil_from_days(first_day);
        return days_in_month(date.year, date.month);
    }
    case TimeUnit::Quarter: {
        const CivilDate date = civil_from_days(first_day);
        return days_in_month(date.year, date.month) + days_in_month(date.year, date.month + 1) +
               days_in_month(date.year, date.month + 2);
    }
    case TimeUnit::Year: return is_leap(civil_from_days(first_day).year) ? 366 : 365;
    default: return 1;
    }
}

// The start of the period after the value's, given the local start of the
// value's own period and its resolution. Exact units step from the resolved
// start, so an hour always spans 3'600'000 ms. Calendar units step from the
// unresolved local start: when a skipped midnight moved today's start to
// 01:00, the next period still begins at tomorrow's midnight. That local
// start is midnight of the period's first day, so the next one is the
// period's length in days later.
Result<ResolvedLocal> next_period_start(const TimeValue& start, int64_t start_local_ms, TimeUnit unit) {
    if (is_exact_unit(unit))
        return map(add_units(start, 1, unit),
                   [](const TimeValue& v) { return ResolvedLocal{v.utc_ms, {v.offset, v.dst}}; });
    const int64_t first_day = floor_div(start_local_ms, kMsPerDay);
    const auto next = local_ms_from_parts(first_day + period_days(first_day, unit), 0);
    if (!next) return fail(next.error());
    return resolve_local(start.zone, *next);
}

}  // namespace

// Every unit above the millisecond goes through the local clock and back, so
// that a start in a repeated hour follows the zone's overlap rule.
Result<TimeValue> start_of_unit(const TimeValue& value, TimeUnit unit) {
    if (unit == TimeUnit::Millisecond) return value;
    const auto start = local_start(value, unit);
    if (!start) return fail(start.error());
    return value_from_local(value.zone, *start);
}

Result<TimeValue> end_of_unit(const TimeValue& value, TimeUnit unit) {
    if (unit == TimeUnit::Millisecond) return value;
    const auto start_local_ms = local_start(value, unit);
    if (!start_local_ms) return fail(start_local_ms.error());
    const auto start = value_from_local(value.zone, *start_local_ms);
    if (!start) return start;
    const auto next = next_period_start(*start, *start_local_ms, unit);
    if (!next) return fail(next.error());
    return add_units(TimeValue{next->utc_ms, value.zone, next->offset}, -1, TimeUnit::Millisecond);
}

Result<TimeValue> start_of(const TimeValue& value, std::string_view unit) {
    const auto parsed = parse_unit(unit);
    if (!parsed) return fail(parsed.error());
    return start_of_unit(value, *parsed);
}

Result<TimeValue> end_of(const TimeValue& value, std::string_view unit) {
    const auto parsed = parse_unit(unit);
    if (!parsed) return fail(parsed.error());
    return end_of_unit(value, *parsed);
}

}  // namespace qt
