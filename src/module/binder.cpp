#include "module/binder.h"

#include <string>
#include <vector>

namespace qt::py {
namespace {

std::string quoted_list(const std::vector<const char*>& names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += names.size() == 2 ? " and " : (i + 1 == names.size() ? ", and " : ", ");
        out += '\'';
        out += names[i];
        out += '\'';
    }
    return out;
}

bool raise_type_error(const std::string& message) {
    PyErr_SetString(PyExc_TypeError, message.c_str());
    return false;
}

// Index of the parameter a keyword names, or -1.
Py_ssize_t keyword_index(const Signature& sig, PyObject* keyword) {
    for (Py_ssize_t i = 0; i < sig.count; ++i)
        if (PyUnicode_CompareWithASCIIString(keyword, sig.names[i]) == 0) return i;
    return -1;
}

}  // namespace

bool bind_arguments(const Signature& sig, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames,
                    PyObject** slots) {
    const std::string name(sig.qualified);
    if (nargs > sig.count) {
        return raise_type_error(name + " takes " + std::to_string(sig.count) + " positional arguments but " +
                                std::to_string(nargs) + (nargs == 1 ? " was" : " were") + " given");
    }
    for (Py_ssize_t i = 0; i < nargs; ++i) slots[i] = args[i];
    const Py_ssize_t nkw = kwnames ? PyTuple_Size(kwnames) : 0;
    for (Py_ssize_t k = 0; k < nkw; ++k) {
        PyObject* keyword = PyTuple_GetItem(kwnames, k);
        const Py_ssize_t i = keyword_index(sig, keyword);
        if (i < 0 || slots[i]) {
            Ref text(PyObject_Str(keyword));
            const char* kw = text ? PyUnicode_AsUTF8AndSize(text.get(), nullptr) : nullptr;
            if (!kw) return false;
            return raise_type_error(name + (i < 0 ? " got an unexpected keyword argument '"
                                                  : " got multiple values for argument '") +
                                    kw + "'");
        }
        slots[i] = args[nargs + k];
    }
    std::vector<const char*> missing;
    for (Py_ssize_t i = 0; i < sig.count; ++i)
        if (!slots[i]) missing.push_back(sig.names[i]);
    if (missing.empty()) return true;
    return raise_type_error(name + " missing " + std::to_string(missing.size()) + " required positional argument" +
                            (missing.size() == 1 ? "" : "s") + ": " + quoted_list(missing));
}

void prefix_argument_error(const char* name) {
    if (!PyErr_ExceptionMatches(PyExc_TypeError)) return;
    PyObject *type, *value, *traceback;
    PyErr_Fetch(&type, &value, &traceback);
    PyErr_NormalizeException(&type, &value, &traceback);
    Ref text(value ? PyObject_Str(value) : nullptr);
    Py_XDECREF(type);
    Py_XDECREF(value);
    Py_XDECREF(traceback);
    const char* message = text ? PyUnicode_AsUTF8AndSize(text.get(), nullptr) : nullptr;
    if (!message) return;
    raise_type_error(std::string("argument '") + name + "': " + message);
}

PyObject* raise_internal_failure(const char* what) {
    PyErr_Format(PyExc_SystemError, "quendreltime internal failure: %s", what);
    return nullptr;
}

PyObject* call_with_tuple(PyObject* (*fastcall)(PyObject*, PyObject* const*, Py_ssize_t, PyObject*),
                          PyObject* args, PyObject* kwargs) {
    const Py_ssize_t nargs = PyTuple_Size(args);
    std::vector<PyObject*> flat;
    for (Py_ssize_t i = 0; i < nargs; ++i) flat.push_back(PyTuple_GetItem(args, i));
    Ref kwnames;
    if (kwargs && PyDict_Size(kwargs) > 0) {
        kwnames = Ref(PyTuple_New(PyDict_Size(kwargs)));
        if (!kwnames) return nullptr;
        PyObject *key, *value;
        Py_ssize_t pos = 0, k = 0;
        while (PyDict_Next(kwargs, &pos, &key, &value)) {
            Py_INCREF(key);
            PyTuple_SetItem(kwnames.get(), k++, key);
            flat.push_back(value);
        }
    }
    return fastcall(nullptr, flat.data(), nargs, kwnames.get());
}

}  // namespace qt::py
