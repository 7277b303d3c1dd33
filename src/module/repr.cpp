// What repr() shows of the two types: constructor-like text naming the value.
#include <string>

#include "duration/duration.h"
#include "module/binder.h"
#include "module/objects.h"
#include "time/iso_text.h"
#include "time/time_value.h"
#include "time/zone.h"

namespace qt::py {
namespace {

// "QuendrelTime(iso='...', timezone='...')", or with utc_ms when the ISO text
// cannot be made.
std::string time_text(const TimeValue& v) {
    const auto iso = to_iso(v);
    std::string out = iso ? "QuendrelTime(iso='" + std::string(iso->view()) : "QuendrelTime(utc_ms=" + std::to_string(v.utc_ms);
    out += iso ? "', timezone='" : ", timezone='";
    out += zone_name(v.zone);
    out += "')";
    return out;
}

// "QuendrelDuration(milliseconds=...)".
std::string duration_text(const DurationValue& d) {
    return "QuendrelDuration(milliseconds=" + std::to_string(d.ms) + ")";
}

}  // namespace

PyObject* time_repr(PyObject* self) {
    return guarded([&] { return to_python(time_text(time_of(self))); });
}

PyObject* duration_repr(PyObject* self) {
    return guarded([&] { return to_python(duration_text(duration_of(self))); });
}

}  // namespace qt::py
