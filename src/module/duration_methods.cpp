// The QuendrelDuration type: its method table, constructor and representation.
#include "duration/duration.h"
#include "module/binder.h"

namespace qt::py {
namespace {

constexpr FixedString kDuration = "QuendrelDuration";
constexpr bool kStatic = false;

using Construct = Method<kDuration, "__new__", make_duration, kStatic, "", "value", "unit">;

}  // namespace

PyMethodDef duration_methods[] = {
    static_method<kDuration, "from_milliseconds", from_milliseconds, "value">(),
    static_method<kDuration, "from_seconds", duration_from<TimeUnit::Second>, "value">(),
    static_method<kDuration, "from_minutes", duration_from<TimeUnit::Minute>, "value">(),
    static_method<kDuration, "from_hours", duration_from<TimeUnit::Hour>, "value">(),
    static_method<kDuration, "from_days", duration_from<TimeUnit::Day>, "value">(),
    static_method<kDuration, "from_weeks", duration_from<TimeUnit::Week>, "value">(),
    static_method<kDuration, "from_months", duration_from<TimeUnit::Month>, "value">(),
    static_method<kDuration, "from_years", duration_from<TimeUnit::Year>, "value">(),
    instance<kDuration, "as_milliseconds", as_milliseconds>(),
    instance<kDuration, "as_seconds", duration_as<TimeUnit::Second>>(),
    instance<kDuration, "as_minutes", duration_as<TimeUnit::Minute>>(),
    instance<kDuration, "as_hours", duration_as<TimeUnit::Hour>>(),
    instance<kDuration, "as_days", duration_as<TimeUnit::Day>>(),
    instance<kDuration, "as_weeks", duration_as<TimeUnit::Week>>(),
    instance<kDuration, "as_months", duration_as<TimeUnit::Month>>(),
    instance<kDuration, "as_years", duration_as<TimeUnit::Year>>(),
    instance<kDuration, "humanize", humanize, "with_suffix">(),
    instance<kDuration, "add", add_durations, "other">(),
    instance<kDuration, "subtract", subtract_durations, "other">(),
    instance<kDuration, "negate", negate_duration>(),
    instance<kDuration, "abs", abs_duration>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelDuration(value, unit): `value` milliseconds when the unit is None.
PyObject* duration_new(PyTypeObject*, PyObject* args, PyObject* kwargs) {
    return guarded([&] { return call_with_tuple(Construct::fastcall, args, kwargs); });
}

PyObject* duration_repr(PyObject* self) {
    return guarded([&] {
        return to_python("QuendrelDuration(milliseconds=" + std::to_string(duration_of(self).ms) + ")");
    });
}

}  // namespace qt::py
