// The field setters: a shifting field moves the local reading by whole steps,
// a rebuilding one (date, month, quarter, year) makes a new date, and the
// result resolves through the zone.
#include "calendar/setters.h"

#include "calendar/units.h"
#include "time/checked_math.h"
#include "time/inlining.h"
#include "time/local_reading.h"

namespace qt {
namespace {

// Length of one step of a shifting field; 0 for the rebuilding fields.
int64_t step_ms(TimeField field) {
    switch (field) {
    case TimeField::Millisecond: return 1;
    case TimeField::Second: return kMsPerSecond;
    case TimeField::Minute: return kMsPerMinute;
    case TimeField::Hour: return kMsPerHour;
    case TimeField::Day:
    case TimeField::Date: return kMsPerDay;
    default: return 0;
    }
}

// The local reading moved by (n - current) steps. A distance too large to
// hold is refused like a date past the range: no such move can land in it.
// Inlined into both callers: handed back out of line, the Result costs more
// than the move.
QT_ALWAYS_INLINE Result<int64_t> shifted(const LocalDateTime& local, int64_t n, int64_t current, int64_t step) {
    int64_t steps, moved = local.local_ms();
    if (sub_overflows(n, current, steps) || !move_local_ms(moved, steps, step)) return overflow();
    return moved;
}

// Month m (0-based, any int32) counted from January of the local year.
Result<int64_t> rebuilt_in_month(const LocalDateTime& local, int32_t m) {
    int32_t index;
    if (add_overflows(static_cast<int32_t>(local.date().year * 12), m, index)) return overflow();
    return local_ms_at_month_index(local, index);
}

// 0-based month of quarter n at the same place inside its quarter as now.
Result<int64_t> rebuilt_in_quarter(const LocalDateTime& local, int32_t n) {
    const int32_t place = (local.date().month - 1) % 3;
    int32_t m;
    if (sub_overflows(n, 1, m) || mul_overflows(m, 3, m) || add_overflows(m, place, m))
        return overflow();
    return rebuilt_in_month(local, m);
}

Result<int64_t> new_local_ms(const LocalDateTime& local, TimeField field, int64_t n) {
    const bool rebuilds = field == TimeField::Month || field == TimeField::Quarter || field == TimeField::Year;
    if (!rebuilds) return shifted(local, n, read_local_field(local, field), step_ms(field));
    if (!fits_int32(n)) return overflow();
    const auto n32 = static_cast<int32_t>(n);
    if (field == TimeField::Month) return rebuilt_in_month(local, n32);
    if (field == TimeField::Quarter) return rebuilt_in_quarter(local, n32);
    return local_ms_in_month(local, n, local.date().month);
}

// Moves the local reading by whole steps of `step_ms` from the current
// reading to n.
template <class Reading>
Result<TimeValue> step_to(const TimeValue& value, int64_t n, Reading reading, int64_t step_ms) {
    QT_TRY(const auto local, wall_clock(value));
    QT_TRY(const auto moved, shifted(local, n, reading(local.day), step_ms));
    return value_from_local(value.zone, moved);
}

}  // namespace

Result<TimeValue> set_field(const TimeValue& value, TimeField field, int64_t n) {
    QT_TRY(const auto local, wall_clock(value));
    QT_TRY(const auto moved, new_local_ms(local, field, n));
    return value_from_local(value.zone, moved);
}

Result<TimeValue> time_ops::set(const TimeValue& value, std::string_view field, int64_t n) {
    QT_TRY(const auto parsed, parse_field(field));
    return set_field(value, parsed, n);
}

Result<TimeValue> time_ops::set_millisecond(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Millisecond, n); }
Result<TimeValue> time_ops::set_second(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Second, n); }
Result<TimeValue> time_ops::set_minute(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Minute, n); }
Result<TimeValue> time_ops::set_hour(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Hour, n); }
Result<TimeValue> time_ops::set_day(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Day, n); }
Result<TimeValue> time_ops::set_date(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Date, n); }
Result<TimeValue> time_ops::set_month(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Month, n); }
Result<TimeValue> time_ops::set_quarter(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Quarter, n); }
Result<TimeValue> time_ops::set_year(const TimeValue& v, int64_t n) { return set_field(v, TimeField::Year, n); }

Result<TimeValue> time_ops::set_iso_weekday(const TimeValue& v, int64_t n) {
    return step_to(v, n, iso_weekday_from_days, kMsPerDay);
}

Result<TimeValue> time_ops::set_day_of_year(const TimeValue& v, int64_t n) {
    return step_to(v, n, [](int64_t day) { return qt::day_of_year(day); }, kMsPerDay);
}

Result<TimeValue> time_ops::set_iso_week(const TimeValue& v, int64_t n) {
    return step_to(v, n, [](int64_t day) { return iso_week_date(day).week; }, kMsPerWeek);
}

Result<TimeValue> time_ops::set_week(const TimeValue& v, int64_t n) {
    return step_to(v, n, sunday_week_of_days, kMsPerWeek);
}

}  // namespace qt
