// Proleptic Gregorian calendar on 64-bit day numbers.
//
// Day 0 is 1970-01-01. Years use astronomical numbering (year 0 is 1 BC).
// The conversions are Howard Hinnant's era-based low-level date algorithms,
// widened to 64 bits so that they hold far beyond the supported range of
// -262143-01-01 .. 262142-12-31.
#pragma once

#include <cstdint>
#include <climits>
#include <optional>

namespace qt {

static_assert(sizeof(long long) == 8, "day arithmetic assumes 64-bit long long");

struct CivilDate {
    int64_t year;
    int month;  // [1, 12]
    int day;    // [1, 31]
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

constexpr int64_t floor_div(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr int64_t floor_mod(int64_t a, int64_t b) { return a - floor_div(a, b) * b; }

constexpr bool is_leap(int64_t year) {
    return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0);
}

constexpr int days_in_month(int64_t year, int month) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : kLengths[month - 1];
}

// Days since 1970-01-01 of a valid civil date.
// Any year: Howard Hinnant's algorithm on 64-bit eras.
constexpr int64_t days_from_civil_any(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = floor_div(y, 400);
    const int64_t yoe = y - era * 400;                                   // [0, 399]
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

// Years within 280,000 of year 0, which covers the supported calendar: Neri
// and Schneider's form on unsigned 32-bit numbers, about half the work of
// the general one. Years are moved by 280,000 (700 eras) so that they are
// never negative; the constant puts 1970-01-01 at day 0.
constexpr int64_t days_from_civil(int64_t y, int m, int d) {
    constexpr int64_t kYearShift = 700 * 400;
    if (y <= -kYearShift || y >= kYearShift) return days_from_civil_any(y, m, d);
    const uint32_t jan_feb = m <= 2;
    const auto year = static_cast<uint32_t>(y + kYearShift) - jan_feb;  // years start on 1 March
    const uint32_t month = jan_feb ? m + 12 : m;
    const uint32_t century = year / 100;
    const uint32_t year_days = 1461 * year / 4 - century + century / 4;
    const uint32_t month_days = (979 * month - 2919) / 32;
    constexpr int64_t kEpoch = 102'987'368;  // the count on 1970-01-01
    return int64_t{year_days} + month_days + (d - 1) - kEpoch;
}

// Any day number: Howard Hinnant's algorithm on 64-bit eras.
constexpr CivilDate civil_from_days_any(int64_t z) {
    z += 719468;
    const int64_t era = floor_div(z, 146097);
    const int64_t doe = z - era * 146097;                                   // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);            // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                 // [0, 11]
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);           // [1, 31]
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);              // [1, 12]
    return {yoe + era * 400 + (m <= 2), m, d};
}

// Days within 700 eras (280,000 years) of the epoch, which covers the
// supported calendar: Neri and Schneider's Euclidean affine form on unsigned
// 32-bit numbers, about half the work of the general form (every local
// reading goes through here). The day count is first moved by 700 eras so
// that it is never negative. civil_checks.cpp compares it with
// civil_from_days_any at compile time on days sampled across the whole
// supported range, around 1 March of each sampled year and at both ends.
inline constexpr int64_t kNearEraShift = 700;
inline constexpr int64_t kNearDayLimit = kNearEraShift * 146097;

constexpr CivilDate civil_from_days_near(int64_t z) {
    constexpr int64_t kEraShift = kNearEraShift;
    const auto n = static_cast<uint32_t>(z + 719468 + kEraShift * 146097);
    const uint32_t n1 = 4 * n + 3;
    const uint32_t century = n1 / 146097;
    const uint32_t n2 = (n1 % 146097) | 3;  // 4 * (day of the century) + 3
    const uint64_t p2 = uint64_t{2939745} * n2;
    const auto year_of_century = static_cast<uint32_t>(p2 >> 32);
    const uint32_t day_of_year = static_cast<uint32_t>(p2) / 2939745 / 4;  // from 1 March
    const uint32_t n3 = 2141 * day_of_year + 197913;
    const uint32_t month = n3 >> 16;  // [3, 14]
    const uint32_t day = (n3 & 0xFFFF) / 2141;
    const bool jan_feb = day_of_year >= 306;
    const int64_t year = int64_t{100} * century + year_of_century - kEraShift * 400 + jan_feb;
    return {year, static_cast<int>(jan_feb ? month - 12 : month), static_cast<int>(day + 1)};
}

constexpr CivilDate civil_from_days(int64_t z) {
    return z >= -kNearDayLimit && z <= kNearDayLimit ? civil_from_days_near(z) : civil_from_days_any(z);
}

// Weekday counted from Sunday = 0; 1970-01-01 was a Thursday.
constexpr int weekday_from_days(int64_t z) { return static_cast<int>(floor_mod(z + 4, 7)); }

// 1-based day of the year.
constexpr int day_of_year(int64_t z) {
    const CivilDate c = civil_from_days(z);
    return static_cast<int>(z - days_from_civil(c.year, 1, 1)) + 1;
}

// Weekday counted from Monday = 1 to Sunday = 7.
constexpr int iso_weekday_from_days(int64_t z) { return (weekday_from_days(z) + 6) % 7 + 1; }

// Weeks that start on Sunday, week 1 holding 1 January (so the days before
// the first Sunday form week 1 however few they are).
constexpr int sunday_week_of_days(int64_t z) {
    const int64_t jan1 = days_from_civil(civil_from_days(z).year, 1, 1);
    return static_cast<int>((z - jan1 + weekday_from_days(jan1)) / 7) + 1;
}

// strftime's %U (first_weekday 0) and %W (first_weekday 1): week 1 starts on
// the year's first such weekday and the days before it are week 0.
constexpr int strftime_week_of_days(int64_t z, int first_weekday) {
    const int since_week_start = (weekday_from_days(z) - first_weekday + 7) % 7;
    return (day_of_year(z) - since_week_start + 6) / 7;
}

struct IsoWeekDate {
    int64_t year;  // the ISO week-numbering year
    int week;      // [1, 53]
};

// An ISO week (Monday to Sunday) belongs to the year holding its Thursday.
constexpr IsoWeekDate iso_week_date(int64_t z) {
    const int64_t thursday = z + (4 - iso_weekday_from_days(z));
    const int64_t year = civil_from_days(thursday).year;
    return {year, static_cast<int>((thursday - days_from_civil(year, 1, 1)) / 7 + 1)};
}

constexpr bool fits_int32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

inline constexpr int64_t kMinYear = -262143;
inline constexpr int64_t kMaxYear = 262142;
// The first supported instant is -8'334'601'315'200'000 ms, which falls on
// the last day of year -262144: the range of days starts there, one day
// before the first whole supported year.
inline constexpr int64_t kMinDay = days_from_civil(kMinYear, 1, 1) - 1;
inline constexpr int64_t kMaxDay = days_from_civil(kMaxYear, 12, 31);
static_assert(kMinDay > -kNearDayLimit && kMaxDay < kNearDayLimit);
// Lengths of the fixed units, in the two counts the code works in.
inline constexpr int64_t kSecondsPerMinute = 60;
inline constexpr int64_t kSecondsPerHour = 60 * kSecondsPerMinute;
inline constexpr int64_t kSecondsPerDay = 24 * kSecondsPerHour;
inline constexpr int64_t kMsPerSecond = 1000;
inline constexpr int64_t kMsPerMinute = kSecondsPerMinute * kMsPerSecond;
inline constexpr int64_t kMsPerHour = kSecondsPerHour * kMsPerSecond;
inline constexpr int64_t kMsPerDay = kSecondsPerDay * kMsPerSecond;
inline constexpr int64_t kMsPerWeek = 7 * kMsPerDay;
// The mean Gregorian year, 365.2425 days: 146'097 days every 400 years.
inline constexpr int64_t kSecondsPerMeanYear = 146'097 * kSecondsPerDay / 400;
static_assert(kMsPerDay == 86'400'000 && kSecondsPerMeanYear == 31'556'952);
inline constexpr int64_t kMinUtcMs = kMinDay * kMsPerDay;
inline constexpr int64_t kMaxUtcMs = (kMaxDay + 1) * kMsPerDay - 1;

static_assert(kMinUtcMs == -8'334'601'315'200'000);
static_assert(kMaxUtcMs == 8'210'266'876'799'999);
static_assert(civil_from_days(kMinDay) == CivilDate{kMinYear - 1, 12, 31});
static_assert(civil_from_days(kMaxDay) == CivilDate{kMaxYear, 12, 31});
static_assert(weekday_from_days(0) == 4);
static_assert(iso_week_date(days_from_civil(2021, 1, 1)).week == 53);  // ISO week 53 of 2020
static_assert(sunday_week_of_days(days_from_civil(2000, 12, 31)) == 54);

constexpr bool day_in_range(int64_t day) { return day >= kMinDay && day <= kMaxDay; }
constexpr bool year_in_range(int64_t year) { return year >= kMinYear && year <= kMaxYear; }
constexpr bool ms_in_range(int64_t ms) { return ms >= kMinUtcMs && ms <= kMaxUtcMs; }

// Years that hold a supported day in their calendar or in their ISO week
// numbering: one more at each end than the whole years, because the first
// supported day is the last of year kMinYear - 1 and the last one starts
// ISO year kMaxYear + 1. Only day_in_range says whether a day is supported.
constexpr bool year_near_range(int64_t year) { return year >= kMinYear - 1 && year <= kMaxYear + 1; }

// The day number of a real date inside the supported range, or nullopt.
constexpr std::optional<int64_t> supported_day(int64_t year, int64_t month, int64_t day) {
    if (!year_near_range(year) || month < 1 || month > 12 || day < 1) return std::nullopt;
    if (day > days_in_month(year, static_cast<int>(month))) return std::nullopt;
    const int64_t days = days_from_civil(year, static_cast<int>(month), static_cast<int>(day));
    return day_in_range(days) ? std::optional{days} : std::nullopt;
}
static_assert(supported_day(kMinYear - 1, 12, 31) == kMinDay && !supported_day(kMinYear - 1, 12, 30));
static_assert(supported_day(kMaxYear, 12, 31) == kMaxDay && !supported_day(kMaxYear + 1, 1, 1));

}  // namespace qt
