/* Stand-in for the pyconfig.h of a 64-bit Windows CPython, for compile-only
 * checks of the module's sources from Linux, where only a Linux CPython's
 * headers are at hand. It sets what the limited API's declarations depend on,
 * with the values of CPython's own PC/pyconfig.h for x64: the Windows macros,
 * the sizes of the C types (a 32-bit long, a 16-bit wchar_t) and functions
 * imported from the Python DLL. The platform headers that the Linux file
 * announces (sys/select.h, unistd.h ...) are left out, as on Windows. */
#ifndef QT_CROSS_WINDOWS_PYCONFIG_H
#define QT_CROSS_WINDOWS_PYCONFIG_H

#define MS_WIN32
#define MS_WIN64
#define MS_WINDOWS
#define NT_THREADS
#define WITH_THREAD

#define Py_ENABLE_SHARED 1
#define HAVE_DECLSPEC_DLL

#define SIZEOF_SHORT 2
#define SIZEOF_INT 4
#define SIZEOF_LONG 4
#define SIZEOF_LONG_LONG 8
#define SIZEOF_DOUBLE 8
#define SIZEOF_FLOAT 4
#define SIZEOF_VOID_P 8
#define SIZEOF_SIZE_T 8
#define SIZEOF_TIME_T 8
#define SIZEOF_OFF_T 4
#define SIZEOF_FPOS_T 8
#define SIZEOF_WCHAR_T 2
#define SIZEOF__BOOL 1
#define ALIGNOF_SIZE_T 8
#define ALIGNOF_LONG 4
#define SIZEOF_PID_T SIZEOF_INT

#define HAVE_WCHAR_H 1
#define HAVE_STDARG_PROTOTYPES
#define DOUBLE_IS_LITTLE_ENDIAN_IEEE754 1
#define PY_SUPPORT_TIER 1

#endif
