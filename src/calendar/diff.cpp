// diff: the millisecond difference divided by the unit's length.
#include "calendar/diff.h"

#include <cmath>
#include <limits>

#include "time/checked_math.h"

namespace qt {

double diff_in(const TimeValue& value, const TimeValue& other, TimeUnit unit, bool as_float) {
    int64_t d;
    if (sub_overflows(value.utc_ms, other.utc_ms, d))
        d = value.utc_ms > other.utc_ms ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    const double x = static_cast<double>(d);
    const double q = unit == TimeUnit::Millisecond ? x : x / static_cast<double>(unit_length_ms(unit));
    return as_float ? q : std::trunc(q);
}

Result<double> time_ops::diff(const TimeValue& value, const TimeValue& other, std::string_view unit,
                    std::optional<bool> as_float) {
    return map(parse_unit(unit), [&](TimeUnit u) { return diff_in(value, other, u, as_float.value_or(false)); });
}

}  // namespace qt
