// Argument conversion by C++ parameter type, and results back to Python.
//
// Each Arg<T> turns one Python object into the T an operation takes. On
// failure it returns false with a Python exception set; the binder then adds
// the "argument 'NAME': " prefix to TypeErrors.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "module/error_messages.h"
#include "module/objects.h"
#include "module/py.h"
#include "parse/constructors.h"
#include "time/time_error.h"

namespace qt::py {

bool to_int64(PyObject* obj, int64_t& out);
bool to_text(PyObject* obj, std::string_view& out);
bool to_bool(PyObject* obj, bool& out);
bool to_int64_list(PyObject* obj, std::vector<int64_t>& out);
// Reads the length first; the items only when there are few enough.
bool to_components(PyObject* obj, Components& out);
bool raise_cast_error(PyObject* obj, const char* expected);

// Long loops over a caller's list call this every few thousand items, so
// that Ctrl-C stops them: true when a signal handler raised (the exception
// is then set). A handler that returns may have changed any list, so a list
// long enough to reach a check is read from a copy (list_items).
inline constexpr Py_ssize_t kItemsPerCheck = 4096;
inline bool interrupted_at(Py_ssize_t index) {
    return index % kItemsPerCheck == kItemsPerCheck - 1 && PyErr_CheckSignals() != 0;
}

template <class T>
struct Arg;

template <>
struct Arg<int64_t> {
    int64_t value;
    bool convert(PyObject* o) { return to_int64(o, value); }
    int64_t get() const { return value; }
};

template <>
struct Arg<std::string_view> {
    std::string_view value;
    bool convert(PyObject* o) { return to_text(o, value); }
    std::string_view get() const { return value; }
};

template <>
struct Arg<std::optional<std::string_view>> {
    std::optional<std::string_view> value;
    bool convert(PyObject* o) {
        if (o == Py_None) return true;
        return to_text(o, value.emplace());
    }
    std::optional<std::string_view> get() const { return value; }
};

template <>
struct Arg<std::optional<bool>> {
    std::optional<bool> value;
    bool convert(PyObject* o) {
        if (o == Py_None) return true;
        return to_bool(o, value.emplace());
    }
    std::optional<bool> get() const { return value; }
};

template <>
struct Arg<const TimeValue&> {
    const TimeValue* value = nullptr;
    bool convert(PyObject* o) {
        if (!is_time(o)) return raise_cast_error(o, "QuendrelTime");
        value = &time_of(o);
        return true;
    }
    const TimeValue& get() const { return *value; }
};

template <>
struct Arg<std::optional<TimeValue>> {
    std::optional<TimeValue> value;
    bool convert(PyObject* o) {
        if (o == Py_None) return true;
        if (!is_time(o)) return raise_cast_error(o, "QuendrelTime");
        value = time_of(o);
        return true;
    }
    std::optional<TimeValue> get() const { return value; }
};

template <>
struct Arg<const DurationValue&> {
    const DurationValue* value = nullptr;
    bool convert(PyObject* o) {
        if (!is_duration(o)) return raise_cast_error(o, "QuendrelDuration");
        value = &duration_of(o);
        return true;
    }
    const DurationValue& get() const { return *value; }
};

template <>
struct Arg<std::span<const int64_t>> {
    std::vector<int64_t> values;
    bool convert(PyObject* o) { return to_int64_list(o, values); }
    std::span<const int64_t> get() const { return values; }
};

template <>
struct Arg<const Components&> {
    Components value;
    bool convert(PyObject* o) { return to_components(o, value); }
    const Components& get() const { return value; }
};

// The texts of a batch, read where they lie: an exact tuple, or a list
// too short to reach a signal check, as the caller passed it; a longer list
// or any other sequence (a subclass with its own __iter__, say) through a
// tuple we own. Each item is read once, when the batch
// reaches it, and its text is used before any Python code can run and
// change the list. An item that is not text must still be reported before
// anything that comes after the list (a later argument, the zone, an
// earlier text that does not parse): check_items then looks ahead.
class TextItems {
public:
    bool convert(PyObject* obj);
    Py_ssize_t size() const { return size_; }
    // Item i as UTF-8; false with the conversion error set.
    bool read(Py_ssize_t i, std::string_view& out) const;
    // Reads items from `first` on; false with the first one's error set.
    bool check_items(Py_ssize_t first) const;

private:
    Ref items_;
    Py_ssize_t size_ = 0;
};

template <>
struct Arg<const TextItems&> {
    TextItems value;
    bool convert(PyObject* o) { return value.convert(o); }
    bool check_items() const { return value.check_items(0); }
    const TextItems& get() const { return value; }
};

// ------------------------------------------------------------------ results

// A result that the binder's own operation already built (a batch's list).
inline PyObject* to_python(PyObject* built) { return built; }
inline PyObject* to_python(const TimeValue& v) { return new_time(v); }
inline PyObject* to_python(const DurationValue& v) { return new_duration(v); }
// Python ints for the numbers the queries return most (years of the common
// era, days of the year, minutes of the day...), made once: a query then
// costs no allocation, as the interpreter's own small ints cost none.
inline constexpr int64_t kCachedIntLimit = 4096;  // [0, kCachedIntLimit)
extern PyObject* cached_ints[kCachedIntLimit];
bool create_cached_ints();

inline PyObject* to_python(int64_t v) {
    if (static_cast<uint64_t>(v) < static_cast<uint64_t>(kCachedIntLimit)) {
        PyObject* cached = cached_ints[v];
        Py_INCREF(cached);
        return cached;
    }
    return PyLong_FromLongLong(v);
}
inline PyObject* to_python(int v) { return PyLong_FromLong(v); }
inline PyObject* to_python(double v) { return PyFloat_FromDouble(v); }
inline PyObject* to_python(bool v) { return PyBool_FromLong(v); }
inline PyObject* to_python(const std::string& v) {
    return PyUnicode_FromStringAndSize(v.data(), static_cast<Py_ssize_t>(v.size()));
}
inline PyObject* to_python(std::string_view v) {
    return PyUnicode_FromStringAndSize(v.data(), static_cast<Py_ssize_t>(v.size()));
}
template <size_t N>
PyObject* to_python(const ShortText<N>& v) {
    return to_python(v.view());
}

template <class Range>
    requires requires(const Range& r) { r.begin(); r.size(); }
PyObject* to_python(const Range& items) {
    PyObject* list = PyList_New(static_cast<Py_ssize_t>(items.size()));
    if (!list) return nullptr;
    Py_ssize_t i = 0;
    for (const auto& item : items) {
        PyObject* element = to_python(item);
        if (!element) {
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SetItem(list, i++, element);
    }
    return list;
}

template <class T>
PyObject* to_python(const Result<T>& result) {
    if (!result) return raise_time_error(result.error());
    return to_python(*result);
}

}  // namespace qt::py
