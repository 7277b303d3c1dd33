// Python objects to C++ arguments: integers, text, booleans and the items of
// list arguments, with the TypeError for an object of the wrong type.
#include "module/convert.h"

#include <string>

namespace qt::py {

PyObject* cached_ints[kCachedIntLimit];

bool create_cached_ints() {
    for (int64_t i = 0; i < kCachedIntLimit; ++i) {
        if (cached_ints[i]) continue;
        cached_ints[i] = PyLong_FromLongLong(i);
        if (!cached_ints[i]) return false;
    }
    return true;
}

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

// NumPy's bool scalar type, or null while NumPy is not imported (no object
// of that type can exist before). Looked up once, by the type object itself
// rather than by its name, and held for the life of the process.
static PyObject* numpy_bool_type() {
    static PyObject* type = nullptr;
    if (type) return type;
    Ref name(PyUnicode_FromString("numpy"));
    Ref numpy(name ? PyImport_GetModule(name.get()) : nullptr);
    if (numpy) type = PyObject_GetAttrString(numpy.get(), "bool_");
    if (!type || !PyType_Check(type)) {
        Py_CLEAR(type);
        PyErr_Clear();
    }
    return type;
}

// numpy's bool scalar is accepted through its __bool__; other objects, ints
// included, are refused.
bool to_bool(PyObject* obj, bool& out) {
    if (obj == Py_True || obj == Py_False) {
        out = obj == Py_True;
        return true;
    }
    PyObject* numpy_bool = numpy_bool_type();
    if (!numpy_bool || reinterpret_cast<PyObject*>(Py_TYPE(obj)) != numpy_bool)
        return raise_cast_error(obj, "bool");
    const int truth = PyObject_IsTrue(obj);
    if (truth < 0) return false;
    out = truth == 1;
    return true;
}

// The items of a list argument in iteration order: an exact list or tuple
// as it stands, any other sequence but str (a subclass with its own
// __iter__, say) through a tuple we own.
static Ref sequence_items(PyObject* obj) {
    if (PyUnicode_Check(obj)) {
        PyErr_SetString(PyExc_TypeError, "Can't extract `str` to `Vec`");
        return Ref();
    }
    if (PyTuple_CheckExact(obj) || PyList_CheckExact(obj)) {
        Py_INCREF(obj);
        return Ref(obj);
    }
    if (!PySequence_Check(obj)) {
        raise_cast_error(obj, "Sequence");
        return Ref();
    }
    return Ref(PySequence_Tuple(obj));
}

// The items of a list argument that a long loop reads: a list that reaches
// a signal check is copied first, since the handler that runs there may
// rewrite or shrink it, and the result must be that of the list as passed.
static Ref list_items(PyObject* obj) {
    Ref items = sequence_items(obj);
    if (items && PyList_CheckExact(items.get()) && PyList_Size(items.get()) >= kItemsPerCheck)
        return Ref(PyList_AsTuple(items.get()));
    return items;
}

// The items of a list of integers, copied whatever its length: converting an
// item may call its __index__, which may change the list under the loop.
static Ref integer_items(PyObject* obj) {
    Ref items = sequence_items(obj);
    if (items && PyList_CheckExact(items.get())) return Ref(PyList_AsTuple(items.get()));
    return items;
}

static Py_ssize_t items_size(PyObject* items) {
    return PyList_CheckExact(items) ? PyList_Size(items) : PyTuple_Size(items);
}

// Converts the first `size` items of a tuple of integers into `out`.
static bool read_int64_items(PyObject* items, Py_ssize_t size, int64_t* out) {
    for (Py_ssize_t i = 0; i < size; ++i)
        if (interrupted_at(i) || !to_int64(PyTuple_GetItem(items, i), out[i])) return false;
    return true;
}

bool to_int64_list(PyObject* obj, std::vector<int64_t>& out) {
    Ref items = integer_items(obj);
    if (!items) return false;
    out.resize(static_cast<size_t>(items_size(items.get())));
    return read_int64_items(items.get(), static_cast<Py_ssize_t>(out.size()), out.data());
}

bool to_components(PyObject* obj, Components& out) {
    Ref items = integer_items(obj);
    if (!items) return false;
    const Py_ssize_t size = items_size(items.get());
    out.count = static_cast<size_t>(size);
    if (out.count > Components::kMaxItems) return true;  // refused by its length alone
    return read_int64_items(items.get(), size, out.items.data());
}

bool TextItems::convert(PyObject* obj) {
    items_ = list_items(obj);
    if (!items_) return false;
    size_ = items_size(items_.get());
    return true;
}

bool TextItems::check_items(Py_ssize_t first) const {
    std::string_view text;
    for (Py_ssize_t i = first; i < size_; ++i)
        if (!read(i, text)) return false;
    return true;
}

bool TextItems::read(Py_ssize_t i, std::string_view& out) const {
    // Borrowed: nothing runs between this read and the use of the text.
    PyObject* item = PyList_CheckExact(items_.get()) ? PyList_GetItem(items_.get(), i)
                                                     : PyTuple_GetItem(items_.get(), i);
    return item && to_text(item, out);
}

}  // namespace qt::py
