// The batch cores: one zone lookup per call, the single-value readers and
// formatter per element, and a check for signals every few thousand.
#include "parse/batch.h"

#include "format/pattern.h"
#include "parse/parse_instant.h"
#include "parse/parse_pattern.h"
#include "time/local_reading.h"

namespace qt {

Result<ParseBatch> ParseBatch::start(std::optional<std::string_view> timezone) {
    return map(lookup_zone(timezone), [](ZoneId zone) { return ParseBatch(zone); });
}

Result<int64_t> ParseBatch::read(std::string_view text) const { return parse_instant(text, zone_); }

Result<ParseFormatBatch> ParseFormatBatch::start(std::string_view pattern,
                                                 std::optional<std::string_view> timezone) {
    QT_TRY(const auto zone, lookup_zone(timezone));
    return ParseFormatBatch(convert_pattern(pattern), pattern, zone);
}

Result<int64_t> ParseFormatBatch::read(std::string_view text) const {
    return parse_with_conversions(text, conversions_, pattern_, zone_);
}

Result<FormatBatch> FormatBatch::start(std::string_view pattern, std::optional<std::string_view> timezone,
                                       std::optional<std::string_view> locale) {
    QT_TRY(const auto zone, lookup_zone(timezone));
    QT_TRY(const LocalePack* pack, resolve_locale(locale));
    return FormatBatch(pattern, zone, *pack);
}

Result<void> FormatBatch::write(int64_t unix_ms, std::string& out) const {
    const auto local = wall_clock(unix_ms, zone_);
    // The caller knows the element by its count, not by a local date that
    // the calendar cannot show.
    if (!local) return fail(TimeError::invalid_timestamp(unix_ms));
    out.clear();
    format_with_locale(*local, pattern_, *pack_, out);
    return {};
}

}  // namespace qt
