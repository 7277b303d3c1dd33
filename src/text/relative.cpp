// The wording ladder of relative time, and the methods that describe a
// value against now or another value.
#include "text/relative.h"

#include <cmath>
#include <limits>

#include "time/checked_math.h"
#include "time/civil.h"
#include "time/clock.h"

namespace qt {
namespace {

// One step of the wording ladder: below `bound` seconds, either a fixed
// phrase, or a count of `per` seconds followed by `plural`.
struct Band {
    double bound;
    std::string_view phrase;  // empty for a counted band
    double per;
    std::string_view plural;
};

// The lower bound of every counted band is at least 1.5 of its unit, so a
// count never reads 1 ("a minute", not "1 minutes").
constexpr Band kBands[] = {
    {45, "a few seconds", 0, {}},
    {90, "a minute", 0, {}},
    {2'700, {}, kSecondsPerMinute, " minutes"},
    {5'400, "an hour", 0, {}},
    {79'200, {}, kSecondsPerHour, " hours"},
    {129'600, "a day", 0, {}},
    {2'246'400, {}, kSecondsPerDay, " days"},
    {3'888'000, "a month", 0, {}},
    {27'648'000, {}, 30 * kSecondsPerDay, " months"},
    {47'347'200, "a year", 0, {}},
    {std::numeric_limits<double>::infinity(), {}, 365 * kSecondsPerDay, " years"},
};

std::string body_for(double seconds) {
    for (const Band& band : kBands) {
        if (!(seconds < band.bound)) continue;
        if (!band.phrase.empty()) return std::string(band.phrase);
        // llround rounds halves away from zero; the largest count (about
        // 2.9e8 years for 2^63 ms) fits easily.
        std::string out = std::to_string(std::llround(seconds / band.per));
        out += band.plural;
        return out;
    }
    return {};  // unreachable: the last bound is infinite
}

Result<int64_t> difference(int64_t later, int64_t earlier) {
    int64_t out;
    if (sub_overflows(later, earlier, out)) return overflow();
    return out;
}

Result<std::string> describe(Result<int64_t> difference_ms, std::optional<bool> without_suffix) {
    return map(difference_ms, [&](int64_t ms) { return relative_text(ms, without_suffix.value_or(false)); });
}

}  // namespace

std::string relative_text(int64_t difference_ms, bool without_suffix) {
    // The unsigned magnitude keeps -2^63 exact.
    const uint64_t magnitude =
        difference_ms < 0 ? uint64_t{0} - static_cast<uint64_t>(difference_ms) : static_cast<uint64_t>(difference_ms);
    std::string body = body_for(static_cast<double>(magnitude) / kMsPerSecond);
    if (without_suffix) return body;
    // Zero counts as the past: "a few seconds ago".
    return difference_ms > 0 ? "in " + body : body + " ago";
}

Result<std::string> time_ops::from_now(const TimeValue& value, std::optional<bool> without_suffix) {
    return describe(difference(value.utc_ms, current_utc_ms()), without_suffix);
}

Result<std::string> time_ops::to_now(const TimeValue& value, std::optional<bool> without_suffix) {
    return describe(difference(current_utc_ms(), value.utc_ms), without_suffix);
}

Result<std::string> time_ops::from_time(const TimeValue& value, const TimeValue& other, std::optional<bool> without_suffix) {
    return describe(difference(value.utc_ms, other.utc_ms), without_suffix);
}

Result<std::string> time_ops::to_time(const TimeValue& value, const TimeValue& other, std::optional<bool> without_suffix) {
    return describe(difference(other.utc_ms, value.utc_ms), without_suffix);
}

}  // namespace qt
