// The real-time clock, read through clock_gettime.
#include "time/clock.h"

#include <ctime>

#include "time/civil.h"

namespace qt {

int64_t current_utc_ms() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<int64_t>(ts.tv_sec) * kMsPerSecond + ts.tv_nsec / 1'000'000;
}

}  // namespace qt
