// The module's error kinds and the Result every core operation returns.
// Only the Python boundary turns a TimeError into an exception (always
// ValueError), and only it writes the message (src/module/error_messages.cpp).
//
// An error holds its kind and what its message names, never the message:
//
//   kind                  text                          number              pattern
//   InvalidTimezone       the caller's zone text
//   InvalidLocale         the caller's locale text
//   InvalidDateInput      the caller's input text                           the caller's pattern, when
//                                                                           the input was read against one
//   InvalidTimestamp                                    milliseconds
//   InvalidUnit           the caller's unit text
//   InvalidField          the caller's field text
//   InvalidInclusivity    the caller's inclusivity text
//   InvalidComponents                                   the caller's item count
//   ArithmeticOverflow
//   NonexistentLocalTime  the zone's name               local milliseconds
//   InvalidFormatPattern  the caller's pattern
//
// Texts are views: of the caller's arguments, which outlive the call and so
// are still there when the binder raises, or of static text (zone names).
// The error is thus trivially copyable and 32 bytes, and returning a Result
// is a few stores with nothing to destroy.
#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

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
    static TimeError invalid_date_input(std::string_view text) {
        TimeError e{ErrorKind::InvalidDateInput, text};
        e.pattern_data_ = nullptr;
        return e;
    }
    // Input that does not match the caller's pattern: the message names both.
    static TimeError invalid_date_input(std::string_view text, std::string_view pattern) {
        TimeError e{ErrorKind::InvalidDateInput, text};
        // A present pattern has a non-null pointer, even when it is empty.
        e.pattern_data_ = pattern.data() ? pattern.data() : "";
        e.kind_and_pattern_size_ |= pattern.size();
        return e;
    }
    static TimeError invalid_timestamp(int64_t ms) { return {ErrorKind::InvalidTimestamp, {}, ms}; }
    static TimeError invalid_unit(std::string_view text) { return {ErrorKind::InvalidUnit, text}; }
    static TimeError invalid_field(std::string_view text) { return {ErrorKind::InvalidField, text}; }
    static TimeError invalid_inclusivity(std::string_view text) { return {ErrorKind::InvalidInclusivity, text}; }
    static TimeError invalid_component_count(size_t count) {
        return {ErrorKind::InvalidComponents, {}, static_cast<int64_t>(count)};
    }
    static TimeError invalid_format_pattern(std::string_view pattern) {
        return {ErrorKind::InvalidFormatPattern, pattern};
    }
    static TimeError overflow() { return {ErrorKind::ArithmeticOverflow, {}}; }
    // A local reading, in milliseconds, that the zone's clocks never show.
    static TimeError nonexistent_local_time(int64_t local_ms, std::string_view zone_name) {
        return {ErrorKind::NonexistentLocalTime, zone_name, local_ms};
    }

    ErrorKind kind() const { return static_cast<ErrorKind>(kind_and_pattern_size_ >> kKindShift); }
    std::string_view text() const { return text_; }
    int64_t number() const { return number_; }
    std::optional<std::string_view> pattern() const {
        if (kind() != ErrorKind::InvalidDateInput || !pattern_data_) return std::nullopt;
        return std::string_view(pattern_data_, kind_and_pattern_size_ & ((uint64_t{1} << kKindShift) - 1));
    }

private:
    // The kind sits in the top byte of the word that holds the pattern's
    // length: no text in memory comes near 2^56 bytes. One plain word, not
    // bit-fields, so that copying an error is four whole-word moves.
    static constexpr int kKindShift = 56;

    TimeError(ErrorKind kind, std::string_view text, int64_t number = 0)
        : text_(text), number_(number), kind_and_pattern_size_(uint64_t{static_cast<uint8_t>(kind)} << kKindShift) {}

    std::string_view text_;
    union {
        int64_t number_;
        const char* pattern_data_;  // InvalidDateInput only; null without a pattern
    };
    uint64_t kind_and_pattern_size_;
};
static_assert(std::is_trivially_copyable_v<TimeError> && sizeof(TimeError) <= 32);

template <class T>
using Result = std::expected<T, TimeError>;

inline std::unexpected<TimeError> fail(TimeError e) { return std::unexpected(e); }
inline std::unexpected<TimeError> overflow() { return std::unexpected(TimeError::overflow()); }

// Takes the value of a Result into `declaration`, or returns its error from
// the enclosing function:
//
//   QT_TRY(const auto local, wall_clock(value));
//   return local.day;
//
// A macro because only a macro can return from the function that uses it:
// C++ has no "?" operator, GNU statement expressions are not standard C++,
// and std::expected's and_then (missing from this standard library) would
// nest one lambda deeper at every step.
#define QT_TRY(declaration, ...) QT_TRY_AS(QT_TRY_JOIN(qt_try_result_, __LINE__), declaration, __VA_ARGS__)
#define QT_TRY_AS(result, declaration, ...)         \
    auto result = (__VA_ARGS__);                    \
    if (!result) return ::qt::fail(result.error()); \
    declaration = *std::move(result)
#define QT_TRY_JOIN(a, b) QT_TRY_JOIN_TOKENS(a, b)
#define QT_TRY_JOIN_TOKENS(a, b) a##b

// Applies f to a success and passes an error through (std::expected's
// transform, which this standard library does not have yet).
template <class T, class F>
auto map(const Result<T>& result, F&& f) -> Result<std::invoke_result_t<F, const T&>> {
    if (!result) return fail(result.error());
    return f(*result);
}

}  // namespace qt
