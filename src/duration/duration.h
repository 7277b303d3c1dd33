// QuendrelDuration: a signed length of time in whole milliseconds.
#pragma once

#include <cstdint>

namespace qt {

struct DurationValue {
    int64_t ms;
};

}  // namespace qt
