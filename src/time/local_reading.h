// The local wall-clock reading of a value (day number, milliseconds into the
// day, offset), checked moves of local milliseconds, and the way back from a
// local reading to a value.
#pragma once

#include <cstdint>

#include "time/checked_math.h"
#include "time/civil.h"
#include "time/time_error.h"
#include "time/time_value.h"
#include "time/zone.h"

namespace qt {

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
    return !mul_overflows(count, step_ms, span) && !add_overflows(local_ms, span, local_ms) &&
           day_in_range(floor_div(local_ms, kMsPerDay));
}

}  // namespace qt
