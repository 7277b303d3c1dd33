#include "time/posix_rule.h"

#include "time/civil.h"

namespace qt {
namespace {

// Seconds since the epoch, counted as if local time were UTC, at which
// `rule` fires in `year`.
int64_t local_change_time(const zone_table::DateRule& rule, int64_t year) {
    int64_t day;
    switch (rule.kind) {
    case 0:  // Jn: 1..365, 29 February never counted
        day = days_from_civil(year, 1, 1) + rule.day - 1 + (rule.day >= 60 && is_leap(year));
        break;
    case 1:  // n: 0..365, leap days counted
        day = days_from_civil(year, 1, 1) + rule.day;
        break;
    default: {  // Mm.w.d: weekday d of week w (5 == last) of month m
        const int64_t first = days_from_civil(year, rule.month, 1);
        const int first_weekday = weekday_from_days(first);
        int64_t mday = 1 + (rule.day - first_weekday + 7) % 7 + 7 * (rule.week - 1);
        const int length = days_in_month(year, rule.month);
        while (mday > length) mday -= 7;
        day = first + mday - 1;
    }
    }
    return day * 86400 + rule.seconds;
}

}  // namespace

ZoneOffset rule_offset_at(const zone_table::PosixRule& rule, int64_t utc_seconds) {
    if (!rule.has_dst) return {rule.std_offset, false};
    const int64_t year = civil_from_days(floor_div(utc_seconds, 86400)).year;
    const int64_t start = local_change_time(rule.start, year) - rule.std_offset;
    const int64_t end = local_change_time(rule.end, year) - rule.dst_offset;
    const bool in_dst = start < end ? (start <= utc_seconds && utc_seconds < end)
                                    : !(end <= utc_seconds && utc_seconds < start);
    if (in_dst) return {rule.dst_offset, rule.dst_offset != rule.std_offset};
    return {rule.std_offset, false};
}

}  // namespace qt
