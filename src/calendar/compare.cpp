// The comparisons: instants as they are or floored to a unit in each value's
// own zone, is_between, min, max and clamp, and the is_today family.
#include "calendar/compare.h"

#include <functional>

#include "calendar/start_end.h"
#include "time/clock.h"
#include "time/local_reading.h"

namespace qt {
namespace {

// Milliseconds of the start of the unit holding the value, in its own zone.
Result<int64_t> floor_ms(const TimeValue& v, TimeUnit unit) {
    return map(start_of_unit(v, unit), [](const TimeValue& start) { return start.utc_ms; });
}

// East of UTC, a period that starts on the calendar's first days can start
// before its first instant; there only the start itself tells whether it
// exists.
constexpr bool starts_in_range(int64_t first_day) { return first_day > kMinDay + 1; }

template <class Relation>
Result<bool> compare_floors(const TimeValue& v, const TimeValue& other, std::string_view unit_text,
                            Relation relation) {
    QT_TRY(const auto unit, parse_unit(unit_text));
    // Two values of one zone and a calendar unit compare by their periods'
    // first local days, with no midnight to resolve.
    if (v.zone == other.zone && !is_exact_unit(unit)) {
        QT_TRY(const auto day_a, calendar_period_first_day(v, unit));
        if (starts_in_range(day_a)) {
            QT_TRY(const auto day_b, calendar_period_first_day(other, unit));
            if (starts_in_range(day_b)) return relation(day_a, day_b);
        }
    }
    QT_TRY(const auto a, floor_ms(v, unit));
    QT_TRY(const auto b, floor_ms(other, unit));
    return relation(a, b);
}

// The three instants is_between compares: self, start, end, floored in that
// order when a unit is given.
struct Span {
    int64_t value, start, end;
};

Result<Span> between_points(const TimeValue& v, const TimeValue& start, const TimeValue& end,
                            std::optional<std::string_view> unit_text) {
    if (!unit_text) return Span{v.utc_ms, start.utc_ms, end.utc_ms};
    QT_TRY(const auto unit, parse_unit(*unit_text));
    const TimeValue* sides[] = {&v, &start, &end};
    int64_t floors[3];
    for (int i = 0; i < 3; ++i) {
        QT_TRY(const auto floored, floor_ms(*sides[i], unit));
        floors[i] = floored;
    }
    return Span{floors[0], floors[1], floors[2]};
}

Result<bool> is_local_date_offset(const TimeValue& v, int64_t day_offset) {
    QT_TRY(const auto now, wall_clock(current_utc_ms(), v.zone));
    const int64_t target = now.day + day_offset;
    if (!day_in_range(target)) return overflow();
    return map(wall_clock(v), [target](const LocalDateTime& local) { return local.day == target; });
}

}  // namespace

Result<bool> time_ops::is_before_unit(const TimeValue& v, const TimeValue& other, std::string_view unit) {
    return compare_floors(v, other, unit, std::less<>{});
}
Result<bool> time_ops::is_after_unit(const TimeValue& v, const TimeValue& other, std::string_view unit) {
    return compare_floors(v, other, unit, std::greater<>{});
}
Result<bool> time_ops::is_same_unit(const TimeValue& v, const TimeValue& other, std::string_view unit) {
    return compare_floors(v, other, unit, std::equal_to<>{});
}
Result<bool> time_ops::is_same_or_before_unit(const TimeValue& v, const TimeValue& other, std::string_view unit) {
    return compare_floors(v, other, unit, std::less_equal<>{});
}
Result<bool> time_ops::is_same_or_after_unit(const TimeValue& v, const TimeValue& other, std::string_view unit) {
    return compare_floors(v, other, unit, std::greater_equal<>{});
}

Result<Inclusivity> parse_inclusivity(std::optional<std::string_view> text) {
    if (!text) return Inclusivity{false, false};
    // Every valid form is two ASCII brackets, so comparing bytes gives the
    // same answer as comparing Unicode characters: a two-byte text that is
    // one non-ASCII character fails either way.
    const std::string_view t = *text;
    if (t.size() != 2 || (t[0] != '(' && t[0] != '[') || (t[1] != ')' && t[1] != ']'))
        return fail(TimeError::invalid_inclusivity(t));
    return Inclusivity{t[0] == '[', t[1] == ']'};
}

Result<bool> time_ops::is_between(const TimeValue& v, const TimeValue& start, const TimeValue& end,
                        std::optional<std::string_view> unit, std::optional<std::string_view> inclusivity) {
    QT_TRY(const auto points, between_points(v, start, end, unit));
    QT_TRY(const auto brackets, parse_inclusivity(inclusivity));
    const Span& p = points;
    const bool after_start = brackets.start_inclusive ? p.value >= p.start : p.value > p.start;
    const bool before_end = brackets.end_inclusive ? p.value <= p.end : p.value < p.end;
    return after_start && before_end;
}

TimeValue time_ops::min_time(const TimeValue& first, const TimeValue& second) {
    return first.utc_ms > second.utc_ms ? second : first;
}

TimeValue time_ops::max_time(const TimeValue& first, const TimeValue& second) {
    return first.utc_ms < second.utc_ms ? second : first;
}

TimeValue time_ops::clamp(const TimeValue& v, const TimeValue& start, const TimeValue& end) {
    const TimeValue lower = min_time(start, end);
    const TimeValue upper = max_time(start, end);
    if (v.utc_ms < lower.utc_ms) return lower;
    if (v.utc_ms > upper.utc_ms) return upper;
    return v;
}

Result<bool> time_ops::is_today(const TimeValue& v) { return is_local_date_offset(v, 0); }
Result<bool> time_ops::is_yesterday(const TimeValue& v) { return is_local_date_offset(v, -1); }
Result<bool> time_ops::is_tomorrow(const TimeValue& v) { return is_local_date_offset(v, 1); }

}  // namespace qt
