// The binder's out-of-line parts: matching positional and keyword arguments
// to a signature, the TypeErrors of a call that does not fit it, and calls
// made with an argument tuple.
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

// Raises a TypeError with the whole message, NUL characters included.
bool raise_type_error(const std::string& message) {
    Ref text(PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size())));
    if (text) PyErr_SetObject(PyExc_TypeError, text.get());
    return false;
}

// A keyword as the message shows it: its text in quotes, or its repr (which
// brings its own quotes) when it holds a lone surrogate and has no UTF-8.
bool quoted_keyword(PyObject* keyword, std::string& out) {
    Py_ssize_t size = 0;
    if (const char* text = PyUnicode_AsUTF8AndSize(keyword, &size)) {
        out.append("'").append(text, static_cast<size_t>(size)).append("'");
        return true;
    }
    PyErr_Clear();
    Ref repr(PyObject_Repr(keyword));
    const char* text = repr ? PyUnicode_AsUTF8AndSize(repr.get(), &size) : nullptr;
    if (!text) return false;
    out.append(text, static_cast<size_t>(size));
    return true;
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
                                std::to_string(nargs) + " were given");
    }
    for (Py_ssize_t i = 0; i < nargs; ++i) slots[i] = args[i];
    const Py_ssize_t nkw = kwnames ? PyTuple_Size(kwnames) : 0;
    for (Py_ssize_t k = 0; k < nkw; ++k) {
        PyObject* keyword = PyTuple_GetItem(kwnames, k);
        const Py_ssize_t i = keyword_index(sig, keyword);
        if (i < 0 || slots[i]) {
            std::string message = name + (i < 0 ? " got an unexpected keyword argument " : " got multiple values for argument ");
            if (!quoted_keyword(keyword, message)) return false;
            return raise_type_error(message);
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
    Ref message(value ? PyUnicode_FromFormat("argument '%s': %S", name, value) : nullptr);
    if (!message) {
        // An error whose own text cannot be read is passed on as it came.
        PyErr_Clear();
        PyErr_Restore(type, value, traceback);
        return;
    }
    Py_XDECREF(type);
    Py_XDECREF(value);
    Py_XDECREF(traceback);
    PyErr_SetObject(PyExc_TypeError, message.get());
}

PyObject* raise_internal_failure(const char* what) {
    PyErr_Format(PyExc_SystemError, "quendreltime internal failure: %s", what);
    return nullptr;
}

PyObject* call_with_tuple(PyObject* (*fastcall)(PyObject*, PyObject* const*, Py_ssize_t, PyObject*),
                          PyObject* args, PyObject* kwargs) {
    // Converting one argument can run Python code (an __index__) that empties
    // or rebinds the dict, so the values are held here, not borrowed from it.
    const Py_ssize_t nargs = PyTuple_Size(args);
    const Py_ssize_t nkw = kwargs ? PyDict_Size(kwargs) : 0;
    std::vector<Ref> held;
    held.reserve(static_cast<size_t>(nargs + nkw));
    auto hold = [&](PyObject* borrowed) {
        Py_INCREF(borrowed);
        held.emplace_back(borrowed);
    };
    for (Py_ssize_t i = 0; i < nargs; ++i) hold(PyTuple_GetItem(args, i));
    Ref kwnames;
    if (nkw > 0) {
        kwnames = Ref(PyTuple_New(nkw));
        if (!kwnames) return nullptr;
        PyObject *key, *value;
        Py_ssize_t pos = 0, k = 0;
        while (k < nkw && PyDict_Next(kwargs, &pos, &key, &value)) {
            Py_INCREF(key);
            PyTuple_SetItem(kwnames.get(), k++, key);
            hold(value);
        }
    }
    std::vector<PyObject*> flat;
    flat.reserve(held.size());
    for (const Ref& arg : held) flat.push_back(arg.get());
    return fastcall(nullptr, flat.data(), nargs, kwnames.get());
}

}  // namespace qt::py
