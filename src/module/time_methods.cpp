// The QuendrelTime type: its method table, constructor and representation.
#include "module/binder.h"
#include "parse/constructors.h"
#include "parse/parse_instant.h"
#include "time/value_queries.h"

namespace qt::py {
namespace {

constexpr FixedString kTime = "QuendrelTime";
constexpr bool kInstance = true;
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

using Construct = Method<kTime, "__new__", construct_time, false, "", "input", "timezone">;

}  // namespace

PyMethodDef time_methods[] = {
    static_method<kTime, "now", now, "timezone">(),
    static_method<kTime, "parse", parse, "input", "timezone">(),
    pending<kTime, "parse_format", kStatic, "input", "pattern", "timezone">(),
    pending_doc<kTime, "parse_batch", kStatic, kParseBatchDoc, "inputs", "timezone">(),
    pending_doc<kTime, "parse_format_batch", kStatic, kParseFormatBatchDoc, "inputs", "pattern", "timezone">(),
    pending_doc<kTime, "format_batch", kStatic, kFormatBatchDoc, "unix_millis", "pattern", "timezone", "locale">(),
    static_method<kTime, "from_array", from_array, "components", "timezone">(),
    static_method<kTime, "from_unix_ms", from_unix_ms, "unix_ms", "timezone">(),
    static_method<kTime, "from_unix", from_unix, "unix_seconds", "timezone">(),
    pending<kTime, "duration", kStatic, "value", "unit">(),
    instance<kTime, "to_iso", to_iso>(),
    pending<kTime, "format", kInstance, "pattern">(),
    pending_doc<kTime, "format_locale", kInstance, kFormatLocaleDoc, "pattern", "locale">(),
    instance<kTime, "unix_ms", unix_ms>(),
    instance<kTime, "unix", unix_seconds>(),
    instance<kTime, "value_of", unix_ms>(),
    instance<kTime, "timezone", timezone_of>(),
    pending<kTime, "to_array", kInstance>(),
    instance<kTime, "utc_offset", utc_offset_minutes>(),
    instance<kTime, "is_utc", is_utc>(),
    instance<kTime, "is_dst", is_dst>(),
    instance<kTime, "to_timezone", to_timezone, "timezone">(),
    pending<kTime, "add", kInstance, "amount", "unit">(),
    pending<kTime, "add_duration", kInstance, "duration">(),
    pending<kTime, "subtract", kInstance, "amount", "unit">(),
    pending<kTime, "subtract_duration", kInstance, "duration">(),
    pending<kTime, "start_of", kInstance, "unit">(),
    pending<kTime, "end_of", kInstance, "unit">(),
    pending<kTime, "diff", kInstance, "other", "unit", "as_float">(),
    instance<kTime, "is_valid", is_valid>(),
    pending<kTime, "days_in_month", kInstance>(),
    pending<kTime, "is_leap_year", kInstance>(),
    pending<kTime, "get", kInstance, "field">(),
    pending<kTime, "set", kInstance, "field", "value">(),
    pending<kTime, "year", kInstance>(),
    pending<kTime, "month", kInstance>(),
    pending<kTime, "date", kInstance>(),
    pending<kTime, "day", kInstance>(),
    pending<kTime, "hour", kInstance>(),
    pending<kTime, "minute", kInstance>(),
    pending<kTime, "second", kInstance>(),
    pending<kTime, "millisecond", kInstance>(),
    pending<kTime, "set_year", kInstance, "value">(),
    pending<kTime, "set_month", kInstance, "value">(),
    pending<kTime, "set_date", kInstance, "value">(),
    pending<kTime, "set_day", kInstance, "value">(),
    pending<kTime, "set_hour", kInstance, "value">(),
    pending<kTime, "set_minute", kInstance, "value">(),
    pending<kTime, "set_second", kInstance, "value">(),
    pending<kTime, "set_millisecond", kInstance, "value">(),
    pending<kTime, "day_of_year", kInstance>(),
    pending<kTime, "quarter", kInstance>(),
    pending<kTime, "set_quarter", kInstance, "value">(),
    pending<kTime, "iso_weekday", kInstance>(),
    pending<kTime, "set_iso_weekday", kInstance, "value">(),
    pending<kTime, "set_day_of_year", kInstance, "value">(),
    pending<kTime, "iso_week", kInstance>(),
    pending<kTime, "set_iso_week", kInstance, "value">(),
    pending<kTime, "iso_week_year", kInstance>(),
    pending<kTime, "week_of_year", kInstance>(),
    pending<kTime, "week", kInstance>(),
    pending<kTime, "weeks_in_year", kInstance>(),
    pending<kTime, "iso_weeks_in_year", kInstance>(),
    pending<kTime, "days_in_year", kInstance>(),
    pending<kTime, "set_week", kInstance, "value">(),
    pending<kTime, "is_today", kInstance>(),
    pending<kTime, "is_yesterday", kInstance>(),
    pending<kTime, "is_tomorrow", kInstance>(),
    pending<kTime, "is_before", kInstance, "other">(),
    pending<kTime, "is_after", kInstance, "other">(),
    pending<kTime, "is_same", kInstance, "other">(),
    pending<kTime, "is_before_unit", kInstance, "other", "unit">(),
    pending<kTime, "is_after_unit", kInstance, "other", "unit">(),
    pending<kTime, "is_same_unit", kInstance, "other", "unit">(),
    pending<kTime, "is_same_or_before", kInstance, "other">(),
    pending<kTime, "is_same_or_after", kInstance, "other">(),
    pending<kTime, "is_same_or_before_unit", kInstance, "other", "unit">(),
    pending<kTime, "is_same_or_after_unit", kInstance, "other", "unit">(),
    pending<kTime, "is_between", kInstance, "start", "end", "unit", "inclusivity">(),
    pending<kTime, "from_time", kInstance, "other", "without_suffix">(),
    pending<kTime, "to_time", kInstance, "other", "without_suffix">(),
    pending<kTime, "from_now", kInstance, "without_suffix">(),
    pending<kTime, "to_now", kInstance, "without_suffix">(),
    pending_doc<kTime, "calendar", kInstance, kCalendarDoc, "reference", "locale">(),
    pending<kTime, "min", kStatic, "first", "second">(),
    pending<kTime, "max", kStatic, "first", "second">(),
    pending<kTime, "clamp", kInstance, "start", "end">(),
    instance<kTime, "clone_time", clone_time>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelTime(input, timezone): the current instant for None, else parse.
PyObject* time_new(PyTypeObject*, PyObject* args, PyObject* kwargs) {
    return call_with_tuple(Construct::fastcall, args, kwargs);
}

PyObject* time_repr(PyObject* self) { return to_python(time_repr(time_of(self))); }

}  // namespace qt::py
