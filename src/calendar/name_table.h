// Matching caller text against the fixed names of units and fields. Both
// parsers trim Unicode white space, lower-case ASCII letters only and then
// compare byte for byte; the two lists share most of their names.
#pragma once

#include <array>
#include <bit>
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
// words. Units and fields are parsed on nearly every call into the library,
// so the names live in a small open-addressed hash table of packed names:
// one multiply, then usually a single two-word comparison.
struct PackedName {
    uint64_t head = 0;
    uint64_t tail = 0;  // never 0 for a real name: its top byte holds the length

    constexpr PackedName() = default;
    // From text of at most kMaxNameLength bytes, ASCII letters lower-cased:
    // the same code packs the table's names at compile time and the
    // caller's text at run time.
    constexpr explicit PackedName(std::string_view text) {
        std::array<char, 16> bytes{};
        for (size_t i = 0; i < text.size(); ++i) bytes[i] = ascii_lower(text[i]);
        const auto words = std::bit_cast<std::array<uint64_t, 2>>(bytes);
        head = words[0];
        tail = words[1] | uint64_t{text.size()} << 56;
    }
    constexpr bool empty() const { return tail == 0; }
    friend constexpr bool operator==(const PackedName&, const PackedName&) = default;
};

template <class Member>
struct NameIndex {
    static constexpr size_t kSlotBits = 6;
    static constexpr size_t kSlots = size_t{1} << kSlotBits;

    struct Slot {
        PackedName name;
        Member member{};
    };
    std::array<Slot, kSlots> slots{};

    static constexpr size_t slot_of(const PackedName& name) {
        return static_cast<size_t>(((name.head ^ (name.tail * 31)) * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits));
    }

    template <size_t N>
    constexpr explicit NameIndex(const NameGroup<Member> (&groups)[N]) {
        for (const auto& group : groups) {
            for (const std::string_view text : group.texts) {
                const PackedName name(text);
                size_t i = slot_of(name);
                while (!slots[i].name.empty()) i = (i + 1) % kSlots;
                slots[i] = {name, group.member};
            }
        }
    }

    std::optional<Member> find(const PackedName& key) const {
        for (size_t i = slot_of(key);; i = (i + 1) % kSlots) {
            if (slots[i].name == key) return slots[i].member;
            if (slots[i].name.empty()) return std::nullopt;
        }
    }
};

template <class Member>
std::optional<Member> match_name(std::string_view text, const NameIndex<Member>& index) {
    const std::string_view trimmed = trim_unicode_space(text);
    if (trimmed.empty() || trimmed.size() > kMaxNameLength) return std::nullopt;
    return index.find(PackedName(trimmed));
}

}  // namespace qt
