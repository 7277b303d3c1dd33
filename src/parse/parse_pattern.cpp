// Reading text against a conversion string: the fields one pass fills in,
// how they must agree, and the instant they name.
#include "parse/parse_pattern.h"

#include <array>
#include <cstdlib>
#include <string>

#include "format/locale.h"
#include "format/pattern.h"
#include "format/strftime.h"
#include "parse/cursor.h"
#include "time/checked_math.h"
#include "time/local_reading.h"
#include "time/text_util.h"

namespace qt {
namespace {

using Slot = std::optional<int64_t>;

// Everything one pass over the text has read. Each conversion stores into
// a slot; a slot that already holds another value fails the pass.
struct Fields {
    Slot year;                 // %Y, signed
    Slot century;              // %C, year / 100
    Slot year_of_century;      // %y, [0, 99]
    Slot month;                // [1, 12]
    Slot day;                  // [1, 31]
    Slot ordinal;              // %j, [1, 366]
    Slot week_from_sunday;     // %U, [0, 53]: week 1 starts on the first Sunday
    Slot week_from_monday;     // %W, [0, 53]: week 1 starts on the first Monday
    Slot iso_year;             // %G, signed
    Slot iso_year_of_century;  // %g, [0, 99]
    Slot iso_week;             // %V, [1, 53]
    Slot weekday;              // [0, 6], Sunday = 0
    Slot afternoon;            // 0 or 1: from the meridiem or from a 24-hour hour
    Slot hour_mod_12;          // [0, 11]: from either hour
    Slot minute;               // [0, 59]
    Slot second;               // [0, 60], 60 a leap second
    Slot nanosecond;           // [0, 999'999'999]
    Slot timestamp;            // %s, seconds since the epoch
    Slot offset;               // seconds east of UTC, |offset| < 100 hours
};

bool store(Slot& slot, int64_t value) {
    if (slot && *slot != value) return false;
    slot = value;
    return true;
}

bool store_in(Slot& slot, int64_t value, int64_t lo, int64_t hi) {
    return value >= lo && value <= hi && store(slot, value);
}

// A 24-hour hour fixes both the meridiem and the hour on the 12-hour dial,
// so it must agree with a %p or %I read elsewhere in the text.
bool store_hour(Fields& f, int64_t hour) {
    return hour >= 0 && hour <= 23 && store(f.afternoon, hour / 12) && store(f.hour_mod_12, hour % 12);
}

// name = the first three letters of one of `names`, in any case, and with
// `full` the rest of that name when it follows. The index is into `names`.
template <size_t N>
bool read_name(Cursor& text, const std::array<std::string_view, N>& names, bool full, int64_t& index) {
    for (size_t i = 0; i < N; ++i) {
        if (!text.next_is_word(names[i].substr(0, 3))) continue;
        text.skip(3);
        if (full && text.next_is_word(names[i].substr(3))) text.skip(names[i].size() - 3);
        index = static_cast<int64_t>(i);
        return true;
    }
    return false;
}

// meridiem = ("a" | "p") "m", any case; 1 for the afternoon.
bool read_meridiem(Cursor& text, int64_t& afternoon) {
    if (text.next_is_word("am")) {
        afternoon = 0;
    } else if (text.next_is_word("pm")) {
        afternoon = 1;
    } else {
        return false;
    }
    text.skip(2);
    return true;
}

// offset = space* offset_sign hh [separators sixty [separators sixty]]
// Minutes are required except for %:::z, seconds read only for %::z,
// so that each form reads what the formatter writes.
bool read_offset(Cursor& text, Directive directive, int64_t& seconds) {
    text.skip_space();
    int sign;
    int64_t hours, minutes = 0, extra = 0;
    if (!text.offset_sign(sign) || !text.two_digits(hours)) return false;
    const size_t after_hours = text.position();
    text.skip_separators();
    if (!text.sexagesimal(minutes)) {
        if (directive != Directive::OffsetHours) return false;
        text.move_to(after_hours);
    } else if (directive == Directive::OffsetSeconds) {
        text.skip_separators();
        if (!text.sexagesimal(extra)) return false;
    }
    seconds = sign * (hours * 3600 + minutes * 60 + extra);
    return true;
}

// fraction? : nine digits are significant, more are read and dropped.
bool read_optional_fraction(Cursor& text, Slot& nanosecond) {
    int64_t nanos;
    return !text.next_is('.') || (text.fraction(nanos) && store(nanosecond, nanos));
}

// One number, after optional white space, into its field. Widths are the
// most digits read; a signed year or timestamp takes any number after "+"/"-".
bool read_number(Directive directive, Cursor& text, Fields& f) {
    text.skip_space();
    int64_t v;
    switch (directive) {
    case Directive::Year: return text.signed_number(4, v) && store(f.year, v);
    case Directive::YearDiv100: return text.number(1, 2, v) && store(f.century, v);
    case Directive::YearMod100: return text.number(1, 2, v) && store(f.year_of_century, v);
    case Directive::IsoYear: return text.signed_number(4, v) && store(f.iso_year, v);
    case Directive::IsoYearMod100: return text.number(1, 2, v) && store(f.iso_year_of_century, v);
    case Directive::Month: return text.number(1, 2, v) && store_in(f.month, v, 1, 12);
    case Directive::Day: return text.number(1, 2, v) && store_in(f.day, v, 1, 31);
    case Directive::WeekFromSunday: return text.number(1, 2, v) && store_in(f.week_from_sunday, v, 0, 53);
    case Directive::WeekFromMonday: return text.number(1, 2, v) && store_in(f.week_from_monday, v, 0, 53);
    case Directive::IsoWeek: return text.number(1, 2, v) && store_in(f.iso_week, v, 1, 53);
    case Directive::WeekdayFromSunday: return text.number(1, 1, v) && store_in(f.weekday, v, 0, 6);
    case Directive::WeekdayFromMonday: return text.number(1, 1, v) && v >= 1 && v <= 7 && store(f.weekday, v % 7);
    case Directive::DayOfYear: return text.number(1, 3, v) && store_in(f.ordinal, v, 1, 366);
    case Directive::Hour: return text.number(1, 2, v) && store_hour(f, v);
    case Directive::Hour12: return text.number(1, 2, v) && v >= 1 && v <= 12 && store(f.hour_mod_12, v % 12);
    case Directive::Minute: return text.number(1, 2, v) && store_in(f.minute, v, 0, 59);
    case Directive::Second: return text.number(1, 2, v) && store_in(f.second, v, 0, 60);
    case Directive::Nanosecond: return text.number(1, 9, v) && store(f.nanosecond, v);
    case Directive::Timestamp: return text.signed_number(INT32_MAX, v) && store(f.timestamp, v);
    default: return false;
    }
}

bool read_items(std::string_view conversions, Cursor& text, Fields& f);

// One conversion: the same specifiers, with the same English words,
// that the formatter writes.
bool read_one(const Conversion& c, Cursor& text, Fields& f) {
    const LocalePack& english = kEnglish;
    int64_t v;
    switch (c.directive) {
    case Directive::MonthName: return read_name(text, english.months, true, v) && store(f.month, v + 1);
    case Directive::MonthAbbrev: return read_name(text, english.months, false, v) && store(f.month, v + 1);
    case Directive::WeekdayName: return read_name(text, english.weekdays, true, v) && store(f.weekday, v);
    case Directive::WeekdayAbbrev: return read_name(text, english.weekdays, false, v) && store(f.weekday, v);
    case Directive::UpperAmPm:
    case Directive::LowerAmPm: return read_meridiem(text, v) && store(f.afternoon, v);
    case Directive::FractionAuto:
    case Directive::FractionDot: return read_optional_fraction(text, f.nanosecond);
    case Directive::FractionDigits: return text.fraction_digits(c.width, v) && store(f.nanosecond, v);
    case Directive::Offset:
    case Directive::OffsetColon:
    case Directive::OffsetSeconds:
    case Directive::OffsetHours: return read_offset(text, c.directive, v) && store(f.offset, v);
    case Directive::Literal:
        if (unicode_space_length(c.text, 0) == 0) return text.literal(c.text[0]);
        text.skip_space();  // %t and %n stand for white space, like a blank
        return true;
    case Directive::Composite: return read_items(c.text, text, f);
    default: return read_number(c.directive, text, f);
    }
}

// Reads the text against a conversion string. A run of white space in the
// string matches any run of white space in the text, including none. An
// invalid specifier fails like text that does not match.
bool read_items(std::string_view conv, Cursor& text, Fields& f) {
    size_t at = 0;
    while (at < conv.size()) {
        if (unicode_space_length(conv, at) > 0) {
            while (size_t n = unicode_space_length(conv, at)) at += n;
            text.skip_space();
        } else if (conv[at] == '%') {
            const auto conversion = read_conversion(conv, at);
            if (!conversion || !read_one(*conversion, text, f)) return false;
            at += conversion->length;
        } else if (!text.literal(conv[at++])) {
            return false;
        }
    }
    return true;
}

// A full year and its two-digit parts must name one year; a negative year
// has no such parts.
bool year_agrees(const Slot& full, const Slot& century, const Slot& of_century, int64_t year) {
    if (full && *full != year) return false;
    if ((century || of_century) && year < 0) return false;
    return (!century || *century == year / 100) && (!of_century || *of_century == year % 100);
}

// The year the fields name; a two-digit year alone is 1970..2069.
std::optional<int64_t> year_of(const Slot& full, const Slot& century, const Slot& of_century) {
    if (full) return full;
    if (!of_century) return std::nullopt;
    if (century) return *century * 100 + *of_century;
    return *of_century + (*of_century < 70 ? 2000 : 1900);
}

// Every date field that was read names this supported day.
bool date_agrees(const Fields& f, int64_t day) {
    if (!day_in_range(day)) return false;
    const CivilDate c = civil_from_days(day);
    const IsoWeekDate iso = iso_week_date(day);
    return year_agrees(f.year, f.century, f.year_of_century, c.year) &&
           year_agrees(f.iso_year, std::nullopt, f.iso_year_of_century, iso.year) &&
           (!f.month || *f.month == c.month) && (!f.day || *f.day == c.day) &&
           (!f.ordinal || *f.ordinal == day_of_year(day)) && (!f.weekday || *f.weekday == weekday_from_days(day)) &&
           (!f.week_from_sunday || *f.week_from_sunday == strftime_week_of_days(day, 0)) &&
           (!f.week_from_monday || *f.week_from_monday == strftime_week_of_days(day, 1)) &&
           (!f.iso_week || *f.iso_week == iso.week);
}

// Day `weekday` (Sunday 0) of week `week` counted from the first
// `from_weekday` of the year, in either numbering.
int64_t day_of_week(int64_t first_day, int from_weekday, int64_t week, int64_t weekday) {
    const int64_t first = first_day + (from_weekday - weekday_from_days(first_day) + 7) % 7;
    return first + (week - 1) * 7 + (weekday - from_weekday + 7) % 7;
}

// A candidate day from the first complete set of date fields: year, month
// and day; year and day of the year; year, week and weekday; ISO year, ISO
// week and weekday.
std::optional<int64_t> candidate_day(const Fields& f) {
    const auto year = year_of(f.year, f.century, f.year_of_century);
    if (year && year_near_range(*year)) {
        if (f.month && f.day) return supported_day(*year, *f.month, *f.day);
        const int64_t new_year = days_from_civil(*year, 1, 1);
        if (f.ordinal) return new_year + *f.ordinal - 1;
        if (f.week_from_sunday && f.weekday) return day_of_week(new_year, 0, *f.week_from_sunday, *f.weekday);
        if (f.week_from_monday && f.weekday) return day_of_week(new_year, 1, *f.week_from_monday, *f.weekday);
    }
    const auto iso_year = year_of(f.iso_year, std::nullopt, f.iso_year_of_century);
    if (iso_year && year_near_range(*iso_year) && f.iso_week && f.weekday) {
        // ISO week 1 is the week (from Monday) that holds 4 January.
        const int64_t january_4 = days_from_civil(*iso_year, 1, 4);
        return day_of_week(january_4 - 6, 1, *f.iso_week, *f.weekday);
    }
    return std::nullopt;
}

// The day number of the date the fields name.
std::optional<int64_t> date_of(const Fields& f) {
    const auto day = candidate_day(f);
    if (!day || !date_agrees(f, *day)) return std::nullopt;
    return day;
}

// Milliseconds into the day. Needs an hour that is not only on the 12-hour
// dial, and a minute; a fraction needs seconds. A leap second 60 comes back
// as 59 with `leap` set, for the caller to add after resolving.
std::optional<int64_t> time_of(const Fields& f, bool& leap) {
    if (!f.afternoon || !f.hour_mod_12 || !f.minute || (f.nanosecond && !f.second)) return std::nullopt;
    const int64_t second = f.second.value_or(0);
    leap = second == kLeapSecond;
    const int64_t hour = *f.afternoon * 12 + *f.hour_mod_12;
    return ((hour * 60 + *f.minute) * 60 + (leap ? 59 : second)) * 1000 + f.nanosecond.value_or(0) / 1'000'000;
}


// %s names the instant itself. Every other field read must agree with the
// reading of that instant at the text's offset (UTC without one).
std::optional<Result<int64_t>> instant_of_timestamp(const Fields& f) {
    const int64_t offset = f.offset.value_or(0);
    if (std::abs(offset) >= kSecondsPerDay) return std::nullopt;
    int64_t ms;
    if (mul_overflows(*f.timestamp, 1000, ms) ||
        add_overflows(ms, f.nanosecond.value_or(0) / 1'000'000, ms) || !ms_in_range(ms))
        return overflow();
    const LocalDateTime local = split_local_ms(ms + offset * 1000);
    const bool time_agrees = (!f.afternoon || *f.afternoon == local.hour() / 12) &&
                             (!f.hour_mod_12 || *f.hour_mod_12 == local.hour() % 12) &&
                             (!f.minute || *f.minute == local.minute()) && (!f.second || *f.second == local.second());
    if (!time_agrees || !date_agrees(f, local.day)) return std::nullopt;
    return ms;
}

Result<int64_t> instant_in_zone(ZoneId zone, int64_t local_ms, bool leap) {
    const auto instant = local_to_utc_ms(zone, local_ms);
    if (!instant || !leap) return instant;
    return add_leap_second(*instant);
}

// The three readings in order: with the text's own offset, as local
// date-time in the zone, as a date at local midnight. nullopt when none
// applies.
std::optional<Result<int64_t>> instant_of(const Fields& f, ZoneId zone) {
    if (f.timestamp) return instant_of_timestamp(f);
    const auto day = date_of(f);
    if (!day) return std::nullopt;
    bool leap = false;
    const auto time = time_of(f, leap);
    if (!time) return instant_in_zone(zone, *day * kMsPerDay, false);
    const int64_t local_ms = *day * kMsPerDay + *time;
    // A date-time written with its own offset cannot fall back to the zone
    // when it lands outside the calendar: that would silently drop the offset.
    if (f.offset && std::abs(*f.offset) < kSecondsPerDay) {
        const int64_t ms = local_ms - *f.offset * 1000;
        return leap ? add_leap_second(ms) : instant_in_range(ms);
    }
    return instant_in_zone(zone, local_ms, leap);
}

}  // namespace

Result<int64_t> parse_with_conversions(std::string_view input, std::string_view conversions,
                                       std::string_view pattern, ZoneId zone) {
    Fields fields;
    Cursor text(input);
    if (read_items(conversions, text, fields) && text.at_end())
        if (auto instant = instant_of(fields, zone)) return std::move(*instant);
    return fail(TimeError::invalid_date_input(input, pattern));
}

Result<int64_t> parse_with_pattern(std::string_view input, std::string_view pattern, ZoneId zone) {
    return parse_with_conversions(input, convert_pattern(pattern), pattern, zone);
}

Result<TimeValue> time_ops::parse_format(std::string_view input, std::string_view pattern,
                                         std::optional<std::string_view> timezone) {
    QT_TRY(const auto zone, lookup_zone(timezone));
    return map(parse_with_pattern(input, pattern, zone), [&](int64_t ms) { return TimeValue{ms, zone}; });
}

}  // namespace qt
