// ISO 8601 text of a value and the pieces it is made of, which the formatters
// and the error messages write too: the year, date and time of a local
// reading, and UTC offsets.
//
//   to_iso:  "2024-03-05T07:08:09.123+01:00", or "2024-03-05T06:08:09.123Z" in UTC,
//            "1883-11-18T12:03:57.000-04:56:02" for an offset with seconds
#pragma once

#include <cstdint>
#include <string>

#include "time/local_reading.h"
#include "time/text_util.h"
#include "time/time_error.h"
#include "time/time_value.h"

namespace qt {

// ISO 8601 text of the value's local time with its offset: at most
// "-262144-12-31T23:59:59.999+23:59:59", 36 bytes.
using IsoText = ShortText<40>;
Result<IsoText> to_iso(const TimeValue& value);

// Appends "YYYY-MM-DD" + separator + "HH:MM:SS" of a local reading.
void append_date_time(std::string& out, const LocalDateTime& local, char separator);

// The last field an offset's text shows, and what becomes of the seconds
// below it (old local mean time offsets carry seconds).
enum class OffsetField : uint8_t { Hours, Minutes, Seconds };
enum class OffsetRounding : uint8_t { Nearest, TowardZero };  // Nearest: halves away from zero

// Appends an offset as a sign, two-digit hours and, down to `last`, two-digit
// minutes and seconds, with ":" between the fields when `colon`. The sign is
// the offset's own even when the fields round to zero ("-00:00").
void append_utc_offset(std::string& out, int32_t offset_seconds, OffsetField last, bool colon,
                       OffsetRounding rounding);

}  // namespace qt
