// Ordering of values. Plain tests compare instants and ignore zones. Unit
// tests first floor each side to the start of its unit in its OWN zone, so
// 23:30 in Lisbon and 00:30 the next day in Paris (the same instant) are not
// the same "day": their local midnights are 23 hours apart.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/units.h"
#include "time/time_value.h"

namespace qt {

// The bracket forms of is_between: "(" and ")" exclude a bound, "[" and "]"
// include it.
struct Inclusivity {
    bool start_inclusive;
    bool end_inclusive;
};

// None means "()". Anything but the four two-character forms, untrimmed, is
// InvalidInclusivity.
Result<Inclusivity> parse_inclusivity(std::optional<std::string_view> text);

// QuendrelTime's comparisons and range queries.
namespace time_ops {

inline bool is_before(const TimeValue& v, const TimeValue& other) { return v.utc_ms < other.utc_ms; }
inline bool is_after(const TimeValue& v, const TimeValue& other) { return v.utc_ms > other.utc_ms; }
inline bool is_same(const TimeValue& v, const TimeValue& other) { return v.utc_ms == other.utc_ms; }
inline bool is_same_or_before(const TimeValue& v, const TimeValue& other) { return v.utc_ms <= other.utc_ms; }
inline bool is_same_or_after(const TimeValue& v, const TimeValue& other) { return v.utc_ms >= other.utc_ms; }

Result<bool> is_before_unit(const TimeValue& v, const TimeValue& other, std::string_view unit);
Result<bool> is_after_unit(const TimeValue& v, const TimeValue& other, std::string_view unit);
Result<bool> is_same_unit(const TimeValue& v, const TimeValue& other, std::string_view unit);
Result<bool> is_same_or_before_unit(const TimeValue& v, const TimeValue& other, std::string_view unit);
Result<bool> is_same_or_after_unit(const TimeValue& v, const TimeValue& other, std::string_view unit);

// start < value < end under the bracket form, on the unit floors when a unit
// is given. Unit and floor errors come before inclusivity errors. The bounds
// are not reordered: start after end holds for no value.
Result<bool> is_between(const TimeValue& v, const TimeValue& start, const TimeValue& end,
                        std::optional<std::string_view> unit, std::optional<std::string_view> inclusivity);

// The earlier (later) instant. Ties and the earlier (later) `first` keep
// first's zone; the result is always a new value.
TimeValue min_time(const TimeValue& first, const TimeValue& second);
TimeValue max_time(const TimeValue& first, const TimeValue& second);

// The value limited to the range of the two bounds, given in either order.
TimeValue clamp(const TimeValue& v, const TimeValue& start, const TimeValue& end);

// Whether the value's local date is the current local date of its zone,
// moved by -1, 0 or +1 days; the time of day plays no part.
Result<bool> is_today(const TimeValue& v);
Result<bool> is_yesterday(const TimeValue& v);
Result<bool> is_tomorrow(const TimeValue& v);

}  // namespace time_ops
}  // namespace qt
