// The real-time clock, read through std::chrono::system_clock, whose epoch
// is the Unix epoch on every platform.
#include "time/clock.h"

#include <chrono>

namespace qt {

int64_t current_utc_ms() {
    using std::chrono::milliseconds;
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<int64_t>(std::chrono::floor<milliseconds>(since_epoch).count());
}

}  // namespace qt
