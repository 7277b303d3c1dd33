// Reading RFC 3339 text with its own offset, and naive date-time text as a
// local time in a zone, on the grammar pieces of parse/cursor.h.
#include "parse/parse_instant.h"

#include "parse/cursor.h"

namespace qt {
namespace {

// The date and time a text names, as read: not yet checked against the calendar.
struct Fields {
    int64_t year = 0;
    int64_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int64_t nanos = 0;
};

// field = space* digit{1,2}
bool read_field(Cursor& text, int64_t& out) {
    text.skip_space();
    return text.number(1, 2, out);
}

// year = space* (digit{1,4} | ("+" | "-") digit+)
bool read_year(Cursor& text, int64_t& year) {
    text.skip_space();
    return text.signed_number(4, year);
}

// Reads one naive form. In `form`: Y year, m d H M S two-digit fields,
// f optional fraction, ' ' a run of white space, other characters literal.
bool read_naive(std::string_view s, std::string_view form, Fields& f) {
    Cursor text(s);
    for (char item : form) {
        switch (item) {
        case 'Y':
            if (!read_year(text, f.year)) return false;
            break;
        case 'm': case 'd': case 'H': case 'M': case 'S': {
            int64_t& field = item == 'm' ? f.month : item == 'd' ? f.day : item == 'H' ? f.hour
                           : item == 'M' ? f.minute : f.second;
            if (!read_field(text, field)) return false;
            break;
        }
        case 'f':
            if (text.next_is('.') && !text.fraction(f.nanos)) return false;
            break;
        case ' ':
            text.skip_space();
            break;
        default:
            if (!text.literal(item)) return false;
        }
    }
    return text.at_end();
}

// Local milliseconds of the fields, when they name a supported day and a
// time of day.
std::optional<int64_t> local_ms_of(const Fields& f) {
    const auto day = supported_day(f.year, f.month, f.day);
    if (!day || f.hour > 23 || f.minute > 59 || f.second > 59) return std::nullopt;
    return *day * kMsPerDay + ((f.hour * 60 + f.minute) * 60 + f.second) * 1000 + f.nanos / 1'000'000;
}

// The value of the two ASCII digits at `at`, or -1.
int two_digits_at(std::string_view s, size_t at) {
    const unsigned tens = digit_value(s[at]), ones = digit_value(s[at + 1]);
    return tens < 10 && ones < 10 ? static_cast<int>(tens * 10 + ones) : -1;
}

// offset = "Z" | "z" | offset_sign hh ":" mm, hh [00, 23], mm [00, 59]
bool read_rfc3339_offset(Cursor& text, int64_t& seconds) {
    if (text.literal('Z') || text.literal('z')) {
        seconds = 0;
        return true;
    }
    int sign;
    int64_t hours, minutes;
    if (!text.offset_sign(sign) || !text.two_digits(hours) || hours > 23 || !text.literal(':') ||
        !text.sexagesimal(minutes))
        return false;
    seconds = sign * (hours * 3600 + minutes * 60);
    return true;
}

// rfc3339 = prefix [fraction] offset, all of the text
// prefix  = digit{4} "-" digit{2} "-" digit{2} ("T" | "t" | " ") digit{2} ":" digit{2} ":" digit{2}
// Every field of the prefix has a fixed width, so it is checked by position
// (this is the form machines write, and batches parse it by the million).
std::optional<int64_t> read_rfc3339(std::string_view s) {
    constexpr size_t kPrefixLength = 19;  // "YYYY-MM-DDTHH:MM:SS"
    if (s.size() <= kPrefixLength) return {};
    const int century = two_digits_at(s, 0), year_of_century = two_digits_at(s, 2);
    const int month = two_digits_at(s, 5), day = two_digits_at(s, 8);
    const int hour = two_digits_at(s, 11), minute = two_digits_at(s, 14), second = two_digits_at(s, 17);
    const char separator = s[10];
    if ((century | year_of_century | month | day | hour | minute | second) < 0 || s[4] != '-' || s[7] != '-' ||
        (separator != 'T' && separator != 't' && separator != ' ') || s[13] != ':' || s[16] != ':')
        return {};
    Fields f;
    f.year = century * 100 + year_of_century;
    f.month = month, f.day = day, f.hour = hour, f.minute = minute, f.second = second;
    Cursor text(s, kPrefixLength);
    int64_t offset;
    if ((text.next_is('.') && !text.fraction(f.nanos)) || !read_rfc3339_offset(text, offset) || !text.at_end())
        return {};
    const bool leap = f.second == kLeapSecond;
    if (leap) f.second = 59;
    // Years 0000-9999 with an offset below a day cannot leave the range.
    const auto local_ms = local_ms_of(f);
    if (!local_ms) return {};
    return *local_ms - offset * 1000 + (leap ? 1000 : 0);
}

constexpr std::string_view kNaiveForms[] = {
    "Y-m-dTH:M:Sf", "Y-m-d H:M:Sf", "Y-m-dTH:M:S", "Y-m-d H:M:S", "Y-m-dTH:M", "Y-m-d H:M", "Y-m-d",
};

// An instant read from text, with the zone's offset there when resolving a
// local time already found it (so that making the value does not look it
// up again).
struct ReadInstant {
    int64_t utc_ms;
    std::optional<ZoneOffset> offset;
};

Result<ReadInstant> read_instant(std::string_view text, ZoneId zone) {
    if (const auto instant = read_rfc3339(text)) return ReadInstant{*instant, std::nullopt};
    for (std::string_view form : kNaiveForms) {
        Fields f;
        if (!read_naive(text, form, f)) continue;
        const bool leap = f.second == kLeapSecond;
        if (leap) f.second = 59;
        const auto local_ms = local_ms_of(f);
        if (!local_ms) continue;
        const auto resolved = resolve_local(zone, *local_ms);
        if (!resolved) return fail(resolved.error());
        if (!leap) return ReadInstant{resolved->utc_ms, resolved->offset};
        // The second after :59 may have another offset: it is not kept.
        return map(add_leap_second(resolved->utc_ms), [](int64_t ms) { return ReadInstant{ms, std::nullopt}; });
    }
    return fail(TimeError::invalid_date_input(text));
}

}  // namespace

Result<int64_t> parse_instant(std::string_view text, ZoneId zone) {
    return map(read_instant(text, zone), [](const ReadInstant& r) { return r.utc_ms; });
}

Result<TimeValue> parse(std::string_view input, std::optional<std::string_view> timezone) {
    const auto zone = lookup_zone(timezone);
    if (!zone) return fail(zone.error());
    return map(read_instant(input, *zone), [&](const ReadInstant& r) {
        return r.offset ? TimeValue{r.utc_ms, *zone, *r.offset} : TimeValue{r.utc_ms, *zone};
    });
}

}  // namespace qt
