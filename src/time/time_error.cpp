#include "time/time_error.h"

namespace qt {

std::string TimeError::message() const {
    std::string out;
    switch (kind_) {
    case ErrorKind::InvalidTimezone:
        return "Invalid timezone: " + text_;
    case ErrorKind::InvalidLocale:
        return "Invalid locale: " + text_;
    case ErrorKind::InvalidDateInput:
        return "Invalid date input: " + text_;
    case ErrorKind::InvalidTimestamp:
        return "Invalid timestamp (ms): " + std::to_string(number_);
    case ErrorKind::InvalidUnit:
        return "Invalid unit: " + text_ +
               ". Use one of: millisecond, second, minute, hour, day, week, month, quarter, year";
    case ErrorKind::InvalidField:
        return "Invalid field: " + text_ +
               ". Use one of: millisecond, second, minute, hour, day, date, month, quarter, year";
    case ErrorKind::InvalidInclusivity:
        return "Invalid inclusivity: " + text_ + ". Use one of: (), (], [), []";
    case ErrorKind::InvalidComponents:
        return "Invalid components: " + text_ +
               ". Use [year, month0, date, hour, minute, second, millisecond]";
    case ErrorKind::InvalidFormatPattern:
        return "Invalid format pattern: " + text_;
    case ErrorKind::ArithmeticOverflow:
        return "Date arithmetic overflow";
    case ErrorKind::NonexistentLocalTime:
        out = "Local time " + text_ + " does not exist in timezone ";
        out.append(zone_);
        return out;
    }
    return out;
}

}  // namespace qt
