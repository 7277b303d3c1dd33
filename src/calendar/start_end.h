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

namespace time_ops {
Result<TimeValue> start_of(const TimeValue& value, std::string_view unit);
Result<TimeValue> end_of(const TimeValue& value, std::string_view unit);
}  // namespace time_ops

}  // namespace qt
