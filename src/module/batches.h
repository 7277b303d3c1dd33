// The three batch calls of QuendrelTime as the binder runs them: each
// element is read from the caller's sequence (a long list through a copy of
// its item pointers, which signal handlers cannot change) and its result
// written straight into the new list.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "module/convert.h"

namespace qt::py {

PyObject* parse_batch(const TextItems& inputs, std::optional<std::string_view> timezone);
PyObject* parse_format_batch(const TextItems& inputs, std::string_view pattern,
                             std::optional<std::string_view> timezone);
PyObject* format_batch(std::span<const int64_t> unix_millis, std::string_view pattern,
                       std::optional<std::string_view> timezone, std::optional<std::string_view> locale);

}  // namespace qt::py
