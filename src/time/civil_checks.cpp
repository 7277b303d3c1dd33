// Compile-time checks of the calendar arithmetic: the fast forms against the
// general ones at days spread over the whole supported range, around
// 1 March of each sampled year and at the ends.
#include "time/civil.h"

namespace qt {
namespace {

constexpr bool forms_agree(int64_t day) {
    const CivilDate fast = civil_from_days(day);
    return fast == civil_from_days_any(day) && days_from_civil(fast.year, fast.month, fast.day) == day &&
           days_from_civil_any(fast.year, fast.month, fast.day) == day;
}

// Each step lands on a different day of the 400-year cycle, and the days
// around 1 March (where the fast form switches between its month tables)
// are checked in every sampled year.
constexpr bool range_agrees() {
    for (int64_t day = kMinDay; day <= kMaxDay; day += 146'087) {
        const int64_t march = days_from_civil(civil_from_days_any(day).year, 3, 1);
        for (int64_t d = -2; d <= 2; ++d)
            if (!forms_agree(day + d) || !forms_agree(march + d)) return false;
    }
    return forms_agree(kMinDay) && forms_agree(kMaxDay) && forms_agree(0) && forms_agree(-1);
}

static_assert(range_agrees());

}  // namespace
}  // namespace qt
