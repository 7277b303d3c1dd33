// The QuendrelTime type: its method table and constructor.
#include "duration/duration.h"
#include "module/binder.h"
#include "calendar/compare.h"
#include "calendar/fields.h"
#include "calendar/start_end.h"
#include "calendar/units.h"
#include "calendar/diff.h"
#include "calendar/setters.h"
#include "format/locale.h"
#include "format/pattern.h"
#include "module/batches.h"
#include "parse/constructors.h"
#include "parse/parse_instant.h"
#include "parse/parse_pattern.h"
#include "text/calendar_text.h"
#include "text/relative.h"
#include "time/value_queries.h"

namespace qt::py {
namespace {

constexpr FixedString kTime = "QuendrelTime";
constexpr bool kStatic = false;

using Construct = Method<kTime, "__new__", time_ops::construct, kStatic, "input", "timezone">;

}  // namespace

extern const char* const time_class_doc = Construct::Text::class_doc.c_str();

PyMethodDef time_methods[] = {
    static_method<kTime, "now", time_ops::now, "timezone">(),
    static_method<kTime, "parse", time_ops::parse, "input", "timezone">(),
    static_method<kTime, "parse_format", time_ops::parse_format, "input", "pattern", "timezone">(),
    static_method<kTime, "parse_batch", parse_batch, "inputs", "timezone">(),
    static_method<kTime, "parse_format_batch", parse_format_batch, "inputs", "pattern", "timezone">(),
    static_method<kTime, "format_batch", format_batch, "unix_millis", "pattern", "timezone", "locale">(),
    static_method<kTime, "from_array", time_ops::from_array, "components", "timezone">(),
    static_method<kTime, "from_unix_ms", time_ops::from_unix_ms, "unix_ms", "timezone">(),
    static_method<kTime, "from_unix", time_ops::from_unix, "unix_seconds", "timezone">(),
    static_method<kTime, "duration", time_ops::duration, "value", "unit">(),
    instance<kTime, "to_iso", time_ops::to_iso>(),
    instance<kTime, "format", time_ops::format, "pattern">(),
    instance<kTime, "format_locale", time_ops::format_locale, "pattern", "locale">(),
    instance<kTime, "unix_ms", time_ops::unix_ms>(),
    instance<kTime, "unix", time_ops::unix_seconds>(),
    instance<kTime, "value_of", time_ops::unix_ms>(),
    instance<kTime, "timezone", time_ops::timezone_of>(),
    instance<kTime, "to_array", time_ops::to_array>(),
    instance<kTime, "utc_offset", time_ops::utc_offset_minutes>(),
    instance<kTime, "is_utc", time_ops::is_utc>(),
    instance<kTime, "is_dst", time_ops::is_dst>(),
    instance<kTime, "to_timezone", time_ops::to_timezone, "timezone">(),
    instance<kTime, "add", time_ops::add, "amount", "unit">(),
    instance<kTime, "add_duration", time_ops::add_duration, "duration">(),
    instance<kTime, "subtract", time_ops::subtract, "amount", "unit">(),
    instance<kTime, "subtract_duration", time_ops::subtract_duration, "duration">(),
    instance<kTime, "start_of", time_ops::start_of, "unit">(),
    instance<kTime, "end_of", time_ops::end_of, "unit">(),
    instance<kTime, "diff", time_ops::diff, "other", "unit", "as_float">(),
    instance<kTime, "is_valid", time_ops::is_valid>(),
    instance<kTime, "days_in_month", time_ops::days_in_month>(),
    instance<kTime, "is_leap_year", time_ops::is_leap_year>(),
    instance<kTime, "get", time_ops::get, "field">(),
    instance<kTime, "set", time_ops::set, "field", "value">(),
    instance<kTime, "year", time_ops::year>(),
    instance<kTime, "month", time_ops::month>(),
    instance<kTime, "date", time_ops::date>(),
    instance<kTime, "day", time_ops::day>(),
    instance<kTime, "hour", time_ops::hour>(),
    instance<kTime, "minute", time_ops::minute>(),
    instance<kTime, "second", time_ops::second>(),
    instance<kTime, "millisecond", time_ops::millisecond>(),
    instance<kTime, "set_year", time_ops::set_year, "value">(),
    instance<kTime, "set_month", time_ops::set_month, "value">(),
    instance<kTime, "set_date", time_ops::set_date, "value">(),
    instance<kTime, "set_day", time_ops::set_day, "value">(),
    instance<kTime, "set_hour", time_ops::set_hour, "value">(),
    instance<kTime, "set_minute", time_ops::set_minute, "value">(),
    instance<kTime, "set_second", time_ops::set_second, "value">(),
    instance<kTime, "set_millisecond", time_ops::set_millisecond, "value">(),
    instance<kTime, "day_of_year", time_ops::day_of_year>(),
    instance<kTime, "quarter", time_ops::quarter>(),
    instance<kTime, "set_quarter", time_ops::set_quarter, "value">(),
    instance<kTime, "iso_weekday", time_ops::iso_weekday>(),
    instance<kTime, "set_iso_weekday", time_ops::set_iso_weekday, "value">(),
    instance<kTime, "set_day_of_year", time_ops::set_day_of_year, "value">(),
    instance<kTime, "iso_week", time_ops::iso_week>(),
    instance<kTime, "set_iso_week", time_ops::set_iso_week, "value">(),
    instance<kTime, "iso_week_year", time_ops::iso_week_year>(),
    instance<kTime, "week_of_year", time_ops::week_of_year>(),
    instance<kTime, "week", time_ops::week_of_year>(),
    instance<kTime, "weeks_in_year", time_ops::weeks_in_year>(),
    instance<kTime, "iso_weeks_in_year", time_ops::iso_weeks_in_year>(),
    instance<kTime, "days_in_year", time_ops::days_in_year>(),
    instance<kTime, "set_week", time_ops::set_week, "value">(),
    instance<kTime, "is_today", time_ops::is_today>(),
    instance<kTime, "is_yesterday", time_ops::is_yesterday>(),
    instance<kTime, "is_tomorrow", time_ops::is_tomorrow>(),
    instance<kTime, "is_before", time_ops::is_before, "other">(),
    instance<kTime, "is_after", time_ops::is_after, "other">(),
    instance<kTime, "is_same", time_ops::is_same, "other">(),
    instance<kTime, "is_before_unit", time_ops::is_before_unit, "other", "unit">(),
    instance<kTime, "is_after_unit", time_ops::is_after_unit, "other", "unit">(),
    instance<kTime, "is_same_unit", time_ops::is_same_unit, "other", "unit">(),
    instance<kTime, "is_same_or_before", time_ops::is_same_or_before, "other">(),
    instance<kTime, "is_same_or_after", time_ops::is_same_or_after, "other">(),
    instance<kTime, "is_same_or_before_unit", time_ops::is_same_or_before_unit, "other", "unit">(),
    instance<kTime, "is_same_or_after_unit", time_ops::is_same_or_after_unit, "other", "unit">(),
    instance<kTime, "is_between", time_ops::is_between, "start", "end", "unit", "inclusivity">(),
    instance<kTime, "from_time", time_ops::from_time, "other", "without_suffix">(),
    instance<kTime, "to_time", time_ops::to_time, "other", "without_suffix">(),
    instance<kTime, "from_now", time_ops::from_now, "without_suffix">(),
    instance<kTime, "to_now", time_ops::to_now, "without_suffix">(),
    instance<kTime, "calendar", time_ops::calendar, "reference", "locale">(),
    static_method<kTime, "min", time_ops::min_time, "first", "second">(),
    static_method<kTime, "max", time_ops::max_time, "first", "second">(),
    instance<kTime, "clamp", time_ops::clamp, "start", "end">(),
    instance<kTime, "clone_time", time_ops::clone_time>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelTime(input, timezone): the current instant for None, else parse.
PyObject* time_new(PyTypeObject*, PyObject* args, PyObject* kwargs) {
    return guarded([&] { return call_with_tuple(Construct::fastcall, args, kwargs); });
}

}  // namespace qt::py
