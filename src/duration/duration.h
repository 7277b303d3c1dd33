// QuendrelDuration: a signed length of time in whole milliseconds.
//
// Calendar units have fixed mean lengths here (a month is 30.436875 days, a
// year 365.2425), because a duration never knows which month or year it
// belongs to. Building from month, quarter or year multiplies in double
// precision and rounds, so from_months(1) is exactly 2'629'746'000 ms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/units.h"
#include "time/time_value.h"

namespace qt {

struct DurationValue {
    int64_t ms;
};

// `value` of `unit`; ArithmeticOverflow when the count leaves signed 64 bits.
Result<DurationValue> duration_in(int64_t value, TimeUnit unit);

// QuendrelDuration's methods.
namespace duration_ops {

// The constructor: `value` of `unit`, where None means milliseconds.
// InvalidUnit for an unknown unit text.
Result<DurationValue> construct(int64_t value, std::optional<std::string_view> unit);

inline DurationValue from_milliseconds(int64_t value) { return {value}; }

// The static factories from_seconds .. from_years.
template <TimeUnit Unit>
Result<DurationValue> from_unit(int64_t value) {
    return duration_in(value, Unit);
}

inline int64_t as_milliseconds(const DurationValue& d) { return d.ms; }

// The conversions as_seconds .. as_years: no rounding.
template <TimeUnit Unit>
double as_unit(const DurationValue& d) {
    return static_cast<double>(d.ms) / static_cast<double>(unit_length_ms(Unit));
}

Result<DurationValue> add(const DurationValue& d, const DurationValue& other);
Result<DurationValue> subtract(const DurationValue& d, const DurationValue& other);
Result<DurationValue> negate(const DurationValue& d);
Result<DurationValue> abs(const DurationValue& d);

// Relative-time text of the count; the direction suffix only when asked.
std::string humanize(const DurationValue& d, std::optional<bool> with_suffix);

}  // namespace duration_ops

// QuendrelTime's methods that make or take a duration.
namespace time_ops {

inline Result<DurationValue> duration(int64_t value, std::optional<std::string_view> unit) {
    return duration_ops::construct(value, unit);
}

// Moves the instant by the exact count and keeps the zone.
Result<TimeValue> add_duration(const TimeValue& value, const DurationValue& d);
Result<TimeValue> subtract_duration(const TimeValue& value, const DurationValue& d);

}  // namespace time_ops

}  // namespace qt
