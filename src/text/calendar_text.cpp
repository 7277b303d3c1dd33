// calendar(): how many local days a value lies from the reference day, and
// the locale's words for that.
#include "text/calendar_text.h"

#include "format/locale.h"
#include "time/clock.h"
#include "time/local_reading.h"

namespace qt {
namespace {

// "<day word> <at> <time>", the shape shared by every near bucket.
std::string day_and_time(std::string_view day_word, const LocalePack& pack, std::string_view time) {
    std::string out;
    out.reserve(day_word.size() + pack.at.size() + time.size() + 2);
    out += day_word;
    out += ' ';
    out += pack.at;
    out += ' ';
    out += time;
    return out;
}

}  // namespace

Result<std::string> time_ops::calendar(const TimeValue& value, std::optional<TimeValue> reference,
                             std::optional<std::string_view> locale) {
    // A bad locale is reported even when the result would need no word.
    QT_TRY(const LocalePack* pack, resolve_locale(locale));
    QT_TRY(const auto local, wall_clock(value));
    const int64_t reference_ms = reference ? reference->utc_ms : current_utc_ms();
    QT_TRY(const auto reference_local, wall_clock(reference_ms, value.zone));

    // Both days lie within the calendar range, so the difference cannot overflow.
    const int64_t days = local.day - reference_local.day;
    if (days >= 7 || days <= -7) {
        std::string out;
        format_with_locale(local, "YYYY-MM-DD HH:mm", *pack, out);
        return out;
    }
    std::string time;
    format_with_locale(local, "HH:mm", *pack, time);
    if (days == 0) return day_and_time(pack->today, *pack, time);
    if (days == 1) return day_and_time(pack->tomorrow, *pack, time);
    if (days == -1) return day_and_time(pack->yesterday, *pack, time);
    std::string weekday;
    format_with_locale(local, "dddd", *pack, weekday);
    return day_and_time(weekday, *pack, time);
}

}  // namespace qt
