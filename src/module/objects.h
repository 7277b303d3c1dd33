// Instance layouts of the two extension types and their creation.
#pragma once

#include "duration/duration.h"
#include "module/py.h"
#include "time/time_value.h"

namespace qt::py {

struct TimeObject {
    PyObject_HEAD
    TimeValue value;
};

struct DurationObject {
    PyObject_HEAD
    DurationValue value;
};

// The type objects, created once per process by create_types().
extern PyTypeObject* time_type;
extern PyTypeObject* duration_type;
bool create_types();

PyObject* new_time(TimeValue value);
PyObject* new_duration(DurationValue value);

inline bool is_time(PyObject* obj) { return Py_TYPE(obj) == time_type; }
inline bool is_duration(PyObject* obj) { return Py_TYPE(obj) == duration_type; }
inline const TimeValue& time_of(PyObject* obj) { return reinterpret_cast<TimeObject*>(obj)->value; }
inline const DurationValue& duration_of(PyObject* obj) {
    return reinterpret_cast<DurationObject*>(obj)->value;
}

}  // namespace qt::py
