// The token pattern dialect (YYYY-MM-DD HH:mm:ss ...) and its expansion
// through strftime-style conversions with English words.
#pragma once

#include <string>
#include <string_view>

#include "time/local_time.h"

namespace qt {

// Rewrites the seventeen tokens (YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd
// ddd ZZ Z A a) into conversions ("%Y" ...), leftmost-longest; everything
// else, "%" included, passes through.
std::string convert_pattern(std::string_view pattern);

// Expands a conversion string against a local reading. Returns false (and
// leaves `out` unspecified) on an invalid conversion specification.
bool expand_conversions(std::string_view conversions, const LocalDateTime& local, std::string& out);

// QuendrelTime.format
Result<std::string> format(const TimeValue& value, std::string_view pattern);

}  // namespace qt
