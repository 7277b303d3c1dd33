// The pickle reducers of both types and their registration with copyreg.
#include "module/reductions.h"

#include "module/binder.h"
#include "module/objects.h"
#include "time/zone.h"

namespace qt::py {
namespace {

// What pickle calls to rebuild a value: the constructor (each reducer is
// bound to its own, so nothing is looked up per value) and its arguments.
// The constructor checks the arguments again, so a tampered pickle fails
// like any bad call.
PyObject* rebuild_with(PyObject* constructor, Ref args) {
    return args ? PyTuple_Pack(2, constructor, args.get()) : nullptr;
}

// A time value travels as its instant and zone name: from_unix_ms(ms, zone).
PyObject* time_reduction(PyObject* from_unix_ms, PyObject* obj) {
    if (!is_time(obj)) {
        raise_cast_error(obj, "QuendrelTime");
        return nullptr;
    }
    const TimeValue& value = time_of(obj);
    const std::string_view zone = zone_name(value.zone);
    Ref ms(PyLong_FromLongLong(value.utc_ms));
    PyObject* zone_text = PyUnicode_FromStringAndSize(zone.data(), static_cast<Py_ssize_t>(zone.size()));
    if (!ms || !zone_text) {
        Py_XDECREF(zone_text);
        return nullptr;
    }
    // One object per zone name, so that pickle writes a name once per stream
    // and refers back to it for every later value in that zone.
    PyUnicode_InternInPlace(&zone_text);
    Ref name(zone_text);
    return rebuild_with(from_unix_ms, Ref(PyTuple_Pack(2, ms.get(), name.get())));
}

// A duration travels as its milliseconds: from_milliseconds(ms).
PyObject* duration_reduction(PyObject* from_milliseconds, PyObject* obj) {
    if (!is_duration(obj)) {
        raise_cast_error(obj, "QuendrelDuration");
        return nullptr;
    }
    Ref ms(PyLong_FromLongLong(duration_of(obj).ms));
    return rebuild_with(from_milliseconds, Ref(ms ? PyTuple_Pack(1, ms.get()) : nullptr));
}

// pickle and copy call the reducers from Python like any method, so they
// run under the same guard (the message for a wrong object is built in C++).
PyObject* reduce_time(PyObject* from_unix_ms, PyObject* obj) {
    return guarded([&] { return time_reduction(from_unix_ms, obj); });
}

PyObject* reduce_duration(PyObject* from_milliseconds, PyObject* obj) {
    return guarded([&] { return duration_reduction(from_milliseconds, obj); });
}

PyMethodDef reducer_defs[] = {
    {"_reduce_time", reduce_time, METH_O, nullptr},
    {"_reduce_duration", reduce_duration, METH_O, nullptr},
};

// copyreg.pickle(type, reducer), with the reducer bound to the type's static
// method `constructor`.
bool register_one(PyObject* copyreg, PyTypeObject* type, const char* constructor, PyMethodDef& reducer_def,
                  PyObject* module_name) {
    Ref bound(PyObject_GetAttrString(reinterpret_cast<PyObject*>(type), constructor));
    if (!bound) return false;
    Ref reducer(PyCFunction_NewEx(&reducer_def, bound.get(), module_name));
    if (!reducer) return false;
    Ref done(PyObject_CallMethod(copyreg, "pickle", "OO", reinterpret_cast<PyObject*>(type), reducer.get()));
    return static_cast<bool>(done);
}

}  // namespace

bool register_reductions(PyObject* module) {
    Ref copyreg(PyImport_ImportModule("copyreg"));
    Ref module_name(PyModule_GetNameObject(module));
    return copyreg && module_name &&
           register_one(copyreg.get(), time_type, "from_unix_ms", reducer_defs[0], module_name.get()) &&
           register_one(copyreg.get(), duration_type, "from_milliseconds", reducer_defs[1], module_name.get());
}

}  // namespace qt::py
