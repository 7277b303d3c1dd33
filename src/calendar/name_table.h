// Matching caller text against the fixed names of units and fields. Both
// parsers trim Unicode white space, lower-case ASCII letters only and then
// compare byte for byte; the two lists share most of their names.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "time/text_util.h"

namespace qt {

using Names = std::span<const std::string_view>;

inline constexpr std::string_view kMillisecondNames[] = {"ms", "millisecond", "milliseconds"};
inline constexpr std::string_view kSecondNames[] = {"s", "sec", "second", "seconds"};
inline constexpr std::string_view kMinuteNames[] = {"m", "min", "minute", "minutes"};
inline constexpr std::string_view kHourNames[] = {"h", "hour", "hours"};
inline constexpr std::string_view kMonthNames[] = {"mo", "month", "months"};
inline constexpr std::string_view kQuarterNames[] = {"q", "quarter", "quarters"};
inline constexpr std::string_view kYearNames[] = {"y", "year", "years"};

template <class Member>
struct NameGroup {
    Names texts;
    Member member;
};

// Longest accepted name is "milliseconds" (12 bytes); anything longer, or
// empty after trimming, cannot match.
inline constexpr size_t kMaxNameLength = 12;

template <class Member, size_t N>
std::optional<Member> match_name(std::string_view text, const NameGroup<Member> (&groups)[N]) {
    const std::string_view trimmed = trim_unicode_space(text);
    if (trimmed.empty() || trimmed.size() > kMaxNameLength) return std::nullopt;
    const std::string lowered = ascii_lower(trimmed);
    for (const auto& group : groups)
        for (const std::string_view name : group.texts)
            if (name == lowered) return group.member;
    return std::nullopt;
}

}  // namespace qt
