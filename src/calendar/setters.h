// Copies of a value with one calendar field replaced, on the local wall clock
// of the value's zone and with the numbering of the getters (month 0-based,
// day the Sunday-based weekday).
//
// Two rules. The shifting fields (millisecond .. hour, day, date and the week
// and day-number setters) move the local reading by the difference between
// the wanted and the current reading, so out-of-range values roll over:
// set_date(31) in April is 1 May, set_hour(-1) is 23:00 the day before.
// Month, quarter and year rebuild the date from year, month and day, clamp
// the day to the target month and keep the clock reading: set_month(1) on
// 31 January is 28 or 29 February. Either way the new local reading is
// resolved in the zone (earlier instant in an overlap, forward out of a gap).
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/fields.h"
#include "time/time_value.h"

namespace qt {

Result<TimeValue> set_field(const TimeValue& value, TimeField field, int64_t n);

// QuendrelTime's setters.
namespace time_ops {

// `set`: the field text is parsed only after both arguments are converted.
Result<TimeValue> set(const TimeValue& value, std::string_view field, int64_t n);

Result<TimeValue> set_millisecond(const TimeValue& value, int64_t n);
Result<TimeValue> set_second(const TimeValue& value, int64_t n);
Result<TimeValue> set_minute(const TimeValue& value, int64_t n);
Result<TimeValue> set_hour(const TimeValue& value, int64_t n);
Result<TimeValue> set_day(const TimeValue& value, int64_t n);   // weekday, Sunday 0
Result<TimeValue> set_date(const TimeValue& value, int64_t n);  // day of the month
Result<TimeValue> set_month(const TimeValue& value, int64_t n);  // 0-based
Result<TimeValue> set_quarter(const TimeValue& value, int64_t n);  // keeps the month's place in its quarter
Result<TimeValue> set_year(const TimeValue& value, int64_t n);

// Whole-day and whole-week moves of the local reading; the clock reading
// stays, and the week setters also keep the weekday.
Result<TimeValue> set_iso_weekday(const TimeValue& value, int64_t n);  // Monday 1 .. Sunday 7
Result<TimeValue> set_day_of_year(const TimeValue& value, int64_t n);
Result<TimeValue> set_iso_week(const TimeValue& value, int64_t n);
Result<TimeValue> set_week(const TimeValue& value, int64_t n);  // Sunday-start weeks

}  // namespace time_ops

}  // namespace qt
