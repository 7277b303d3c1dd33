// The core's errors as the caller sees them: every TimeError message is
// written here, and raised as ValueError.
#pragma once

#include "module/py.h"
#include "time/time_error.h"

namespace qt::py {

// Raises the error as ValueError, its message the only argument, and
// returns null for the caller to pass on. The error's texts are read first,
// before anything can run that might release the arguments they view.
PyObject* raise_time_error(const TimeError& error);

}  // namespace qt::py
