// The token pattern dialect (YYYY-MM-DD HH:mm:ss ...) and QuendrelTime.format.
//
// A pattern is first rewritten into a strftime conversion string
// (strftime.h), then expanded:
//
//   "ddd DD MMM YY, hh:mm A"  ->  "%a %d %b %y, %I:%M %p"  ->  "Tue 05 Mar 24, 07:08 AM"
#pragma once

#include <string>
#include <string_view>

#include "time/time_error.h"
#include "time/time_value.h"

namespace qt {

// Rewrites the seventeen tokens (YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd
// ddd ZZ Z A a) into conversions ("%Y" ...), leftmost-longest; everything
// else, "%" included, passes through.
std::string convert_pattern(std::string_view pattern);

namespace time_ops {
Result<std::string> format(const TimeValue& value, std::string_view pattern);
}  // namespace time_ops

}  // namespace qt
