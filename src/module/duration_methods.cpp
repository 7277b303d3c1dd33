// The QuendrelDuration type: its method table, constructor and representation.
#include "module/binder.h"

namespace qt::py {
namespace {

constexpr FixedString kDuration = "QuendrelDuration";
constexpr bool kInstance = true;
constexpr bool kStatic = false;

}  // namespace

PyMethodDef duration_methods[] = {
    pending<kDuration, "from_milliseconds", kStatic, "value">(),
    pending<kDuration, "from_seconds", kStatic, "value">(),
    pending<kDuration, "from_minutes", kStatic, "value">(),
    pending<kDuration, "from_hours", kStatic, "value">(),
    pending<kDuration, "from_days", kStatic, "value">(),
    pending<kDuration, "from_weeks", kStatic, "value">(),
    pending<kDuration, "from_months", kStatic, "value">(),
    pending<kDuration, "from_years", kStatic, "value">(),
    pending<kDuration, "as_milliseconds", kInstance>(),
    pending<kDuration, "as_seconds", kInstance>(),
    pending<kDuration, "as_minutes", kInstance>(),
    pending<kDuration, "as_hours", kInstance>(),
    pending<kDuration, "as_days", kInstance>(),
    pending<kDuration, "as_weeks", kInstance>(),
    pending<kDuration, "as_months", kInstance>(),
    pending<kDuration, "as_years", kInstance>(),
    pending<kDuration, "humanize", kInstance, "with_suffix">(),
    pending<kDuration, "add", kInstance, "other">(),
    pending<kDuration, "subtract", kInstance, "other">(),
    pending<kDuration, "negate", kInstance>(),
    pending<kDuration, "abs", kInstance>(),
    {nullptr, nullptr, 0, nullptr},  // sentinel
};

// QuendrelDuration(value, unit)
PyObject* duration_new(PyTypeObject*, PyObject*, PyObject*) {
    return raise_not_implemented("QuendrelDuration.__new__()");
}

PyObject* duration_repr(PyObject* self) {
    const std::string text = "QuendrelDuration(milliseconds=" + std::to_string(duration_of(self).ms) + ")";
    return to_python(text);
}

}  // namespace qt::py
