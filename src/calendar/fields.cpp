// The field getters: the unit name table for fields, one local reading per
// query, and the week and year lengths.
#include "calendar/fields.h"

#include <array>


namespace qt {
namespace {

constexpr NameIndex<TimeField> kFieldTable(kFieldSpellings);


// The local reading of a value with one query applied to it.
template <class F>
auto read_local(const TimeValue& value, F&& query) {
    return map(wall_clock(value), std::forward<F>(query));
}

// A date of the local year (weeks_in_year and iso_weeks_in_year look at
// fixed days of December).
Result<int64_t> december_day(const TimeValue& value, int day_of_december) {
    QT_TRY(const auto local, wall_clock(value));
    const int64_t year = local.date().year;
    if (!year_in_range(year)) return overflow();
    return days_from_civil(year, 12, day_of_december);
}

}  // namespace

Result<TimeField> parse_field(std::string_view text) {
    if (const auto field = match_name(text, kFieldTable)) return *field;
    return fail(TimeError::invalid_field(text));
}

int64_t read_local_field(const LocalDateTime& local, TimeField field) {
    switch (field) {
    case TimeField::Millisecond: return local.millisecond();
    case TimeField::Second: return local.second();
    case TimeField::Minute: return local.minute();
    case TimeField::Hour: return local.hour();
    case TimeField::Day: return local.weekday();
    case TimeField::Date: return local.date().day;
    case TimeField::Month: return local.date().month - 1;
    case TimeField::Quarter: return (local.date().month - 1) / 3 + 1;
    case TimeField::Year: return local.date().year;
    }
    return 0;
}

Result<int64_t> read_field(const TimeValue& value, TimeField field) {
    return read_local(value, [field](const LocalDateTime& local) { return read_local_field(local, field); });
}

// December of the last supported year has 31 days even though 1 January of
// the year after it lies outside the calendar: the length of a month inside
// the range must never depend on a date outside it.
Result<int64_t> month_length(int64_t year, int64_t month) {
    if (month < 1 || month > 12 || !year_in_range(year)) return overflow();
    return days_in_month(year, static_cast<int>(month));
}

Result<int64_t> time_ops::get(const TimeValue& value, std::string_view field) {
    QT_TRY(const auto parsed, parse_field(field));
    return read_field(value, parsed);
}

Result<int64_t> time_ops::year(const TimeValue& value) { return read_field(value, TimeField::Year); }
Result<int64_t> time_ops::month(const TimeValue& value) { return read_field(value, TimeField::Month); }
Result<int64_t> time_ops::date(const TimeValue& value) { return read_field(value, TimeField::Date); }
Result<int64_t> time_ops::day(const TimeValue& value) { return read_field(value, TimeField::Day); }
Result<int64_t> time_ops::hour(const TimeValue& value) { return read_field(value, TimeField::Hour); }
Result<int64_t> time_ops::minute(const TimeValue& value) { return read_field(value, TimeField::Minute); }
Result<int64_t> time_ops::second(const TimeValue& value) { return read_field(value, TimeField::Second); }
Result<int64_t> time_ops::millisecond(const TimeValue& value) { return read_field(value, TimeField::Millisecond); }
Result<int64_t> time_ops::quarter(const TimeValue& value) { return read_field(value, TimeField::Quarter); }

Result<int64_t> time_ops::day_of_year(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) { return int64_t{qt::day_of_year(local.day)}; });
}

Result<int64_t> time_ops::iso_weekday(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) { return int64_t{iso_weekday_from_days(local.day)}; });
}

Result<int64_t> time_ops::iso_week(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) { return int64_t{iso_week_date(local.day).week}; });
}

Result<int64_t> time_ops::iso_week_year(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) { return iso_week_date(local.day).year; });
}

Result<int64_t> time_ops::week_of_year(const TimeValue& value) {
    QT_TRY(const auto local, wall_clock(value));
    // Weeks are counted from 1 January, which must lie inside the calendar.
    if (!year_in_range(local.date().year)) return overflow();
    return sunday_week_of_days(local.day);
}

Result<int64_t> time_ops::weeks_in_year(const TimeValue& value) {
    return map(december_day(value, 31), [](int64_t day) { return int64_t{sunday_week_of_days(day)}; });
}

Result<int64_t> time_ops::iso_weeks_in_year(const TimeValue& value) {
    return map(december_day(value, 28), [](int64_t day) { return int64_t{iso_week_date(day).week}; });
}

// A year outside the calendar's range has no 29 February to form.
static bool is_leap_in_range(int64_t year) { return year_in_range(year) && is_leap(year); }

Result<int64_t> time_ops::days_in_year(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) -> int64_t {
        return is_leap_in_range(local.date().year) ? 366 : 365;
    });
}

Result<bool> time_ops::is_leap_year(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) { return is_leap_in_range(local.date().year); });
}

Result<int64_t> time_ops::days_in_month(const TimeValue& value) {
    QT_TRY(const auto local, wall_clock(value));
    const CivilDate date = local.date();
    return month_length(date.year, date.month);
}

Result<std::array<int64_t, 7>> time_ops::to_array(const TimeValue& value) {
    return read_local(value, [](const LocalDateTime& local) {
        const CivilDate date = local.date();
        return std::array<int64_t, 7>{date.year,     date.month - 1,  date.day,           local.hour(),
                                      local.minute(), local.second(), local.millisecond()};
    });
}

}  // namespace qt
