// Matching caller text against the fixed names of units and fields. Both
// parsers trim Unicode white space, lower-case ASCII letters only and then
// compare byte for byte; the two lists share most of their names.
#pragma once

#include <array>
#include <cstdint>
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

// A name of at most kMaxNameLength bytes packed with its length into two
// words, so that finding it in a table is two integer comparisons per entry
// (units are parsed on nearly every call into the library).
struct PackedName {
    uint64_t head = 0;
    uint64_t tail = 0;

    constexpr PackedName() = default;
    constexpr explicit PackedName(std::string_view lowered) {
        for (size_t i = 0; i < lowered.size(); ++i)
            (i < 8 ? head : tail) |= uint64_t{static_cast<unsigned char>(lowered[i])} << (8 * (i % 8));
        tail |= uint64_t{lowered.size()} << 56;
    }
    friend constexpr bool operator==(const PackedName&, const PackedName&) = default;
};

template <class Member>
struct PackedEntry {
    PackedName name;
    Member member;
};

template <class Member, size_t N>
constexpr size_t name_count(const NameGroup<Member> (&groups)[N]) {
    size_t count = 0;
    for (const auto& group : groups) count += group.texts.size();
    return count;
}

// The groups flattened into one packed table: build it as
//   constexpr auto kTable = pack_names<name_count(kGroups)>(kGroups);
template <size_t Count, class Member, size_t N>
constexpr std::array<PackedEntry<Member>, Count> pack_names(const NameGroup<Member> (&groups)[N]) {
    std::array<PackedEntry<Member>, Count> table{};
    size_t at = 0;
    for (const auto& group : groups)
        for (const std::string_view name : group.texts) table[at++] = {PackedName(name), group.member};
    return table;
}

template <class Member, size_t Count>
std::optional<Member> match_name(std::string_view text, const std::array<PackedEntry<Member>, Count>& table) {
    const std::string_view trimmed = trim_unicode_space(text);
    if (trimmed.empty() || trimmed.size() > kMaxNameLength) return std::nullopt;
    char buffer[kMaxNameLength];
    for (size_t i = 0; i < trimmed.size(); ++i) buffer[i] = ascii_lower(trimmed[i]);
    const PackedName key(std::string_view(buffer, trimmed.size()));
    for (const auto& entry : table)
        if (entry.name == key) return entry.member;
    return std::nullopt;
}

}  // namespace qt
