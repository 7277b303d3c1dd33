// The QuendrelDuration type: its method table and constructor.
#include "duration/duration.h"
#include "module/binder.h"

namespace qt::py {
namespace {

constexpr FixedString kDuration = "QuendrelDuration";
constexpr bool kStatic = false;

using Construct = Method<kDuration, "__new__", duration_ops::construct, kStatic, "value", "unit">;

}  // namespace

extern const char* const duration_class_doc = Construct::Text::class_doc.c_str();

PyMethodDef duration_methods[] = {
    static_method<kDuration, "from_milliseconds", duration_ops::from_milliseconds, "value">(),
    static_method<kDuration, "from_seconds", duration_ops::from_unit<TimeUnit::Second>, "value">(),
    static_method<kDuration, "from_minutes", duration_ops::from_unit<TimeUnit::Minute>, "value">(),
    static_method<kDuration, "from_hours", duration_ops::from_unit<TimeUnit::Hour>, "value">(),
    static_method<kDuration, "from_days", duration_ops::from_unit<TimeUnit::Day>, "value">(),
    static_method<kDuration, "from_weeks", duration_ops::from_unit<TimeUnit::Week>, "value">(),
    static_method<kDuration, "from_months", duration_ops::from_unit<TimeUnit::Month>, "value">(),
    static_method<kDuration, "from_years", duration_ops::from_unit<TimeUnit::Year>, "value">(),
    instance<kDuration, "as_milliseconds", duration_ops::as_milliseconds>(),
    instance<kDuration, "as_seconds", duration_ops::as_unit<TimeUnit::Second>>(),
    instance<kDuration, "as_minutes", duration_ops::as_unit<TimeUnit::Minute>>(),
    instance<kDuration, "as_hours", duration_ops::as_unit<TimeUnit::Hour>>(),
    instance<kDuration, "as_days", duration_ops::as_unit<TimeUnit::Day>>(),
    instance<kDuration, "as_weeks", duration_ops::as_unit<TimeUnit::Week>>(),
    instance<kDuration, "as_months", duration_ops::as_unit<TimeUnit::Month>>(),
    instance<kDuration, "as_years", duration_ops::as_unit<TimeUnit::Year>>(),
    instance<kDuration, "humanize", duration_ops::humanize, "with_suffix">(),
    instance<kDuration, "add", duration_ops::add, "other">(),
    instance<kDuration, "subtract", duration_ops::subtract, "other">(),
    instance<kDuration, "negate", duration_ops::negate>(),
    instance<kDuration, "abs", duration_ops::abs>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelDuration(value, unit): `value` milliseconds when the unit is None.
PyObject* duration_new(PyTypeObject*, PyObject* args, PyObject* kwargs) {
    return guarded([&] { return call_with_tuple(Construct::fastcall, args, kwargs); });
}

}  // namespace qt::py
