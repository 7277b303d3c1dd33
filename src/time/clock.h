// The system clock, the one source of "now" (the constructor for None,
// is_today, from_now and calendar without a reference).
#pragma once

#include <cstdint>

namespace qt {

// The system's real-time clock in whole milliseconds since the epoch
// (sub-millisecond parts dropped).
int64_t current_utc_ms();

}  // namespace qt
