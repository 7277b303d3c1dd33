// Resolving a locale name to its pack, and the locale formatter's tokens.
#include "format/locale.h"

#include "format/strftime.h"
#include "time/civil.h"
#include "time/digits.h"
#include "time/iso_text.h"
#include "time/text_util.h"

namespace qt {

Result<const LocalePack*> resolve_locale(std::optional<std::string_view> locale) {
    if (!locale) return &kEnglish;
    const std::string_view trimmed = trim_unicode_space(*locale);
    if (trimmed.empty()) return &kEnglish;
    const std::string lowered = ascii_lower(trimmed);
    // Region and script subtags are accepted whatever they hold.
    const std::string_view language = std::string_view(lowered).substr(0, lowered.find('-'));
    for (const LocalePack& pack : kLocalePacks)
        if (language == pack.code) return &pack;
    return fail(TimeError::invalid_locale(trimmed));
}

namespace {

// Length of the run of `letter` at `pos`, capped at `cap`.
size_t run_length(std::string_view pattern, size_t pos, size_t cap) {
    size_t n = 0;
    while (n < cap && pos + n < pattern.size() && pattern[pos + n] == pattern[pos]) ++n;
    return n;
}

// Offsets print whole minutes, truncated toward zero before the sign is
// chosen (less than a minute west shows as +00:00): +0530 or +05:30.
void append_offset_minutes(std::string& out, int32_t offset_seconds, bool colon) {
    const auto whole_minutes = static_cast<int32_t>(offset_seconds / kSecondsPerMinute * kSecondsPerMinute);
    append_utc_offset(out, whole_minutes, OffsetField::Minutes, colon, OffsetRounding::TowardZero);
}

// Writes the token of `length` times `letter`.
void append_locale_token(std::string& out, char letter, size_t length, const LocalDateTime& local,
                         const CivilDate& date, const LocalePack& pack) {
    const int hour = local.hour();
    auto number = [&](int64_t value) { append_padded(out, value, length == 2 ? 2 : 1); };
    switch (letter) {
    case 'Y':
        if (length == 4) append_number(out, date.year, 4, Pad::Zero);
        else append_padded(out, floor_mod(date.year, 100), 2);
        return;
    case 'M':
        if (length == 4) out += pack.months[date.month - 1];
        else if (length == 3) out += pack.months_short[date.month - 1];
        else number(date.month);
        return;
    case 'D': number(date.day); return;
    case 'd':
        out += length == 4 ? pack.weekdays[local.weekday()] : pack.weekdays_short[local.weekday()];
        return;
    case 'H': number(hour); return;
    case 'h': number(hour % 12 == 0 ? 12 : hour % 12); return;
    case 'm': number(local.minute()); return;
    case 's': number(local.second()); return;
    case 'S': append_padded(out, local.millisecond(), 3); return;
    case 'Z': append_offset_minutes(out, local.offset, length == 1); return;
    case 'A': out += hour < 12 ? pack.am : pack.pm; return;
    case 'a': out += ascii_lower(hour < 12 ? pack.am : pack.pm); return;
    }
}

// The token lengths each letter knows, longest first; 0 ends a list.
struct LetterTokens {
    char letter;
    size_t lengths[4];
};
constexpr LetterTokens kLocaleTokens[] = {
    {'Y', {4, 2}}, {'M', {4, 3, 2, 1}}, {'D', {2, 1}}, {'d', {4, 3}}, {'H', {2, 1}}, {'h', {2, 1}},
    {'m', {2, 1}}, {'s', {2, 1}},       {'S', {3}},    {'Z', {2, 1}}, {'A', {1}},    {'a', {1}},
};

// Length of the token at `pos`, or 0 when the letters there are not one.
size_t locale_token_length(std::string_view pattern, size_t pos) {
    for (const LetterTokens& tokens : kLocaleTokens) {
        if (tokens.letter != pattern[pos]) continue;
        const size_t run = run_length(pattern, pos, 4);
        for (size_t length : tokens.lengths)
            if (length != 0 && length <= run) return length;
        return 0;
    }
    return 0;
}

}  // namespace

void format_with_locale(const LocalDateTime& local, std::string_view pattern, const LocalePack& pack,
                        std::string& out) {
    const CivilDate date = local.date();
    size_t pos = 0;
    while (pos < pattern.size()) {
        if (pattern[pos] == '[') {
            // An unclosed bracket escapes the whole rest of the pattern.
            const size_t close = pattern.find(']', pos + 1);
            const size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(pos + 1, end - pos - 1));
            pos = close == std::string_view::npos ? end : close + 1;
            continue;
        }
        const size_t length = locale_token_length(pattern, pos);
        if (length != 0) {
            append_locale_token(out, pattern[pos], length, local, date, pack);
            pos += length;
            continue;
        }
        // Tokens and brackets are ASCII, so no multi-byte character is split here.
        out += pattern[pos++];
    }
}

Result<std::string> time_ops::format_locale(const TimeValue& value, std::string_view pattern,
                                  std::optional<std::string_view> locale) {
    QT_TRY(const auto local, wall_clock(value));
    QT_TRY(const LocalePack* pack, resolve_locale(locale));
    std::string out;
    out.reserve(pattern.size() * 3 + 16);
    format_with_locale(local, pattern, *pack, out);
    return out;
}

}  // namespace qt
