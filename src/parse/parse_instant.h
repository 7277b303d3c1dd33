// Reading ISO 8601 / RFC 3339 text and offset-less ("naive") date-time text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "time/time_value.h"

namespace qt {

// Text to epoch milliseconds. Tries, in order: RFC 3339 with its own offset,
// then the naive forms (read as local time in `zone`)
//   Y-m-dTH:M:S.f  Y-m-d H:M:S.f  Y-m-dTH:M:S  Y-m-d H:M:S  Y-m-dTH:M  Y-m-d H:M  Y-m-d
// The first form that takes the whole text wins; a local time that cannot
// be resolved ends the search with its error.
Result<int64_t> parse_instant(std::string_view text, ZoneId zone);

namespace time_ops {
Result<TimeValue> parse(std::string_view input, std::optional<std::string_view> timezone);
}  // namespace time_ops

}  // namespace qt
