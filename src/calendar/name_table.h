// How units and fields may be written, and matching caller text against
// those spellings. Both parsers trim Unicode white space, lower-case ASCII
// letters only and then compare byte for byte; the two lists share most of
// their spellings.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

#include "time/text_util.h"

namespace qt {

// One unit or field as a caller may write it: by its name, which lists and
// error messages show, by the name with an "s", or by another spelling.
struct Spelling {
    std::string_view name;
    std::array<std::string_view, 5> others{};  // the empty places are unused
};

inline constexpr Spelling kMillisecondSpelling{"millisecond", {"ms"}};
inline constexpr Spelling kSecondSpelling{"second", {"s", "sec"}};
inline constexpr Spelling kMinuteSpelling{"minute", {"m", "min"}};
inline constexpr Spelling kHourSpelling{"hour", {"h"}};
inline constexpr Spelling kMonthSpelling{"month", {"mo"}};
inline constexpr Spelling kQuarterSpelling{"quarter", {"q"}};
inline constexpr Spelling kYearSpelling{"year", {"y"}};

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
    // caller's text at run time. `suffix` (lower case) makes a plural.
    constexpr explicit PackedName(std::string_view text, std::string_view suffix = {}) {
        std::array<char, 16> bytes{};
        for (size_t i = 0; i < text.size(); ++i) bytes[i] = ascii_lower(text[i]);
        for (size_t i = 0; i < suffix.size(); ++i) bytes[text.size() + i] = suffix[i];
        const auto words = std::bit_cast<std::array<uint64_t, 2>>(bytes);
        head = words[0];
        tail = words[1] | uint64_t{text.size() + suffix.size()} << 56;
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

    // Every spelling of every member; spellings[i] are those of Member(i).
    template <size_t N>
    constexpr explicit NameIndex(const std::array<Spelling, N>& spellings) {
        for (size_t i = 0; i < N; ++i) {
            const Spelling& spelling = spellings[i];
            const auto member = static_cast<Member>(i);
            insert(PackedName(spelling.name), member);
            insert(PackedName(spelling.name, "s"), member);
            // Indexed: g++ 12 refuses a range-for over a constant's member array here.
            for (size_t j = 0; j < spelling.others.size(); ++j)
                if (!spelling.others[j].empty()) insert(PackedName(spelling.others[j]), member);
        }
    }

    constexpr void insert(const PackedName& name, Member member) {
        size_t i = slot_of(name);
        while (!slots[i].name.empty()) i = (i + 1) % kSlots;
        slots[i] = {name, member};
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
