// Units of time, and moving a value by a whole number of them.
//
// Exact units (millisecond .. hour) move the instant by a fixed number of
// milliseconds; calendar units (day .. year) move the local calendar date in
// the value's zone, keep the local clock reading, clamp the day of the month
// for month-based units and resolve the result through the zone's rules.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/name_table.h"
#include "time/local_reading.h"

namespace qt {

enum class TimeUnit : uint8_t { Millisecond, Second, Minute, Hour, Day, Week, Month, Quarter, Year };

// How each unit may be written, in TimeUnit order. Their names, in this
// order, are what supported_units returns and an InvalidUnit message offers.
inline constexpr std::array<Spelling, 9> kUnitSpellings = {
    kMillisecondSpelling,
    kSecondSpelling,
    kMinuteSpelling,
    kHourSpelling,
    Spelling{"day", {"d"}},
    Spelling{"week", {"w"}},
    kMonthSpelling,
    kQuarterSpelling,
    kYearSpelling,
};
static_assert(kUnitSpellings.size() == static_cast<size_t>(TimeUnit::Year) + 1);

// A unit's name, its plural or its short form ("ms", "s", "sec", "m", "min",
// "h", "d", "w", "mo", "q", "y"), after trimming and ASCII lower-casing;
// InvalidUnit otherwise.
Result<TimeUnit> parse_unit(std::string_view text);

// Fixed lengths: exact for millisecond .. week, mean Gregorian for month
// (2'629'746'000), quarter (7'889'238'000) and year (31'556'952'000).
int64_t unit_length_ms(TimeUnit unit);

bool is_exact_unit(TimeUnit unit);  // millisecond, second, minute, hour

// The local reading moved to (year, month 1..12) with its day of the month
// clamped to that month's length and its clock reading kept.
Result<int64_t> local_ms_in_month(const LocalDateTime& local, int64_t year, int64_t month);
// The same for a month index, year * 12 + (month - 1), kept in 32 bits as
// all month arithmetic is.
Result<int64_t> local_ms_at_month_index(const LocalDateTime& local, int32_t index);

Result<TimeValue> add_units(const TimeValue& value, int64_t amount, TimeUnit unit);

// A local wall-clock reading moved by whole units, as local milliseconds not
// yet resolved in any zone: calendar units move the date and keep the clock
// reading (clamping the day for month-based units), exact units move the
// reading itself. ArithmeticOverflow when the result leaves the calendar.
Result<int64_t> add_local_units(const LocalDateTime& local, int64_t amount, TimeUnit unit);

// QuendrelTime's add and subtract: the unit text parsed, then add_units.
namespace time_ops {
Result<TimeValue> add(const TimeValue& value, int64_t amount, std::string_view unit);
Result<TimeValue> subtract(const TimeValue& value, int64_t amount, std::string_view unit);
}  // namespace time_ops

}  // namespace qt
