// The real-time clock: std::timespec_get with TIME_UTC, seconds and
// nanoseconds since the Unix epoch on every platform we build for, floored
// to whole milliseconds.
#include "time/clock.h"

#include <ctime>

namespace qt {

int64_t current_utc_ms() {
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    // tv_nsec lies in [0, 1e9), so the division floors for instants before 1970 too.
    return static_cast<int64_t>(now.tv_sec) * 1000 + static_cast<int64_t>(now.tv_nsec) / 1'000'000;
}

}  // namespace qt
