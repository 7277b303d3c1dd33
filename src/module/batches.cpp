// The batch methods' bodies: the caller's items read where they lie, the
// new list filled as the batch goes.
#include "module/batches.h"

#include <string>

#include "module/binder.h"
#include "parse/batch.h"

namespace qt::py {
namespace {

// A new list of `size` elements, element i made by `make(i)`; the first
// that fails (returns null with the error set) ends it. Ctrl-C is heard
// every few thousand elements.
template <class Make>
PyObject* build_list(Py_ssize_t size, Make&& make) {
    Ref list(PyList_New(size));
    if (!list) return nullptr;
    for (Py_ssize_t i = 0; i < size; ++i) {
        PyObject* element = interrupted_at(i) ? nullptr : make(i);
        if (!element) return nullptr;
        PyList_SetItem(list.get(), i, element);
    }
    return list.release();
}

PyObject* inputs_error() {
    prefix_argument_error("inputs");
    return nullptr;
}

// Reads every text of `inputs` with `batch`, a batch that reads text, in
// one pass. Errors come as if every item had been converted first: an item
// that is not text, then the batch's set-up (its zone), then the first text
// that does not read.
template <class Batch>
PyObject* read_texts(const TextItems& inputs, const Result<Batch>& batch) {
    if (!batch) return inputs.check_items(0) ? raise_time_error(batch.error()) : inputs_error();
    return build_list(inputs.size(), [&](Py_ssize_t i) -> PyObject* {
        std::string_view text;
        if (!inputs.read(i, text)) return inputs_error();
        const auto instant = batch->read(text);
        if (!instant && !inputs.check_items(i + 1)) return inputs_error();
        return to_python(instant);
    });
}

}  // namespace

PyObject* parse_batch(const TextItems& inputs, std::optional<std::string_view> timezone) {
    return read_texts(inputs, ParseBatch::start(timezone));
}

PyObject* parse_format_batch(const TextItems& inputs, std::string_view pattern,
                             std::optional<std::string_view> timezone) {
    return read_texts(inputs, ParseFormatBatch::start(pattern, timezone));
}

PyObject* format_batch(std::span<const int64_t> unix_millis, std::string_view pattern,
                       std::optional<std::string_view> timezone, std::optional<std::string_view> locale) {
    const auto batch = FormatBatch::start(pattern, timezone, locale);
    if (!batch) return raise_time_error(batch.error());
    std::string text;  // one buffer, reused for every element
    return build_list(static_cast<Py_ssize_t>(unix_millis.size()), [&](Py_ssize_t i) -> PyObject* {
        const auto written = batch->write(unix_millis[static_cast<size_t>(i)], text);
        if (!written) return raise_time_error(written.error());
        return to_python(text);
    });
}

}  // namespace qt::py
