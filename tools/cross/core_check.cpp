// A check program for the C++ core on other targets: civil dates, zone
// offsets, ISO and token text of instants, and local readings resolved to
// instants, each compared with the values the test suite's oracle gives
// (written into cross_expected.h by expected_values.py), and the portable
// checked arithmetic compared with the compiler's overflow builtins.
// Prints every mismatch and exits with 1 if there was one.
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "cross_expected.h"
#include "format/pattern.h"
#include "parse/parse_instant.h"
#include "time/checked_math.h"
#include "time/civil.h"
#include "time/iso_text.h"
#include "time/zone.h"

namespace {

int failures = 0;

void fail(const std::string& what) {
    if (++failures <= 20) std::printf("MISMATCH %s\n", what.c_str());
}

std::string str(int64_t v) { return std::to_string(v); }

void check_civil() {
    for (const auto& c : kCivilCases) {
        const qt::CivilDate date = qt::civil_from_days(c.day);
        if (date != qt::CivilDate{c.year, c.month, c.mday} || qt::days_from_civil(c.year, c.month, c.mday) != c.day)
            fail("civil day " + str(c.day) + ": got " + str(date.year) + "-" + str(date.month) + "-" + str(date.day));
    }
}

void check_instants() {
    for (const auto& c : kInstantCases) {
        const auto zone = qt::lookup_zone(std::string_view(c.zone));
        if (!zone) {
            fail(std::string("no zone ") + c.zone);
            continue;
        }
        const std::string at = std::string(c.zone) + " " + str(c.ms);
        const qt::ZoneOffset offset = qt::offset_at(*zone, qt::floor_div(c.ms, qt::kMsPerSecond));
        if (offset.seconds != c.offset || offset.dst != c.dst)
            fail(at + ": offset " + str(offset.seconds) + (offset.dst ? " dst" : ""));
        const qt::TimeValue value(c.ms, *zone);
        const auto iso = qt::to_iso(value);
        if (!iso || iso->view() != c.iso) fail(at + ": to_iso " + (iso ? std::string(iso->view()) : "error"));
        const auto tokens = qt::time_ops::format(value, kTokens);
        if (!tokens || *tokens != c.tokens) fail(at + ": format " + (tokens ? *tokens : "error"));
    }
}

void check_local_readings() {
    for (const auto& c : kLocalCases) {
        const auto zone = qt::lookup_zone(std::string_view(c.zone));
        const auto ms = zone ? qt::parse_instant(c.text, *zone) : qt::Result<int64_t>(0);
        if (!ms || *ms != c.ms)
            fail(std::string(c.zone) + " \"" + c.text + "\": " + (ms ? str(*ms) : "error") + ", not " + str(c.ms));
    }
}

// Overflow reported differently, or a different result where none overflowed.
template <typename T>
bool mismatch(bool overflowed, bool builtin_overflowed, const T& got, const T& want) {
    return overflowed != builtin_overflowed || (!overflowed && got != want);
}

// The three operations on every pair of edge values, where the builtins exist to
// compare with (everywhere but MSVC, whose build is the portable one).
template <typename T>
void check_checked_math() {
#if defined(__has_builtin)
#if __has_builtin(__builtin_add_overflow)
    constexpr T lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    const T edges[] = {lo, static_cast<T>(lo + 1), static_cast<T>(lo / 2), static_cast<T>(lo / 3), -3, -2, -1, 0, 1,
                       2, 3, static_cast<T>(hi / 3), static_cast<T>(hi / 2), static_cast<T>(hi - 1), hi};
    for (const T a : edges) {
        for (const T b : edges) {
            T got = 0, want = 0;
            if (mismatch(qt::portable::add_overflows(a, b, got), __builtin_add_overflow(a, b, &want), got, want))
                fail("add " + str(a) + " " + str(b));
            if (mismatch(qt::portable::sub_overflows(a, b, got), __builtin_sub_overflow(a, b, &want), got, want))
                fail("sub " + str(a) + " " + str(b));
            if (mismatch(qt::portable::mul_overflows(a, b, got), __builtin_mul_overflow(a, b, &want), got, want))
                fail("mul " + str(a) + " " + str(b));
        }
    }
#endif
#endif
}

}  // namespace

int main() {
    check_civil();
    check_instants();
    check_local_readings();
    check_checked_math<int64_t>();
    check_checked_math<int32_t>();
    const size_t cases = std::size(kCivilCases) + std::size(kInstantCases) + std::size(kLocalCases);
    std::printf("%s oracle cases, %d mismatches\n", std::to_string(cases).c_str(), failures);
    return failures == 0 ? 0 : 1;
}
