// Durations from counts of a unit, their checked arithmetic and text, and
// moving a value by one.
#include "duration/duration.h"

#include <cmath>
#include <limits>

#include "text/relative.h"
#include "time/checked_math.h"

namespace qt {
namespace {

constexpr int64_t kMinCount = std::numeric_limits<int64_t>::min();
constexpr int64_t kMaxCount = std::numeric_limits<int64_t>::max();
constexpr double kTwoTo63 = 9'223'372'036'854'775'808.0;

// Month, quarter and year have no exact length, so the amount is scaled in
// double precision. The product of two whole numbers is whole there: exact
// below 2^53 and rounded by the multiplication above, where every double is
// whole. So nothing is left to round.
Result<int64_t> scale_mean_length(int64_t value, int64_t length_ms) {
    const double product = static_cast<double>(value) * static_cast<double>(length_ms);
    if (!std::isfinite(product) || std::fabs(product) > kTwoTo63) return overflow();
    // +2^63 itself is one past the largest count; it saturates.
    if (product >= kTwoTo63) return kMaxCount;
    return static_cast<int64_t>(product);
}

Result<int64_t> negated(int64_t count) {
    if (count == kMinCount) return overflow();
    return -count;
}

}  // namespace

Result<DurationValue> duration_in(int64_t value, TimeUnit unit) {
    const int64_t length = unit_length_ms(unit);
    if (unit == TimeUnit::Month || unit == TimeUnit::Quarter || unit == TimeUnit::Year)
        return map(scale_mean_length(value, length), [](int64_t ms) { return DurationValue{ms}; });
    int64_t ms;
    if (mul_overflows(value, length, ms)) return overflow();
    return DurationValue{ms};
}

Result<DurationValue> duration_ops::construct(int64_t value, std::optional<std::string_view> unit) {
    if (!unit) return DurationValue{value};
    QT_TRY(const auto parsed, parse_unit(*unit));
    return duration_in(value, parsed);
}

Result<DurationValue> duration_ops::add(const DurationValue& d, const DurationValue& other) {
    int64_t sum;
    if (add_overflows(d.ms, other.ms, sum)) return overflow();
    return DurationValue{sum};
}

Result<DurationValue> duration_ops::subtract(const DurationValue& d, const DurationValue& other) {
    int64_t difference;
    if (sub_overflows(d.ms, other.ms, difference)) return overflow();
    return DurationValue{difference};
}

Result<DurationValue> duration_ops::negate(const DurationValue& d) {
    return map(negated(d.ms), [](int64_t ms) { return DurationValue{ms}; });
}

Result<DurationValue> duration_ops::abs(const DurationValue& d) {
    if (d.ms >= 0) return d;
    return negate(d);
}

std::string duration_ops::humanize(const DurationValue& d, std::optional<bool> with_suffix) {
    return relative_text(d.ms, !with_suffix.value_or(false));
}

Result<TimeValue> time_ops::add_duration(const TimeValue& value, const DurationValue& d) {
    return add_units(value, d.ms, TimeUnit::Millisecond);
}

Result<TimeValue> time_ops::subtract_duration(const TimeValue& value, const DurationValue& d) {
    QT_TRY(const auto count, negated(d.ms));
    return add_units(value, count, TimeUnit::Millisecond);
}

}  // namespace qt
