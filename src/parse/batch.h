// Whole lists parsed or formatted in one call, with no value object made
// per element. Each batch resolves its zone (and locale) once, even for an
// empty list, then runs the single-value core on every element in order;
// the first element that fails ends the call with its error.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "time/time_error.h"

namespace qt {

// Long batches ask this, every few thousand elements, whether to stop (a
// signal is pending and its handler raised); a stopped batch fails with
// TimeError::interrupted(). The Python module installs it once; without it a
// batch always runs to the end.
void set_batch_interrupt_check(bool (*should_stop)());

// QuendrelTime.parse_batch: ISO and naive text to epoch milliseconds.
Result<std::vector<int64_t>> parse_batch(std::span<const std::string_view> inputs,
                                         std::optional<std::string_view> timezone);

// QuendrelTime.parse_format_batch: text laid out by a token pattern.
Result<std::vector<int64_t>> parse_format_batch(std::span<const std::string_view> inputs,
                                                std::string_view pattern,
                                                std::optional<std::string_view> timezone);

// QuendrelTime.format_batch: epoch milliseconds to locale-aware text.
// A count outside the calendar, or whose local reading in the zone falls
// outside it, is InvalidTimestamp carrying that count.
Result<std::vector<std::string>> format_batch(std::span<const int64_t> unix_millis, std::string_view pattern,
                                              std::optional<std::string_view> timezone,
                                              std::optional<std::string_view> locale);

}  // namespace qt
