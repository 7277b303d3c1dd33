// The ways to make a QuendrelTime from something other than pattern text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "time/time_value.h"

namespace qt {

using OptionalText = std::optional<std::string_view>;

// The caller's [year, month0, date, hour, minute, second, millisecond]. Its
// length is known before its items are read, and a list longer than seven
// is refused without reading them.
struct Components {
    static constexpr size_t kMaxItems = 7;
    std::array<int64_t, kMaxItems> items{};
    size_t count = 0;  // the caller's length; items holds them when count <= kMaxItems
};

namespace time_ops {

Result<TimeValue> now(OptionalText timezone);
Result<TimeValue> from_unix_ms(int64_t unix_ms, OptionalText timezone);
Result<TimeValue> from_unix(int64_t unix_seconds, OptionalText timezone);
// Every component carries into the next larger one; the result is resolved
// as local time in the zone.
Result<TimeValue> from_array(const Components& components, OptionalText timezone);
// The class constructor: the current instant for None, else parse(input).
Result<TimeValue> construct(OptionalText input, OptionalText timezone);

}  // namespace time_ops

}  // namespace qt
