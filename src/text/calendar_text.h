// Calendar text: a value described against a reference day in the words of
// a locale ("Today at 14:30", "Friday at 10:00", "2024-03-12 10:00").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "time/time_value.h"

namespace qt {

namespace time_ops {
// Both days are read in the value's zone, whatever the reference's own zone;
// None as the reference means now. Buckets by whole local days between them:
// 0, +1, -1, 2..6 either way (the weekday name), and a plain date beyond.
Result<std::string> calendar(const TimeValue& value, std::optional<TimeValue> reference,
                             std::optional<std::string_view> locale);
}  // namespace time_ops

}  // namespace qt
