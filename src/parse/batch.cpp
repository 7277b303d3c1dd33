// The batch cores: one zone lookup per call, the single-value readers and
// formatter per element, and a check for signals every few thousand.
#include "parse/batch.h"

#include "format/locale.h"
#include "format/pattern.h"
#include "parse/parse_instant.h"
#include "parse/parse_pattern.h"

namespace qt {
namespace {

bool (*batch_should_stop)() = nullptr;

// Elements between two questions to batch_should_stop: a few microseconds of
// work, so an interrupt is seen within milliseconds at negligible cost.
constexpr size_t kElementsPerCheck = 4096;

// Runs `each` over the elements into a vector reserved once; all or nothing.
template <class In, class Each>
auto collect(std::span<const In> items, Each&& each)
    -> Result<std::vector<typename std::invoke_result_t<Each&, const In&>::value_type>> {
    std::vector<typename std::invoke_result_t<Each&, const In&>::value_type> out;
    out.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        if (i % kElementsPerCheck == kElementsPerCheck - 1 && batch_should_stop && batch_should_stop())
            return fail(TimeError::interrupted());
        auto result = each(items[i]);
        if (!result) return fail(std::move(result.error()));
        out.push_back(std::move(*result));
    }
    return out;
}

}  // namespace

void set_batch_interrupt_check(bool (*should_stop)()) { batch_should_stop = should_stop; }

Result<std::vector<int64_t>> parse_batch(std::span<const std::string_view> inputs,
                                         std::optional<std::string_view> timezone) {
    const auto zone = lookup_zone(timezone);
    if (!zone) return fail(zone.error());
    return collect(inputs, [&](std::string_view text) { return parse_instant(text, *zone); });
}

Result<std::vector<int64_t>> parse_format_batch(std::span<const std::string_view> inputs,
                                                std::string_view pattern,
                                                std::optional<std::string_view> timezone) {
    const auto zone = lookup_zone(timezone);
    if (!zone) return fail(zone.error());
    const std::string conversions = convert_pattern(pattern);
    return collect(inputs, [&](std::string_view text) {
        return parse_with_conversions(text, conversions, pattern, *zone);
    });
}

Result<std::vector<std::string>> format_batch(std::span<const int64_t> unix_millis, std::string_view pattern,
                                              std::optional<std::string_view> timezone,
                                              std::optional<std::string_view> locale) {
    const auto zone = lookup_zone(timezone);
    if (!zone) return fail(zone.error());
    const auto pack = resolve_locale(locale);
    if (!pack) return fail(pack.error());
    return collect(unix_millis, [&](int64_t ms) -> Result<std::string> {
        const auto local = wall_clock(ms, *zone);
        // The caller knows the element by its count, not by a local date
        // that the calendar cannot show.
        if (!local) return fail(TimeError::invalid_timestamp(ms));
        std::string text;
        format_with_locale(*local, pattern, **pack, text);
        return text;
    });
}

}  // namespace qt
