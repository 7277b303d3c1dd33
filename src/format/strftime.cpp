// Expansion of conversion strings: the strftime language with English words.
#include "format/strftime.h"

#include <algorithm>

#include "format/locale.h"
#include "time/civil.h"
#include "time/digits.h"
#include "time/iso_text.h"

namespace qt {

namespace {

constexpr Conversion number(Directive directive, int width, Pad pad = Pad::Zero) { return {directive, pad, width, 0, {}}; }
constexpr Conversion word(Directive directive) { return {directive, Pad::None, 0, 0, {}}; }
constexpr Conversion text(Directive directive, std::string_view t) { return {directive, Pad::None, 0, 0, t}; }
// The numbers open the Directive list and Timestamp closes them.
constexpr bool is_number(Directive directive) { return directive <= Directive::Timestamp; }
static_assert(Directive{} == Directive::Year && static_cast<int>(Directive::Timestamp) + 1 == static_cast<int>(Directive::MonthName),
              "is_number takes the directives from Year to Timestamp, and no other, for numbers");

// The fraction forms after "%": ".f", ".3f", ".6f", ".9f", "3f", "6f", "9f".
std::optional<Conversion> read_fraction(std::string_view s, size_t& at) {
    const bool dot = s[at] == '.';
    if (dot) ++at;
    if (dot && at < s.size() && s[at] == 'f') {
        ++at;
        return Conversion{Directive::FractionAuto, Pad::None, 3, 0, {}};
    }
    if (at + 1 >= s.size() || s[at + 1] != 'f') return std::nullopt;
    const char digits = s[at];
    if (digits != '3' && digits != '6' && digits != '9') return std::nullopt;
    at += 2;
    return Conversion{dot ? Directive::FractionDot : Directive::FractionDigits, Pad::None, digits - '0', 0, {}};
}

// The offset forms after "%": ":z", "::z", ":::z".
std::optional<Conversion> read_colon_offset(std::string_view s, size_t& at) {
    size_t colons = 0;
    while (at < s.size() && s[at] == ':' && colons < 3) ++at, ++colons;
    if (at >= s.size() || s[at] != 'z') return std::nullopt;
    ++at;
    constexpr Directive kByColons[] = {Directive::Offset, Directive::OffsetColon, Directive::OffsetSeconds, Directive::OffsetHours};
    return word(kByColons[colons]);
}

// The specifier at `s[at]`; moves `at` past it.
std::optional<Conversion> read_specifier(std::string_view s, size_t& at) {
    const char letter = s[at];
    if (letter == '.' || letter == '3' || letter == '6' || letter == '9') return read_fraction(s, at);
    if (letter == ':') return read_colon_offset(s, at);
    ++at;
    switch (letter) {
    case 'Y': return number(Directive::Year, 4);
    case 'C': return number(Directive::YearDiv100, 2);
    case 'y': return number(Directive::YearMod100, 2);
    case 'G': return number(Directive::IsoYear, 4);
    case 'g': return number(Directive::IsoYearMod100, 2);
    case 'm': return number(Directive::Month, 2);
    case 'd': return number(Directive::Day, 2);
    case 'e': return number(Directive::Day, 2, Pad::Space);
    case 'U': return number(Directive::WeekFromSunday, 2);
    case 'W': return number(Directive::WeekFromMonday, 2);
    case 'V': return number(Directive::IsoWeek, 2);
    case 'w': return number(Directive::WeekdayFromSunday, 1);
    case 'u': return number(Directive::WeekdayFromMonday, 1);
    case 'j': return number(Directive::DayOfYear, 3);
    case 'H': return number(Directive::Hour, 2);
    case 'k': return number(Directive::Hour, 2, Pad::Space);
    case 'I': return number(Directive::Hour12, 2);
    case 'l': return number(Directive::Hour12, 2, Pad::Space);
    case 'M': return number(Directive::Minute, 2);
    case 'S': return number(Directive::Second, 2);
    case 'f': return number(Directive::Nanosecond, 9);
    case 's': return number(Directive::Timestamp, 9, Pad::None);  // padded only when asked
    case 'B': return word(Directive::MonthName);
    case 'b':
    case 'h': return word(Directive::MonthAbbrev);
    case 'A': return word(Directive::WeekdayName);
    case 'a': return word(Directive::WeekdayAbbrev);
    case 'p': return word(Directive::UpperAmPm);
    case 'P': return word(Directive::LowerAmPm);
    case 'z': return word(Directive::Offset);
    case 'Z': return word(Directive::OffsetColon);  // a value knows its offset, not an abbreviation
    case '%': return text(Directive::Literal, "%");
    case 't': return text(Directive::Literal, "\t");
    case 'n': return text(Directive::Literal, "\n");
    case 'D':
    case 'x': return text(Directive::Composite, "%m/%d/%y");
    case 'F': return text(Directive::Composite, "%Y-%m-%d");
    case 'v': return text(Directive::Composite, "%e-%b-%Y");
    case 'R': return text(Directive::Composite, "%H:%M");
    case 'T':
    case 'X': return text(Directive::Composite, "%H:%M:%S");
    case 'r': return text(Directive::Composite, "%I:%M:%S %p");
    case 'c': return text(Directive::Composite, "%a %b %e %H:%M:%S %Y");
    case '+': return text(Directive::Composite, "%Y-%m-%dT%H:%M:%S%.f%:z");
    default: return std::nullopt;
    }
}

void append_signed(std::string& out, int64_t value, int width, Pad pad, bool plus) {
    // Built backwards in a buffer wide enough for any padding the specifiers
    // ask for, then appended in one go.
    char buffer[48];
    char* const end = buffer + sizeof buffer;
    // The magnitude in unsigned arithmetic, so the most negative value needs
    // no special case.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char* at = put_digits_before(end, magnitude);
    const char sign = value < 0 ? '-' : (plus ? '+' : '\0');
    const int digits = static_cast<int>(end - at);
    const int fill = pad == Pad::None ? 0 : std::min(width - digits - (sign ? 1 : 0), 16);
    if (pad == Pad::Zero)
        for (int i = 0; i < fill; ++i) *--at = '0';
    if (sign) *--at = sign;
    if (pad == Pad::Space)
        for (int i = 0; i < fill; ++i) *--at = ' ';
    out.append(at, static_cast<size_t>(end - at));
}

int64_t number_value(Directive directive, const LocalDateTime& local, const CivilDate& date) {
    const int weekday = local.weekday();
    switch (directive) {
    case Directive::Year: return date.year;
    case Directive::YearDiv100: return floor_div(date.year, 100);
    case Directive::YearMod100: return floor_mod(date.year, 100);
    case Directive::IsoYear: return iso_week_date(local.day).year;
    case Directive::IsoYearMod100: return floor_mod(iso_week_date(local.day).year, 100);
    case Directive::Month: return date.month;
    case Directive::Day: return date.day;
    case Directive::WeekFromSunday: return strftime_week_of_days(local.day, 0);
    case Directive::WeekFromMonday: return strftime_week_of_days(local.day, 1);
    case Directive::IsoWeek: return iso_week_date(local.day).week;
    case Directive::WeekdayFromSunday: return weekday;
    case Directive::WeekdayFromMonday: return iso_weekday_from_days(local.day);
    case Directive::DayOfYear: return day_of_year(local.day);
    case Directive::Hour: return local.hour();
    case Directive::Hour12: return local.hour() % 12 == 0 ? 12 : local.hour() % 12;
    case Directive::Minute: return local.minute();
    case Directive::Second: return local.second();
    case Directive::Nanosecond: return int64_t{local.millisecond()} * 1'000'000;
    case Directive::Timestamp: return floor_div(local.local_ms() - int64_t{local.offset} * kMsPerSecond, kMsPerSecond);
    default: return 0;
    }
}

// Seconds of an old local mean time round to the nearest minute in %z and
// %:z; %::z keeps them exactly and %:::z drops whatever is below the hour.
void append_offset(std::string& out, Directive directive, int32_t offset) {
    const bool hours_only = directive == Directive::OffsetHours;
    const OffsetField last = hours_only                    ? OffsetField::Hours
                             : directive == Directive::OffsetSeconds ? OffsetField::Seconds
                                                           : OffsetField::Minutes;
    const OffsetRounding rounding = hours_only ? OffsetRounding::TowardZero : OffsetRounding::Nearest;
    // One call for the four forms, so that the writer is inlined here.
    append_utc_offset(out, offset, last, directive != Directive::Offset, rounding);
}

void append_fraction(std::string& out, const Conversion& c, int millisecond) {
    if (c.directive == Directive::FractionAuto && millisecond == 0) return;
    if (c.directive != Directive::FractionDigits) out += '.';
    int64_t scaled = millisecond;
    for (int digits = 3; digits < c.width; ++digits) scaled *= 10;
    append_padded(out, scaled, c.width);
}

void append_conversion(std::string& out, const Conversion& c, const LocalDateTime& local, const CivilDate& date) {
    switch (c.directive) {
    case Directive::MonthName: out += kEnglish.months[date.month - 1]; return;
    case Directive::MonthAbbrev: out += kEnglish.months_short[date.month - 1]; return;
    case Directive::WeekdayName: out += kEnglish.weekdays[local.weekday()]; return;
    case Directive::WeekdayAbbrev: out += kEnglish.weekdays_short[local.weekday()]; return;
    case Directive::UpperAmPm: out += local.hour() < 12 ? "AM" : "PM"; return;
    case Directive::LowerAmPm: out += local.hour() < 12 ? "am" : "pm"; return;
    case Directive::FractionAuto:
    case Directive::FractionDot:
    case Directive::FractionDigits: return append_fraction(out, c, local.millisecond());
    case Directive::Offset:
    case Directive::OffsetColon:
    case Directive::OffsetSeconds:
    case Directive::OffsetHours: return append_offset(out, c.directive, local.offset);
    case Directive::Literal: out += c.text; return;
    case Directive::Composite: expand_conversions(c.text, local, out); return;
    default: break;
    }
    const int64_t value = number_value(c.directive, local, date);
    // ISO 8601 wants an explicit sign on years of more or fewer than four digits.
    const bool signed_year = (c.directive == Directive::Year || c.directive == Directive::IsoYear) && (value < 0 || value > 9999);
    append_signed(out, value, signed_year ? c.width + 1 : c.width, c.pad, signed_year);
}

}  // namespace

std::optional<Conversion> read_conversion(std::string_view conversions, size_t pos) {
    size_t at = pos + 1;
    std::optional<Pad> pad;
    if (at < conversions.size()) {
        const char c = conversions[at];
        if (c == '-') pad = Pad::None;
        else if (c == '_') pad = Pad::Space;
        else if (c == '0') pad = Pad::Zero;
        if (pad) ++at;
    }
    if (at >= conversions.size()) return std::nullopt;
    std::optional<Conversion> conversion = read_specifier(conversions, at);
    if (!conversion) return std::nullopt;
    if (pad) {
        if (!is_number(conversion->directive)) return std::nullopt;
        conversion->pad = *pad;
    }
    conversion->length = at - pos;
    return conversion;
}

void append_number(std::string& out, int64_t value, int width, Pad pad) {
    append_signed(out, value, width, pad, false);
}

bool expand_conversions(std::string_view conversions, const LocalDateTime& local, std::string& out) {
    const CivilDate date = local.date();
    size_t pos = 0;
    while (pos < conversions.size()) {
        const size_t percent = conversions.find('%', pos);
        if (percent == std::string_view::npos) {
            out.append(conversions.substr(pos));
            break;
        }
        out.append(conversions.substr(pos, percent - pos));
        const auto conversion = read_conversion(conversions, percent);
        if (!conversion) return false;
        append_conversion(out, *conversion, local, date);
        pos = percent + conversion->length;
    }
    return true;
}

}  // namespace qt
