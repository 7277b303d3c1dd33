// start_of and end_of: calendar periods as runs of local days, exact ones as
// the stretch of unbroken clock around the value.
#include "calendar/start_end.h"

#include "time/local_reading.h"

namespace qt {
namespace {

Result<TimeValue> value_at(ZoneId zone, int64_t utc_ms, ZoneOffset offset) {
    if (!ms_in_range(utc_ms)) return overflow();
    return TimeValue{utc_ms, zone, offset};
}

// The second a millisecond falls in, and the first and last millisecond of
// a second.
constexpr int64_t second_of(int64_t ms) { return floor_div(ms, kMsPerSecond); }
constexpr int64_t first_ms_of(int64_t second) { return second * kMsPerSecond; }
constexpr int64_t last_ms_of(int64_t second) { return second * kMsPerSecond + kMsPerSecond - 1; }

// ---- Calendar periods (day .. year): runs of whole local days. A period
// starts at the first instant whose reading falls in it and ends at the last
// one, wherever the zone's changes put them.

// The first local day of the period holding a reading.
Result<int64_t> period_first_day(const LocalDateTime& local, TimeUnit unit) {
    int64_t day = local.day;
    switch (unit) {
    case TimeUnit::Week: day -= local.weekday(); break;
    case TimeUnit::Month: day -= local.date().day - 1; break;
    case TimeUnit::Quarter: {
        const CivilDate d = local.date();
        day = days_from_civil(d.year, (d.month - 1) / 3 * 3 + 1, 1);
        break;
    }
    case TimeUnit::Year: day = days_from_civil(local.date().year, 1, 1); break;
    default: break;
    }
    if (!day_in_range(day)) return overflow();
    return day;
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

// The first instant whose reading is the one looked up or later: a reading
// shown twice counts from its first pass, a skipped one from where the
// clocks landed.
Result<TimeValue> first_instant_from(ZoneId zone, const LocalLookup& found) {
    if (found.kind == LocalLookup::Kind::Skipped) return value_at(zone, first_ms_of(found.change), found.after);
    return value_at(zone, first_ms_of(found.instant_before()), found.before);
}

// The last millisecond whose reading lies within the second looked up or
// before it: a second shown twice ends with its second pass, a skipped one
// just before the clocks jumped over it.
Result<TimeValue> last_instant_through(ZoneId zone, const LocalLookup& found) {
    switch (found.kind) {
    case LocalLookup::Kind::Repeated: return value_at(zone, last_ms_of(found.instant_after()), found.after);
    case LocalLookup::Kind::Skipped: return value_at(zone, first_ms_of(found.change) - 1, found.before);
    default: return value_at(zone, last_ms_of(found.instant_before()), found.before);
    }
}

Result<TimeValue> calendar_start(ZoneId zone, int64_t first_day) {
    return first_instant_from(zone, lookup_local(zone, first_day * kSecondsPerDay));
}

Result<TimeValue> calendar_end(ZoneId zone, int64_t first_day, TimeUnit unit) {
    // East of UTC, a period that starts on the calendar's first day starts
    // before its first instant; its end fails as its start does.
    if (first_day == kMinDay) {
        const auto start = calendar_start(zone, first_day);
        if (!start) return start;
    }
    // The period ends with the last second of its last day, which may be the
    // calendar's last day: the next period need not exist.
    const int64_t last_day = first_day + period_days(first_day, unit) - 1;
    if (!day_in_range(last_day)) return overflow();
    return last_instant_through(zone, lookup_local(zone, (last_day + 1) * kSecondsPerDay - 1));
}

// ---- Exact periods (second .. hour): the stretch of instants around the
// value over which the clock runs on without going back and shows the same
// reading truncated to the unit. The two passes of a repeated hour are two
// periods, and a change inside an hour cuts it short. Changes lie days
// apart, so at most one touches the stretch.

// When the clock showed the value's reading truncated to the unit, had
// nothing changed since.
int64_t truncated_instant(const TimeValue& value, const LocalDateTime& local, TimeUnit unit) {
    return value.utc_ms - local.ms_of_day % unit_length_ms(unit);
}

ZoneOffset offset_of_value(const TimeValue& value) { return {value.offset, value.dst}; }

Result<TimeValue> exact_start(const TimeValue& value, const LocalDateTime& local, TimeUnit unit) {
    const int64_t shown = truncated_instant(value, local, unit);
    const auto change = change_within(value.zone, second_of(shown), second_of(value.utc_ms));
    if (!change) return value_at(value.zone, shown, offset_of_value(value));
    const int64_t jump_ms = int64_t{change->jump()} * kMsPerSecond;
    if (jump_ms == 0) return value_at(value.zone, shown, change->before);
    // A clock that jumped forward from within the unit showed its start
    // before the jump.
    if (jump_ms > 0 && first_ms_of(change->at) > shown + jump_ms) return value_at(value.zone, shown + jump_ms, change->before);
    return value_at(value.zone, first_ms_of(change->at), change->after);
}

Result<TimeValue> exact_end(const TimeValue& value, const LocalDateTime& local, TimeUnit unit) {
    const int64_t shown = truncated_instant(value, local, unit);
    // The start must exist too; only near the calendar's first instant can
    // it not.
    if (!ms_in_range(shown)) return overflow();
    // When the clock would show the next unit, had nothing changed; the
    // unit may end with the calendar's last instant.
    const int64_t next = shown + unit_length_ms(unit);
    if (!ms_in_range(next - 1)) return overflow();
    const auto change = change_within(value.zone, second_of(value.utc_ms), second_of(next - 1));
    if (!change) return TimeValue{next - 1, value.zone, offset_of_value(value)};
    const int64_t jump_ms = int64_t{change->jump()} * kMsPerSecond;
    if (jump_ms == 0) return TimeValue{next - 1, value.zone, change->after};
    // A clock that jumps forward but stays within the unit runs on in it.
    if (jump_ms > 0 && first_ms_of(change->at) + jump_ms < next) return TimeValue{next - jump_ms - 1, value.zone, change->after};
    return TimeValue{first_ms_of(change->at) - 1, value.zone, change->before};
}

}  // namespace

Result<TimeValue> start_of_unit(const TimeValue& value, TimeUnit unit) {
    if (unit == TimeUnit::Millisecond) return value;
    QT_TRY(const auto local, wall_clock(value));
    if (is_exact_unit(unit)) return exact_start(value, local, unit);
    QT_TRY(const auto first_day, period_first_day(local, unit));
    return calendar_start(value.zone, first_day);
}

Result<int64_t> calendar_period_first_day(const TimeValue& value, TimeUnit unit) {
    QT_TRY(const auto local, wall_clock(value));
    return period_first_day(local, unit);
}

Result<TimeValue> end_of_unit(const TimeValue& value, TimeUnit unit) {
    if (unit == TimeUnit::Millisecond) return value;
    QT_TRY(const auto local, wall_clock(value));
    if (is_exact_unit(unit)) return exact_end(value, local, unit);
    QT_TRY(const auto first_day, period_first_day(local, unit));
    return calendar_end(value.zone, first_day, unit);
}

Result<TimeValue> time_ops::start_of(const TimeValue& value, std::string_view unit) {
    QT_TRY(const auto parsed, parse_unit(unit));
    return start_of_unit(value, parsed);
}

Result<TimeValue> time_ops::end_of(const TimeValue& value, std::string_view unit) {
    QT_TRY(const auto parsed, parse_unit(unit));
    return end_of_unit(value, parsed);
}

}  // namespace qt
