// The QuendrelTime type: its method table, constructor and representation.
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

constexpr char kParseBatchDoc[] = "Batch parse ISO/naive datetime strings and return unix timestamps (ms).";
constexpr char kParseFormatBatchDoc[] =
    "Batch parse datetime strings laid out by a token pattern (YYYY-MM-DD HH:mm:ss and the like) "
    "and return unix timestamps (ms).";
constexpr char kFormatBatchDoc[] = "Batch format unix timestamps with locale support.";
constexpr char kFormatLocaleDoc[] = "Locale-aware format helper for month/day names and meridiem output.";
constexpr char kCalendarDoc[] =
    "Calendar-style formatting relative to a reference time, with locale packs.\n"
    "\n"
    "Buckets:\n"
    "- same day: Today at HH:mm\n"
    "- +/-1 day: Tomorrow/Yesterday at HH:mm\n"
    "- +/-6 days: Weekday at HH:mm\n"
    "- otherwise: YYYY-MM-DD HH:mm";

using Construct = Method<kTime, "__new__", construct_time, kStatic, "", "input", "timezone">;

}  // namespace

PyMethodDef time_methods[] = {
    static_method<kTime, "now", now, "timezone">(),
    static_method<kTime, "parse", parse, "input", "timezone">(),
    static_method<kTime, "parse_format", parse_format, "input", "pattern", "timezone">(),
    static_doc<kTime, "parse_batch", kParseBatchDoc, parse_batch, "inputs", "timezone">(),
    static_doc<kTime, "parse_format_batch", kParseFormatBatchDoc, parse_format_batch, "inputs", "pattern", "timezone">(),
    static_doc<kTime, "format_batch", kFormatBatchDoc, format_batch, "unix_millis", "pattern", "timezone", "locale">(),
    static_method<kTime, "from_array", from_array, "components", "timezone">(),
    static_method<kTime, "from_unix_ms", from_unix_ms, "unix_ms", "timezone">(),
    static_method<kTime, "from_unix", from_unix, "unix_seconds", "timezone">(),
    static_method<kTime, "duration", make_duration, "value", "unit">(),
    instance<kTime, "to_iso", to_iso>(),
    instance<kTime, "format", format, "pattern">(),
    instance_doc<kTime, "format_locale", kFormatLocaleDoc, format_locale, "pattern", "locale">(),
    instance<kTime, "unix_ms", unix_ms>(),
    instance<kTime, "unix", unix_seconds>(),
    instance<kTime, "value_of", unix_ms>(),
    instance<kTime, "timezone", timezone_of>(),
    instance<kTime, "to_array", qt::to_array>(),
    instance<kTime, "utc_offset", utc_offset_minutes>(),
    instance<kTime, "is_utc", is_utc>(),
    instance<kTime, "is_dst", is_dst>(),
    instance<kTime, "to_timezone", to_timezone, "timezone">(),
    instance<kTime, "add", qt::add, "amount", "unit">(),
    instance<kTime, "add_duration", add_duration, "duration">(),
    instance<kTime, "subtract", qt::subtract, "amount", "unit">(),
    instance<kTime, "subtract_duration", subtract_duration, "duration">(),
    instance<kTime, "start_of", qt::start_of, "unit">(),
    instance<kTime, "end_of", qt::end_of, "unit">(),
    instance<kTime, "diff", diff, "other", "unit", "as_float">(),
    instance<kTime, "is_valid", is_valid>(),
    instance<kTime, "days_in_month", qt::days_in_month_of>(),
    instance<kTime, "is_leap_year", qt::is_leap_year>(),
    instance<kTime, "get", qt::get, "field">(),
    instance<kTime, "set", set, "field", "value">(),
    instance<kTime, "year", qt::year>(),
    instance<kTime, "month", qt::month>(),
    instance<kTime, "date", qt::date>(),
    instance<kTime, "day", qt::day>(),
    instance<kTime, "hour", qt::hour>(),
    instance<kTime, "minute", qt::minute>(),
    instance<kTime, "second", qt::second>(),
    instance<kTime, "millisecond", qt::millisecond>(),
    instance<kTime, "set_year", set_year, "value">(),
    instance<kTime, "set_month", set_month, "value">(),
    instance<kTime, "set_date", set_date, "value">(),
    instance<kTime, "set_day", set_day, "value">(),
    instance<kTime, "set_hour", set_hour, "value">(),
    instance<kTime, "set_minute", set_minute, "value">(),
    instance<kTime, "set_second", set_second, "value">(),
    instance<kTime, "set_millisecond", set_millisecond, "value">(),
    instance<kTime, "day_of_year", qt::day_of_year_of>(),
    instance<kTime, "quarter", qt::quarter>(),
    instance<kTime, "set_quarter", set_quarter, "value">(),
    instance<kTime, "iso_weekday", qt::iso_weekday>(),
    instance<kTime, "set_iso_weekday", set_iso_weekday, "value">(),
    instance<kTime, "set_day_of_year", set_day_of_year, "value">(),
    instance<kTime, "iso_week", qt::iso_week>(),
    instance<kTime, "set_iso_week", set_iso_week, "value">(),
    instance<kTime, "iso_week_year", qt::iso_week_year>(),
    instance<kTime, "week_of_year", qt::week_of_year>(),
    instance<kTime, "week", qt::week_of_year>(),
    instance<kTime, "weeks_in_year", qt::weeks_in_year>(),
    instance<kTime, "iso_weeks_in_year", qt::iso_weeks_in_year>(),
    instance<kTime, "days_in_year", qt::days_in_year>(),
    instance<kTime, "set_week", set_week, "value">(),
    instance<kTime, "is_today", is_today>(),
    instance<kTime, "is_yesterday", is_yesterday>(),
    instance<kTime, "is_tomorrow", is_tomorrow>(),
    instance<kTime, "is_before", is_before, "other">(),
    instance<kTime, "is_after", is_after, "other">(),
    instance<kTime, "is_same", is_same, "other">(),
    instance<kTime, "is_before_unit", is_before_unit, "other", "unit">(),
    instance<kTime, "is_after_unit", is_after_unit, "other", "unit">(),
    instance<kTime, "is_same_unit", is_same_unit, "other", "unit">(),
    instance<kTime, "is_same_or_before", is_same_or_before, "other">(),
    instance<kTime, "is_same_or_after", is_same_or_after, "other">(),
    instance<kTime, "is_same_or_before_unit", is_same_or_before_unit, "other", "unit">(),
    instance<kTime, "is_same_or_after_unit", is_same_or_after_unit, "other", "unit">(),
    instance<kTime, "is_between", is_between, "start", "end", "unit", "inclusivity">(),
    instance<kTime, "from_time", from_time, "other", "without_suffix">(),
    instance<kTime, "to_time", to_time, "other", "without_suffix">(),
    instance<kTime, "from_now", from_now, "without_suffix">(),
    instance<kTime, "to_now", to_now, "without_suffix">(),
    instance_doc<kTime, "calendar", kCalendarDoc, calendar, "reference", "locale">(),
    static_method<kTime, "min", min_time, "first", "second">(),
    static_method<kTime, "max", max_time, "first", "second">(),
    instance<kTime, "clamp", clamp, "start", "end">(),
    instance<kTime, "clone_time", clone_time>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelTime(input, timezone): the current instant for None, else parse.
PyObject* time_new(PyTypeObject*, PyObject* args, PyObject* kwargs) {
    return guarded([&] { return call_with_tuple(Construct::fastcall, args, kwargs); });
}

PyObject* time_repr(PyObject* self) {
    return guarded([&] { return to_python(time_repr(time_of(self))); });
}

}  // namespace qt::py
