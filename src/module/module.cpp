// Module initialisation: publishes the two types, the two functions and the
// IANA release of the zone table, and teaches pickle and copy about the types.
#include <ranges>

#include "calendar/units.h"
#include "format/locale.h"
#include "module/binder.h"
#include "module/reductions.h"
#include "time/zone.h"

namespace qt::py {
namespace {

PyObject* cached_module = nullptr;

// Entry points from Python, so guarded like the methods.
PyObject* supported_units(PyObject*, PyObject*) {
    return guarded([] { return to_python(std::views::transform(kUnitSpellings, &Spelling::name)); });
}

PyObject* supported_locales(PyObject*, PyObject*) {
    return guarded([] { return to_python(std::views::transform(kLocalePacks, &LocalePack::code)); });
}

PyMethodDef function_defs[] = {
    {"supported_units", supported_units, METH_NOARGS, function_doc<"supported_units">.c_str()},
    {"supported_locales", supported_locales, METH_NOARGS, function_doc<"supported_locales">.c_str()},
};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT, "quendreltime", method_doc("quendreltime", "__doc__").data(), 0, nullptr, nullptr, nullptr, nullptr, nullptr,
};

// The module's state (the cached module, the two types) lives in
// process-wide statics, which belong to the main interpreter: every other
// interpreter is refused before anything is created or recorded, so a
// subinterpreter that imports first cannot lock the main one out.
bool check_interpreter() {
    const int64_t id = PyInterpreterState_GetID(PyInterpreterState_Get());
    if (id == -1 && PyErr_Occurred()) return false;
    constexpr int64_t kMainInterpreter = 0;
    if (id == kMainInterpreter) return true;
    PyErr_SetString(PyExc_ImportError,
                    "quendreltime modules do not yet support subinterpreters, "
                    "see https://docs.python.org/3/c-api/init.html#sub-interpreter-support");
    return false;
}

// Appends `name` to __all__ (creating it) and sets the attribute.
bool add_name(PyObject* module, const char* name, PyObject* value) {
    PyObject* all = PyObject_GetAttrString(module, "__all__");
    if (!all) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return false;
        PyErr_Clear();
        all = PyList_New(0);
        if (!all || PyObject_SetAttrString(module, "__all__", all) < 0) {
            Py_XDECREF(all);
            return false;
        }
    }
    Ref text(PyUnicode_FromString(name));
    const bool appended = text && PyList_Append(all, text.get()) == 0;
    Py_DECREF(all);
    return appended && PyObject_SetAttrString(module, name, value) == 0;
}

// Re-publishes an attribute under a second name.
bool republish(PyObject* module, const char* from, const char* to) {
    Ref value(PyObject_GetAttrString(module, from));
    return value && add_name(module, to, value.get());
}

PyObject* build_module() {
    Ref module(PyModule_Create(&module_def));
    if (!module || !create_types() || !create_cached_ints()) return nullptr;
    PyObject* m = module.get();
    if (!add_name(m, "QuendrelDuration", reinterpret_cast<PyObject*>(duration_type)) ||
        !add_name(m, "QuendrelTime", reinterpret_cast<PyObject*>(time_type)) ||
        !republish(m, "QuendrelDuration", "quendrel_duration") || !republish(m, "QuendrelTime", "quendrel_time") ||
        !register_reductions(m))
        return nullptr;
    Ref module_name(PyUnicode_FromString("quendreltime"));
    if (!module_name) return nullptr;
    for (PyMethodDef& def : function_defs) {
        Ref function(PyCFunction_NewEx(&def, m, module_name.get()));
        if (!function || !add_name(m, def.ml_name, function.get())) return nullptr;
    }
    // Named as tzdata.IANA_VERSION is; data about the build, so not in __all__.
    const std::string_view release = iana_version();
    Ref version(PyUnicode_FromStringAndSize(release.data(), static_cast<Py_ssize_t>(release.size())));
    if (!version || PyObject_SetAttrString(m, "IANA_VERSION", version.get()) < 0) return nullptr;
    return module.release();
}

}  // namespace
}  // namespace qt::py

PyMODINIT_FUNC PyInit_quendreltime() {
    using namespace qt::py;
    return guarded([]() -> PyObject* {
        if (!check_interpreter()) return nullptr;
        if (cached_module) {
            Py_INCREF(cached_module);
            return cached_module;
        }
        PyObject* module = build_module();
        if (!module) return nullptr;
        Py_INCREF(module);
        cached_module = module;
        return module;
    });
}
