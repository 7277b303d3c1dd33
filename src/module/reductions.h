// Teaches pickle and copy to rebuild both types through their public constructors.
#pragma once

#include "module/py.h"

namespace qt::py {

// Registers a reduction for each type with copyreg, so the types themselves
// gain no method or slot. Needs the types created first.
bool register_reductions(PyObject* module);

}  // namespace qt::py
