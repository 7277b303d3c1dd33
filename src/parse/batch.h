// Whole lists parsed or formatted in one call, with no value object made
// per element. A batch is set up once, its zone (and pattern or locale)
// resolved even for an empty list, and then handles one element at a time;
// the caller walks its own list in order, writes each result where it
// belongs, and stops at the first element that fails, with that element's
// error. Nothing is copied or collected here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "format/locale.h"
#include "time/time_error.h"
#include "time/zone.h"

namespace qt {

// QuendrelTime.parse_batch: ISO and naive text to epoch milliseconds.
class ParseBatch {
public:
    static Result<ParseBatch> start(std::optional<std::string_view> timezone);
    Result<int64_t> read(std::string_view text) const;

private:
    explicit ParseBatch(ZoneId zone) : zone_(zone) {}
    ZoneId zone_;
};

// QuendrelTime.parse_format_batch: text laid out by a token pattern, which
// is converted once for the whole list.
class ParseFormatBatch {
public:
    static Result<ParseFormatBatch> start(std::string_view pattern, std::optional<std::string_view> timezone);
    Result<int64_t> read(std::string_view text) const;

private:
    ParseFormatBatch(std::string conversions, std::string_view pattern, ZoneId zone)
        : conversions_(std::move(conversions)), pattern_(pattern), zone_(zone) {}
    std::string conversions_;
    std::string_view pattern_;  // the caller's, for error texts; it outlives the batch
    ZoneId zone_;
};

// QuendrelTime.format_batch: epoch milliseconds to locale-aware text.
class FormatBatch {
public:
    static Result<FormatBatch> start(std::string_view pattern, std::optional<std::string_view> timezone,
                                     std::optional<std::string_view> locale);
    // Replaces `out` with the text of one element. A count outside the
    // calendar, or whose local reading in the zone falls outside it, is
    // InvalidTimestamp carrying that count.
    Result<void> write(int64_t unix_ms, std::string& out) const;

private:
    FormatBatch(std::string_view pattern, ZoneId zone, const LocalePack& pack)
        : pattern_(pattern), zone_(zone), pack_(&pack) {}
    std::string_view pattern_;  // the caller's; it outlives the batch
    ZoneId zone_;
    const LocalePack* pack_;
};

}  // namespace qt
