// First and last millisecond of the unit-long local period holding a value.
// A calendar period (day .. year; weeks start on Sunday) holds the instants
// whose local reading falls on its days; an exact one (second .. hour) is the
// stretch around the value over which the clock runs on without going back
// and keeps the same reading truncated to the unit. Both floor the values
// that the unit comparisons compare.
#pragma once

#include <string_view>

#include "calendar/units.h"
#include "time/time_value.h"

namespace qt {

Result<TimeValue> start_of_unit(const TimeValue& value, TimeUnit unit);
Result<TimeValue> end_of_unit(const TimeValue& value, TimeUnit unit);

// The first local day of the calendar period (day .. year) holding the
// value, with the errors its start would give but for the first days of the
// calendar. A period's start depends on this day alone and grows with it, so
// two values of one zone compare by their periods as these days compare.
Result<int64_t> calendar_period_first_day(const TimeValue& value, TimeUnit unit);

namespace time_ops {
Result<TimeValue> start_of(const TimeValue& value, std::string_view unit);
Result<TimeValue> end_of(const TimeValue& value, std::string_view unit);
}  // namespace time_ops

}  // namespace qt
