// The five locale packs and the locale-aware formatter with single-letter
// tokens and [bracket] escapes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "time/local_reading.h"

namespace qt {

struct LocalePack {
    std::string_view code;
    std::array<std::string_view, 12> months;
    std::array<std::string_view, 12> months_short;
    std::array<std::string_view, 7> weekdays;        // Sunday first
    std::array<std::string_view, 7> weekdays_short;  // Sunday first
    std::string_view today, tomorrow, yesterday, at;
    std::string_view am, pm;
};

// The five packs, in the order supported_locales lists them: en, fr, es, de, pt.
extern const std::array<LocalePack, 5> kLocalePacks;
// English, first of the packs: the locale when none is given, and the words
// of the token and strftime patterns.
inline constexpr const LocalePack& kEnglish = kLocalePacks[0];

// None -> "en"; trimmed, lower-cased, cut at the first "-"; InvalidLocale
// carries the trimmed text in the caller's case.
Result<const LocalePack*> resolve_locale(std::optional<std::string_view> locale);

// Appends the formatted local reading to `out`; cannot fail.
void format_with_locale(const LocalDateTime& local, std::string_view pattern, const LocalePack& pack,
                        std::string& out);

namespace time_ops {
Result<std::string> format_locale(const TimeValue& value, std::string_view pattern,
                                  std::optional<std::string_view> locale);
}  // namespace time_ops

}  // namespace qt
