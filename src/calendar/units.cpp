// The unit name table and lengths, and add and subtract: exact units on the
// instant, calendar units on the local date.
#include "calendar/units.h"

#include <algorithm>
#include <array>
#include <limits>

#include "calendar/fields.h"
#include "time/checked_math.h"

namespace qt {
namespace {

constexpr NameIndex<TimeUnit> kUnitTable(kUnitSpellings);

struct UnitLength {
    TimeUnit unit;
    int64_t ms;
};

// One row per TimeUnit, in its order. A month is a twelfth of the mean
// Gregorian year, a quarter a fourth.
constexpr int64_t kMsPerMeanYear = kSecondsPerMeanYear * kMsPerSecond;
constexpr UnitLength kUnitLengths[] = {
    {TimeUnit::Millisecond, 1},
    {TimeUnit::Second, kMsPerSecond},
    {TimeUnit::Minute, kMsPerMinute},
    {TimeUnit::Hour, kMsPerHour},
    {TimeUnit::Day, kMsPerDay},
    {TimeUnit::Week, kMsPerWeek},
    {TimeUnit::Month, kMsPerMeanYear / 12},
    {TimeUnit::Quarter, kMsPerMeanYear / 4},
    {TimeUnit::Year, kMsPerMeanYear},
};

constexpr int64_t length_of(TimeUnit unit) { return kUnitLengths[static_cast<size_t>(unit)].ms; }

// unit_length_ms indexes the rows by unit, and is_exact_unit takes the units
// up to Hour as those shorter than a day: TimeUnit must run from the shortest
// unit to the longest.
static_assert([] {
    for (size_t i = 0; i < std::size(kUnitLengths); ++i)
        if (static_cast<size_t>(kUnitLengths[i].unit) != i || (i > 0 && kUnitLengths[i].ms <= kUnitLengths[i - 1].ms))
            return false;
    return std::size(kUnitLengths) == static_cast<size_t>(TimeUnit::Year) + 1;
}());
static_assert(length_of(TimeUnit::Hour) < kMsPerDay && length_of(TimeUnit::Day) == kMsPerDay);

Result<TimeValue> add_exact(const TimeValue& value, int64_t amount, TimeUnit unit) {
    if (!ms_in_range(value.utc_ms)) return fail(TimeError::invalid_timestamp(value.utc_ms));
    int64_t shift = 0;
    int64_t sum = 0;
    if (mul_overflows(amount, unit_length_ms(unit), shift) || add_overflows(value.utc_ms, shift, sum) ||
        !ms_in_range(sum))
        return overflow();
    return TimeValue{sum, value.zone};
}

Result<int64_t> add_local_months(const LocalDateTime& local, int64_t months) {
    if (!fits_int32(months)) return overflow();
    const CivilDate date = local.date();
    const auto index = static_cast<int32_t>(date.year * 12 + (date.month - 1));
    int32_t moved = 0;
    if (add_overflows(index, static_cast<int32_t>(months), moved)) return overflow();
    return local_ms_at_month_index(local, moved);
}

}  // namespace

Result<int64_t> local_ms_in_month(const LocalDateTime& local, int64_t year, int64_t month) {
    QT_TRY(const auto length, month_length(year, month));
    const int64_t day = std::min<int64_t>(local.date().day, length);
    return local_ms_from_parts(days_from_civil(year, static_cast<int>(month), static_cast<int>(day)), local.ms_of_day);
}

Result<int64_t> local_ms_at_month_index(const LocalDateTime& local, int32_t index) {
    const int64_t year = floor_div(index, 12);
    return local_ms_in_month(local, year, index - year * 12 + 1);
}

Result<TimeUnit> parse_unit(std::string_view text) {
    if (const auto unit = match_name(text, kUnitTable)) return *unit;
    return fail(TimeError::invalid_unit(text));
}

int64_t unit_length_ms(TimeUnit unit) { return length_of(unit); }

bool is_exact_unit(TimeUnit unit) { return unit <= TimeUnit::Hour; }

Result<int64_t> add_local_units(const LocalDateTime& local, int64_t amount, TimeUnit unit) {
    int64_t months = 0;
    switch (unit) {
    case TimeUnit::Month: return add_local_months(local, amount);
    case TimeUnit::Quarter:
        if (mul_overflows(amount, 3, months)) return overflow();
        return add_local_months(local, months);
    case TimeUnit::Year:
        if (mul_overflows(amount, 12, months)) return overflow();
        return add_local_months(local, months);
    default: {
        // On local milliseconds, moving the date by whole days or weeks and
        // keeping the clock reading is moving the reading itself.
        int64_t moved = local.local_ms();
        if (!move_local_ms(moved, amount, unit_length_ms(unit))) return overflow();
        return moved;
    }
    }
}

Result<TimeValue> add_units(const TimeValue& value, int64_t amount, TimeUnit unit) {
    // Adding nothing validates nothing, not even the stored instant.
    if (amount == 0) return value;
    if (is_exact_unit(unit)) return add_exact(value, amount, unit);
    QT_TRY(const auto local, wall_clock(value));
    QT_TRY(const auto moved, add_local_units(local, amount, unit));
    return value_from_local(value.zone, moved);
}

Result<TimeValue> time_ops::add(const TimeValue& value, int64_t amount, std::string_view unit) {
    QT_TRY(const auto parsed, parse_unit(unit));
    return add_units(value, amount, parsed);
}

Result<TimeValue> time_ops::subtract(const TimeValue& value, int64_t amount, std::string_view unit) {
    QT_TRY(const auto parsed, parse_unit(unit));
    if (amount == std::numeric_limits<int64_t>::min()) return overflow();
    return add_units(value, -amount, parsed);
}

}  // namespace qt
