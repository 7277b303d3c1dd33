// The date-time value and its local view.
#pragma once

#include <cstdint>
#include <string>

#include "time/civil.h"
#include "time/text_util.h"
#include "time/time_error.h"
#include "time/zone.h"

namespace qt {

// A QuendrelTime: an instant in whole milliseconds and the zone it is seen
// in. The zone's offset at the instant is worked out once, when the value is
// made, so that reading the local clock later is plain arithmetic; it fills
// padding, so the value stays 16 bytes.
struct TimeValue {
    int64_t utc_ms = 0;
    ZoneId zone = 0;
    bool dst = false;    // daylight saving in force at utc_ms
    int32_t offset = 0;  // seconds east of UTC at utc_ms; 0 when utc_ms is out of range

    TimeValue() = default;
    TimeValue(int64_t ms, ZoneId z);
    TimeValue(int64_t ms, ZoneId z, ZoneOffset in_force) : utc_ms(ms), zone(z), dst(in_force.dst), offset(in_force.seconds) {}
};
static_assert(sizeof(TimeValue) == 16);

// Local wall-clock reading of a value: a day number, the milliseconds into
// that local day, and the offset that produced it.
struct LocalDateTime {
    int64_t day;        // days since 1970-01-01 of the local date
    int32_t ms_of_day;  // [0, 86'399'999]
    int32_t offset;     // total offset in seconds east of UTC

    int64_t local_ms() const { return day * kMsPerDay + ms_of_day; }
    CivilDate date() const { return civil_from_days(day); }
    // In 32 bits, as ms_of_day is: the divisions cost less than in 64.
    int hour() const { return ms_of_day / int32_t{kMsPerHour}; }
    int minute() const { return ms_of_day / int32_t{kMsPerMinute} % 60; }
    int second() const { return ms_of_day / int32_t{kMsPerSecond} % 60; }
    int millisecond() const { return ms_of_day % int32_t{kMsPerSecond}; }
    int weekday() const { return weekday_from_days(day); }  // Sunday = 0
};

// Splits local milliseconds into day and time of day (offset left at 0).
constexpr LocalDateTime split_local_ms(int64_t local_ms) {
    return {floor_div(local_ms, kMsPerDay), static_cast<int32_t>(floor_mod(local_ms, kMsPerDay)), 0};
}

// The zone's offset at the value's instant; InvalidTimestamp when the
// instant's UTC date lies outside the supported calendar range.
Result<ZoneOffset> offset_of(const TimeValue& value);

// The value's local wall-clock reading. Fails like offset_of, and with
// ArithmeticOverflow when the local date itself leaves the calendar range
// (possible only within a day of the range's ends).
Result<LocalDateTime> wall_clock(const TimeValue& value);
Result<LocalDateTime> wall_clock(int64_t utc_ms, ZoneId zone);

// Resolves local wall-clock milliseconds in a zone to a new value.
Result<TimeValue> value_from_local(ZoneId zone, int64_t local_ms);

// Local milliseconds from a date and a time of day, with range checks.
Result<int64_t> local_ms_from_parts(int64_t day, int64_t ms_of_day);

// Moves local milliseconds by `count` steps of `step_ms`. False when the
// move does not fit 64 bits or the date leaves the calendar range, which
// callers report as ArithmeticOverflow. In place and without a Result, so
// that a chain of moves stays plain arithmetic.
constexpr bool move_local_ms(int64_t& local_ms, int64_t count, int64_t step_ms) {
    int64_t span;
    return !__builtin_mul_overflow(count, step_ms, &span) && !__builtin_add_overflow(local_ms, span, &local_ms) &&
           day_in_range(floor_div(local_ms, kMsPerDay));
}

// ISO 8601 text of the value's local time with its offset: at most
// "+262142-12-31T23:59:59.999+23:59", 33 bytes.
using IsoText = ShortText<40>;
Result<IsoText> to_iso(const TimeValue& value);

// Appends "YYYY-MM-DD" + separator + "HH:MM:SS" of a local reading.
void append_date_time(std::string& out, const LocalDateTime& local, char separator);
// The last field an offset's text shows, and what becomes of the seconds
// below it (old local mean time offsets carry seconds).
enum class OffsetField : uint8_t { Hours, Minutes, Seconds };
enum class OffsetRounding : uint8_t { Nearest, TowardZero };  // Nearest: halves away from zero

// Appends an offset as a sign, two-digit hours and, down to `last`, two-digit
// minutes and seconds, with ":" between the fields when `colon`. The sign is
// the offset's own even when the fields round to zero ("-00:00").
void append_utc_offset(std::string& out, int32_t offset_seconds, OffsetField last, bool colon,
                       OffsetRounding rounding);

// Appends a year: four digits for 0..9999, else a sign and at least four.
void append_iso_year(std::string& out, int64_t year);
// Appends a number zero-padded to `width` digits (value >= 0, width <= 20:
// no int64_t is longer).
void append_padded(std::string& out, int64_t value, int width);

}  // namespace qt
