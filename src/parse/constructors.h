// The ways to make a QuendrelTime from something other than pattern text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "time/local_time.h"

namespace qt {

using OptionalText = std::optional<std::string_view>;

Result<TimeValue> now(OptionalText timezone);
Result<TimeValue> from_unix_ms(int64_t unix_ms, OptionalText timezone);
Result<TimeValue> from_unix(int64_t unix_seconds, OptionalText timezone);
// [year, month0, date, hour, minute, second, millisecond], every item
// carrying into the next larger one, resolved as local time in the zone.
Result<TimeValue> from_array(std::span<const int64_t> components, OptionalText timezone);
// The class constructor: the current instant for None, else parse(input).
Result<TimeValue> construct_time(OptionalText input, OptionalText timezone);

}  // namespace qt
