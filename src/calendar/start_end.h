// First and last millisecond of the unit-long local period holding a value
// (weeks start on Sunday).
#pragma once

#include <string_view>

#include "calendar/units.h"

namespace qt {

Result<TimeValue> start_of_unit(const TimeValue& value, TimeUnit unit);
Result<TimeValue> end_of_unit(const TimeValue& value, TimeUnit unit);

Result<TimeValue> start_of(const TimeValue& value, std::string_view unit);
Result<TimeValue> end_of(const TimeValue& value, std::string_view unit);

}  // namespace qt
