// The module a free-threaded CPython gets in place of quendreltime. The
// module is built for the limited API, which a free-threaded interpreter does
// not offer, so a source build there makes only this initialiser, and
// importing it fails with a message that says why and what to use instead.
#include "module/py.h"

PyMODINIT_FUNC PyInit_quendreltime(void) {
    PyErr_SetString(PyExc_ImportError,
                    "quendreltime needs CPython's stable ABI (abi3), which a free-threaded interpreter "
                    "does not provide; install it on a CPython built with the GIL");
    return nullptr;
}
