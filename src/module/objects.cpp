// The two heap types: their slots, specs and creation, and the allocation of
// instances.
#include "module/objects.h"

#include "module/binder.h"

namespace qt::py {

PyTypeObject* time_type = nullptr;
PyTypeObject* duration_type = nullptr;

// Method tables and constructors live beside each type's methods, the two
// reprs together in repr.cpp.
extern PyMethodDef time_methods[];
extern PyMethodDef duration_methods[];
extern const char* const time_class_doc;
extern const char* const duration_class_doc;
PyObject* time_new(PyTypeObject* type, PyObject* args, PyObject* kwargs);
PyObject* time_repr(PyObject* self);
PyObject* duration_new(PyTypeObject* type, PyObject* args, PyObject* kwargs);
PyObject* duration_repr(PyObject* self);

namespace {

// Frees an instance and drops the reference it held on its heap type. The
// types are not garbage-collected, so their memory is plain object memory.
void dealloc(PyObject* self) {
    PyTypeObject* type = Py_TYPE(self);
    PyObject_Free(self);
    Py_DECREF(type);
}

// A new instance with its record set. Every field is written here, so the
// zero fill of the generic allocator is skipped; PyObject_Init takes the
// reference on the heap type that dealloc drops.
template <class Object, class Record>
PyObject* allocate(PyTypeObject* type, const Record& record) {
    auto* obj = static_cast<Object*>(PyObject_Malloc(sizeof(Object)));
    if (!obj) return PyErr_NoMemory();
    PyObject_Init(reinterpret_cast<PyObject*>(obj), type);
    obj->value = record;
    return reinterpret_cast<PyObject*>(obj);
}

PyType_Slot time_slots[] = {
    {Py_tp_new, reinterpret_cast<void*>(time_new)},
    {Py_tp_repr, reinterpret_cast<void*>(time_repr)},
    {Py_tp_dealloc, reinterpret_cast<void*>(dealloc)},
    {Py_tp_methods, time_methods},
    {Py_tp_doc, const_cast<char*>(time_class_doc)},
    {0, nullptr},  // sentinel
};

PyType_Slot duration_slots[] = {
    {Py_tp_new, reinterpret_cast<void*>(duration_new)},
    {Py_tp_repr, reinterpret_cast<void*>(duration_repr)},
    {Py_tp_dealloc, reinterpret_cast<void*>(dealloc)},
    {Py_tp_methods, duration_methods},
    {Py_tp_doc, const_cast<char*>(duration_class_doc)},
    {0, nullptr},  // sentinel
};

// The dotted names give both types __module__ "quendreltime", which pickle
// and pydoc need to find them again; without it the interpreter also warns
// at every import. Default flags only: no subclassing, no garbage
// collection, no __dict__, no weak references.
PyType_Spec time_spec = {"quendreltime.QuendrelTime", sizeof(TimeObject), 0, Py_TPFLAGS_DEFAULT, time_slots};
PyType_Spec duration_spec = {"quendreltime.QuendrelDuration", sizeof(DurationObject), 0, Py_TPFLAGS_DEFAULT,
                             duration_slots};

}  // namespace

bool create_types() {
    if (!duration_type) {
        duration_type = reinterpret_cast<PyTypeObject*>(PyType_FromSpec(&duration_spec));
        if (!duration_type) return false;
    }
    if (!time_type) {
        time_type = reinterpret_cast<PyTypeObject*>(PyType_FromSpec(&time_spec));
        if (!time_type) return false;
    }
    return true;
}

PyObject* new_time(TimeValue value) { return allocate<TimeObject>(time_type, value); }

PyObject* new_duration(DurationValue value) { return allocate<DurationObject>(duration_type, value); }

}  // namespace qt::py
