// The strftime conversion language ("%Y-%m-%d", "%-d", "%:z", "%.3f" ...) with
// English words: reading one conversion specifier, and expanding a whole
// conversion string against a local reading.
//
//   "%a %d %b %y, %I:%M %p"  ->  "Tue 05 Mar 24, 07:08 AM"
//
// Token patterns are rewritten into this language (pattern.h), and the
// pattern reader walks conversion strings with read_conversion below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "time/local_reading.h"

namespace qt {

// How a number fills its minimum width.
enum class Pad : uint8_t { Zero, Space, None };

// What one conversion specifier stands for.
enum class Directive : uint8_t {
    // Numbers, written with `width` and `pad`.
    Year,               // %Y  width 4; outside 0..9999 with a sign
    YearDiv100,         // %C  floor division
    YearMod100,         // %y  never negative
    IsoYear,            // %G  width 4; sign as %Y
    IsoYearMod100,      // %g
    Month,              // %m  1-12
    Day,                // %d, %e space-padded
    WeekFromSunday,     // %U  0-53, weeks start on Sunday
    WeekFromMonday,     // %W  0-53, weeks start on Monday
    IsoWeek,            // %V  1-53
    WeekdayFromSunday,  // %w  0-6
    WeekdayFromMonday,  // %u  1-7
    DayOfYear,          // %j  1-366
    Hour,               // %H, %k space-padded; 0-23
    Hour12,             // %I, %l space-padded; 1-12
    Minute,             // %M
    Second,             // %S
    Nanosecond,         // %f  nanoseconds of the second, width 9
    Timestamp,          // %s  seconds since the epoch, may be negative
    // English words.
    MonthName,          // %B
    MonthAbbrev,        // %b %h
    WeekdayName,        // %A
    WeekdayAbbrev,      // %a
    UpperAmPm,          // %p
    LowerAmPm,          // %P
    // Fractions of the second; `width` is the digit count.
    FractionAuto,       // %.f   nothing for a whole second, else "." and 3 digits
    FractionDot,        // %.3f %.6f %.9f
    FractionDigits,     // %3f %6f %9f
    // UTC offsets: sign, hours, minutes rounded to the nearest minute.
    Offset,             // %z    +0530
    OffsetColon,        // %:z   +05:30; also %Z, as a value knows its offset but no abbreviation
    OffsetSeconds,      // %::z  +05:30:00
    OffsetHours,        // %:::z +05, hours truncated
    // Fixed text (%% %t %n) held in `text`.
    Literal,
    // Shorthands (%D %F %T %c ...): `text` holds the conversion string they stand for.
    Composite,
};

struct Conversion {
    Directive directive;
    Pad pad;                // numbers only
    int width;              // numbers: minimum characters; fractions: digit count
    size_t length;          // bytes of the specifier, "%" included
    std::string_view text;  // Literal and Composite only
};

// Reads the conversion specifier that begins with the "%" at
// `conversions[pos]`. Nothing for a trailing "%", an unknown specifier, or a
// pad modifier ("-", "_", "0") on anything but a plain number.
std::optional<Conversion> read_conversion(std::string_view conversions, size_t pos);

// Appends a number as strftime pads it: `width` counts a minus sign.
void append_number(std::string& out, int64_t value, int width, Pad pad);

// Expands a conversion string against a local reading. Returns false (and
// leaves `out` unspecified) on an invalid conversion specifier.
bool expand_conversions(std::string_view conversions, const LocalDateTime& local, std::string& out);

}  // namespace qt
