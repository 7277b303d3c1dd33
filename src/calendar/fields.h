// Calendar field queries, read on the value's local wall clock.
// Numbering: month 0-based, date 1-based, day is the weekday with Sunday 0,
// iso_weekday Monday 1 .. Sunday 7; weeks start on Sunday except ISO weeks.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/name_table.h"
#include "time/local_reading.h"

namespace qt {

enum class TimeField : uint8_t { Millisecond, Second, Minute, Hour, Day, Date, Month, Quarter, Year };

// How each field may be written, in TimeField order. Their names, in this
// order, are what an InvalidField message offers.
inline constexpr std::array<Spelling, 9> kFieldSpellings = {
    kMillisecondSpelling,
    kSecondSpelling,
    kMinuteSpelling,
    kHourSpelling,
    Spelling{"day", {"d", "weekday", "week_day", "dayofweek", "day_of_week"}},
    Spelling{"date", {"dayofmonth", "day_of_month"}},
    kMonthSpelling,
    kQuarterSpelling,
    kYearSpelling,
};
static_assert(kFieldSpellings.size() == static_cast<size_t>(TimeField::Year) + 1);

// A field's spelling (see kFieldSpellings) after trimming and ASCII
// lower-casing; InvalidField otherwise.
Result<TimeField> parse_field(std::string_view text);

// One field of the value's local reading.
Result<int64_t> read_field(const TimeValue& value, TimeField field);
int64_t read_local_field(const LocalDateTime& local, TimeField field);

// Days of a month (1-based) of a year; ArithmeticOverflow when the month is
// not 1..12 or the year lies outside the calendar range.
Result<int64_t> month_length(int64_t year, int64_t month);

// QuendrelTime's getters.
namespace time_ops {

Result<int64_t> get(const TimeValue& value, std::string_view field);
Result<int64_t> year(const TimeValue& value);
Result<int64_t> month(const TimeValue& value);
Result<int64_t> date(const TimeValue& value);
Result<int64_t> day(const TimeValue& value);
Result<int64_t> hour(const TimeValue& value);
Result<int64_t> minute(const TimeValue& value);
Result<int64_t> second(const TimeValue& value);
Result<int64_t> millisecond(const TimeValue& value);
Result<int64_t> day_of_year(const TimeValue& value);
Result<int64_t> quarter(const TimeValue& value);
Result<int64_t> iso_weekday(const TimeValue& value);
Result<int64_t> iso_week(const TimeValue& value);
Result<int64_t> iso_week_year(const TimeValue& value);
Result<int64_t> week_of_year(const TimeValue& value);
Result<int64_t> weeks_in_year(const TimeValue& value);
Result<int64_t> iso_weeks_in_year(const TimeValue& value);
Result<int64_t> days_in_year(const TimeValue& value);
Result<int64_t> days_in_month(const TimeValue& value);
Result<bool> is_leap_year(const TimeValue& value);
Result<std::array<int64_t, 7>> to_array(const TimeValue& value);

}  // namespace time_ops

}  // namespace qt
