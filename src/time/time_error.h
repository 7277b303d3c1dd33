// The module's error kinds. Core operations return Result<T>; only the
// Python boundary turns a TimeError into an exception (always ValueError).
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <type_traits>

namespace qt {

enum class ErrorKind : uint8_t {
    InvalidTimezone,
    InvalidLocale,
    InvalidDateInput,
    InvalidTimestamp,
    InvalidUnit,
    InvalidField,
    InvalidInclusivity,
    InvalidComponents,
    ArithmeticOverflow,
    NonexistentLocalTime,
    InvalidFormatPattern,  // a caller-written "%" conversion that does not exist
};

class TimeError {
public:
    static TimeError invalid_timezone(std::string_view text) { return {ErrorKind::InvalidTimezone, text}; }
    static TimeError invalid_locale(std::string_view text) { return {ErrorKind::InvalidLocale, text}; }
    static TimeError invalid_date_input(std::string_view text) { return {ErrorKind::InvalidDateInput, text}; }
    static TimeError invalid_timestamp(int64_t ms) { return {ErrorKind::InvalidTimestamp, {}, ms}; }
    static TimeError invalid_unit(std::string_view text) { return {ErrorKind::InvalidUnit, text}; }
    static TimeError invalid_field(std::string_view text) { return {ErrorKind::InvalidField, text}; }
    static TimeError invalid_inclusivity(std::string_view text) { return {ErrorKind::InvalidInclusivity, text}; }
    static TimeError invalid_components(std::string_view text) { return {ErrorKind::InvalidComponents, text}; }
    static TimeError invalid_format_pattern(std::string_view pattern) {
        return {ErrorKind::InvalidFormatPattern, pattern};
    }
    static TimeError overflow() { return {ErrorKind::ArithmeticOverflow, {}}; }
    static TimeError nonexistent_local_time(std::string_view local_text, std::string_view zone_name) {
        TimeError e{ErrorKind::NonexistentLocalTime, local_text};
        e.zone_ = zone_name;
        return e;
    }

    ErrorKind kind() const { return kind_; }
    // The exact text the caller sees.
    std::string message() const;

private:
    TimeError(ErrorKind kind, std::string_view text, int64_t number = 0)
        : kind_(kind), text_(text), number_(number) {}

    ErrorKind kind_;
    std::string text_;
    int64_t number_;
    std::string_view zone_;  // zone names are static table text
};

template <class T>
using Result = std::expected<T, TimeError>;

inline std::unexpected<TimeError> fail(TimeError e) { return std::unexpected(std::move(e)); }
inline std::unexpected<TimeError> overflow() { return std::unexpected(TimeError::overflow()); }

// Applies f to a success and passes an error through (std::expected's
// transform, which this standard library does not have yet).
template <class T, class F>
auto map(const Result<T>& result, F&& f) -> Result<std::invoke_result_t<F, const T&>> {
    if (!result) return fail(result.error());
    return f(*result);
}

}  // namespace qt
