// Overflow-checked addition, subtraction and multiplication of signed
// integers. Each returns true when the exact result does not fit T, and
// otherwise stores it in `out`. GCC and Clang compute them with one
// instruction and a flag test through their overflow builtins; other
// compilers (MSVC) get the portable comparisons in `portable`, which give the
// same answers and are checked against the builtins by tools/cross.
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace qt {

// The second operand may be of any integer type whose every value T holds
// (a literal, an unsigned digit), so that it converts without loss.
template <typename U, typename T>
concept LosslessTo = std::integral<U> && std::signed_integral<T> &&
                     std::cmp_greater_equal(std::numeric_limits<U>::min(), std::numeric_limits<T>::min()) &&
                     std::cmp_less_equal(std::numeric_limits<U>::max(), std::numeric_limits<T>::max());

namespace portable {

template <std::signed_integral T>
constexpr bool add_overflows(T a, T b, T& out) {
    constexpr T lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    if (b > 0 ? a > hi - b : a < lo - b) return true;
    out = static_cast<T>(a + b);
    return false;
}

template <std::signed_integral T>
constexpr bool sub_overflows(T a, T b, T& out) {
    constexpr T lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    if (b < 0 ? a > hi + b : a < lo + b) return true;
    out = static_cast<T>(a - b);
    return false;
}

// Each sign case compares against the bound divided by one operand, so that
// no intermediate product is formed before it is known to fit.
template <std::signed_integral T>
constexpr bool mul_overflows(T a, T b, T& out) {
    constexpr T lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    const bool overflows = a > 0   ? (b > 0 ? a > hi / b : b < lo / a)
                           : b > 0 ? a < lo / b
                                   : (a != 0 && b < hi / a);
    if (overflows) return true;
    out = static_cast<T>(a * b);
    return false;
}

}  // namespace portable

#if defined(__has_builtin)
#if __has_builtin(__builtin_add_overflow) && __has_builtin(__builtin_sub_overflow) && \
    __has_builtin(__builtin_mul_overflow)
#define QT_HAVE_OVERFLOW_BUILTINS 1
#endif
#endif

// QT_PORTABLE_CHECKED_MATH forces the portable path, so that it can be tested
// with a compiler that has the builtins.
#if defined(QT_HAVE_OVERFLOW_BUILTINS) && !defined(QT_PORTABLE_CHECKED_MATH)

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool add_overflows(T a, U b, T& out) {
    return __builtin_add_overflow(a, static_cast<T>(b), &out);
}

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool sub_overflows(T a, U b, T& out) {
    return __builtin_sub_overflow(a, static_cast<T>(b), &out);
}

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool mul_overflows(T a, U b, T& out) {
    return __builtin_mul_overflow(a, static_cast<T>(b), &out);
}

#else

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool add_overflows(T a, U b, T& out) {
    return portable::add_overflows(a, static_cast<T>(b), out);
}

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool sub_overflows(T a, U b, T& out) {
    return portable::sub_overflows(a, static_cast<T>(b), out);
}

template <std::signed_integral T, LosslessTo<T> U>
constexpr bool mul_overflows(T a, U b, T& out) {
    return portable::mul_overflows(a, static_cast<T>(b), out);
}

#endif

}  // namespace qt
