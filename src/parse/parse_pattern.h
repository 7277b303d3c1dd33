// Reading date-time text laid out by a token pattern (YYYY-MM-DD HH:mm ...).
//
// The pattern goes through convert_pattern first, so the text is read
// against the same conversion string that `format` expands:
//
//   "DD/MM/YYYY HH:mm"  ->  "%d/%m/%Y %H:%M"  reads  "15/01/2024 14:30"
//
// Reading fills a set of fields (year, month, day, hour, meridiem, offset,
// ...); a field read twice must get the same value both times, which is
// how "13:00 PM" reads and "13:00 AM" does not.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "time/time_value.h"

namespace qt {

// Text to epoch milliseconds, trying in order: a date-time with its own UTC
// offset; a local date-time in `zone` (whose resolution error is returned
// at once); a date alone at local midnight in `zone`. Otherwise
// InvalidDateInput naming the input and the caller's pattern.
Result<int64_t> parse_with_pattern(std::string_view input, std::string_view pattern, ZoneId zone);

// The same with the conversion string already made from `pattern`, so that
// a batch converts its pattern once. `pattern` only feeds the error text.
Result<int64_t> parse_with_conversions(std::string_view input, std::string_view conversions,
                                       std::string_view pattern, ZoneId zone);

namespace time_ops {
Result<TimeValue> parse_format(std::string_view input, std::string_view pattern,
                               std::optional<std::string_view> timezone);
}  // namespace time_ops

}  // namespace qt
