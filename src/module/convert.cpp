#include "module/convert.h"

#include <string>

namespace qt::py {

std::string type_name(PyObject* obj) {
    Ref name(PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(obj)), "__name__"));
    Py_ssize_t size = 0;
    const char* text = name ? PyUnicode_AsUTF8AndSize(name.get(), &size) : nullptr;
    if (!text) {
        PyErr_Clear();
        return "object";
    }
    return {text, static_cast<size_t>(size)};
}

bool raise_cast_error(PyObject* obj, const char* expected) {
    PyErr_Format(PyExc_TypeError, "'%s' object cannot be cast as '%s'", type_name(obj).c_str(), expected);
    return false;
}

bool to_int64(PyObject* obj, int64_t& out) {
    // PyLong_AsLongLong goes through __index__, so numpy integers pass and
    // floats are refused; OverflowError past 64 bits is left as it is. For
    // a plain int the reader that reports overflow in a flag is used first:
    // it reads the digits directly, where PyLong_AsLongLong goes through a
    // byte-array conversion; only on overflow does the latter run, to raise
    // the interpreter's own error.
    if (PyLong_Check(obj)) {
        int overflow = 0;
        const long long value = PyLong_AsLongLongAndOverflow(obj, &overflow);
        if (overflow == 0) {
            out = value;
            return true;
        }
    }
    const long long value = PyLong_AsLongLong(obj);
    if (value == -1 && PyErr_Occurred()) return false;
    out = value;
    return true;
}

bool to_text(PyObject* obj, std::string_view& out) {
    if (!PyUnicode_Check(obj)) return raise_cast_error(obj, "str");
    Py_ssize_t size = 0;
    const char* text = PyUnicode_AsUTF8AndSize(obj, &size);  // raises on lone surrogates
    if (!text) return false;
    out = {text, static_cast<size_t>(size)};
    return true;
}

// numpy's bool scalar is accepted through its __bool__; other objects, ints
// included, are refused.
static bool is_numpy_bool(PyObject* obj) {
    PyObject* type = reinterpret_cast<PyObject*>(Py_TYPE(obj));
    Ref module(PyObject_GetAttrString(type, "__module__"));
    if (!module) {
        PyErr_Clear();
        return false;
    }
    const std::string name = type_name(obj);
    return PyUnicode_Check(module.get()) && PyUnicode_CompareWithASCIIString(module.get(), "numpy") == 0 &&
           (name == "bool_" || name == "bool");
}

bool to_bool(PyObject* obj, bool& out) {
    if (obj == Py_True || obj == Py_False) {
        out = obj == Py_True;
        return true;
    }
    if (!is_numpy_bool(obj)) return raise_cast_error(obj, "bool");
    const int truth = PyObject_IsTrue(obj);
    if (truth < 0) return false;
    out = truth == 1;
    return true;
}

// Lists, tuples and other sequences, but not str, as a tuple we own.
static Ref sequence_items(PyObject* obj) {
    if (PyUnicode_Check(obj)) {
        PyErr_SetString(PyExc_TypeError, "Can't extract `str` to `Vec`");
        return Ref();
    }
    if (PyTuple_Check(obj)) {
        Py_INCREF(obj);
        return Ref(obj);
    }
    if (!PySequence_Check(obj)) {
        raise_cast_error(obj, "Sequence");
        return Ref();
    }
    return Ref(PySequence_Tuple(obj));
}

bool to_int64_list(PyObject* obj, std::vector<int64_t>& out) {
    if (PyList_Check(obj)) {  // the common case, read in place
        const Py_ssize_t size = PyList_Size(obj);
        out.resize(static_cast<size_t>(size));
        for (Py_ssize_t i = 0; i < size; ++i) {
            // An item's __index__ may change the list: hold the item, and
            // let PyList_GetItem report a list that shrank.
            Ref item(PyList_GetItem(obj, i));
            if (!item) return false;
            Py_INCREF(item.get());
            if (!to_int64(item.get(), out[static_cast<size_t>(i)])) return false;
        }
        return true;
    }
    Ref items = sequence_items(obj);
    if (!items) return false;
    const Py_ssize_t size = PyTuple_Size(items.get());
    out.resize(static_cast<size_t>(size));
    for (Py_ssize_t i = 0; i < size; ++i)
        if (!to_int64(PyTuple_GetItem(items.get(), i), out[static_cast<size_t>(i)])) return false;
    return true;
}

bool to_text_list(PyObject* obj, Ref& keep, std::vector<std::string_view>& out) {
    keep = sequence_items(obj);
    if (!keep) return false;
    const Py_ssize_t size = PyTuple_Size(keep.get());
    out.resize(static_cast<size_t>(size));
    for (Py_ssize_t i = 0; i < size; ++i)
        if (!to_text(PyTuple_GetItem(keep.get(), i), out[static_cast<size_t>(i)])) return false;
    return true;
}

PyObject* raise_time_error(const TimeError& error) {
    const std::string message = error.message();
    PyObject* text = PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size()));
    if (text) {
        PyErr_SetObject(PyExc_ValueError, text);
        Py_DECREF(text);
    }
    return nullptr;
}

}  // namespace qt::py
