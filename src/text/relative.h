// English relative-time text ("in 3 days", "a minute ago").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "time/time_value.h"

namespace qt {

// difference_ms > 0 describes a moment in the future.
std::string relative_text(int64_t difference_ms, bool without_suffix);

namespace time_ops {
Result<std::string> from_now(const TimeValue& value, std::optional<bool> without_suffix);
Result<std::string> to_now(const TimeValue& value, std::optional<bool> without_suffix);
Result<std::string> from_time(const TimeValue& value, const TimeValue& other, std::optional<bool> without_suffix);
Result<std::string> to_time(const TimeValue& value, const TimeValue& other, std::optional<bool> without_suffix);
}  // namespace time_ops

}  // namespace qt
