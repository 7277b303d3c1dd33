// Signed distance from `other` to `value` in a unit, as a plain division of
// the millisecond difference: months, quarters and years count their mean
// Gregorian lengths, and neither zone is consulted, so diff never fails on a
// value that other operations would refuse.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/units.h"
#include "time/time_value.h"

namespace qt {

// value - other, saturated at the 64-bit ends, divided by the unit length.
// Truncated toward zero unless as_float is true; a zero keeps the sign of the
// quotient, so 500 ms before is -0.0 seconds. Always a float.
double diff_in(const TimeValue& value, const TimeValue& other, TimeUnit unit, bool as_float);

namespace time_ops {
Result<double> diff(const TimeValue& value, const TimeValue& other, std::string_view unit,
                    std::optional<bool> as_float);
}  // namespace time_ops

}  // namespace qt
