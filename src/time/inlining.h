// Inlining hints, spelled for each compiler: GCC and Clang take the gnu::
// attributes, MSVC its own keywords (it warns about attributes it does not know).
#pragma once

#if defined(_MSC_VER) && !defined(__clang__)
#define QT_NOINLINE __declspec(noinline)
#define QT_ALWAYS_INLINE __forceinline
#else
#define QT_NOINLINE [[gnu::noinline]]
#define QT_ALWAYS_INLINE [[gnu::always_inline]] inline
#endif
