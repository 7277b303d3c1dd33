// The messages of the core's errors, each composed here from the kind and
// what the error names, and the ValueError that carries it.
#include "module/error_messages.h"

#include <array>
#include <string>
#include <string_view>

#include "calendar/fields.h"
#include "calendar/units.h"
#include "module/fixed_string.h"
#include "parse/constructors.h"
#include "time/digits.h"
#include "time/iso_text.h"
#include "time/local_reading.h"

namespace qt::py {
namespace {

// The parts one after another, in a string sized once.
template <class... Parts>
std::string joined(const Parts&... parts) {
    std::string out;
    out.reserve((std::string_view(parts).size() + ...));
    (out.append(parts), ...);
    return out;
}

// ". Use one of: " and the names of a list of spellings, as the unit and
// field messages end, joined at compile time.
constexpr std::string_view kUseOneOf = ". Use one of: ";

template <const auto& Spellings>
constexpr auto spelling_names() {
    std::array<std::string_view, Spellings.size()> names{};
    for (size_t i = 0; i < Spellings.size(); ++i) names[i] = Spellings[i].name;
    return names;
}

template <const auto& Spellings>
constexpr size_t kNamesLength = comma_list_length(spelling_names<Spellings>());

template <const auto& Spellings>
constexpr auto kOffer = join_text<kUseOneOf.size() + kNamesLength<Spellings>>(
    kUseOneOf, comma_list<kNamesLength<Spellings>>(spelling_names<Spellings>()).view());

// "YYYY-MM-DD HH:MM:SS" of a local reading, with ".mmm" when it has milliseconds.
std::string local_reading_text(int64_t local_ms) {
    const LocalDateTime local = split_local_ms(local_ms);
    std::string out;
    append_date_time(out, local, ' ');
    if (local.millisecond() != 0) {
        out += '.';
        append_padded(out, local.millisecond(), 3);
    }
    return out;
}

std::string error_message(const TimeError& error) {
    const std::string_view text = error.text();
    switch (error.kind()) {
    case ErrorKind::InvalidTimezone: return joined("Invalid timezone: ", text);
    case ErrorKind::InvalidLocale: return joined("Invalid locale: ", text);
    case ErrorKind::InvalidDateInput:
        if (const auto pattern = error.pattern()) return joined("Invalid date input: ", text, " (format: ", *pattern, ")");
        return joined("Invalid date input: ", text);
    case ErrorKind::InvalidTimestamp: return joined("Invalid timestamp (ms): ", std::to_string(error.number()));
    case ErrorKind::InvalidUnit: return joined("Invalid unit: ", text, kOffer<kUnitSpellings>.view());
    case ErrorKind::InvalidField: return joined("Invalid field: ", text, kOffer<kFieldSpellings>.view());
    case ErrorKind::InvalidInclusivity: return joined("Invalid inclusivity: ", text, ". Use one of: (), (], [), []");
    case ErrorKind::InvalidComponents:
        return joined("Invalid components: expected 1..=", std::to_string(Components::kMaxItems), " items, got ",
                      std::to_string(error.number()), ". Use [year, month0, date, hour, minute, second, millisecond]");
    case ErrorKind::ArithmeticOverflow: return "Date arithmetic overflow";
    case ErrorKind::NonexistentLocalTime:
        return joined("Local time ", local_reading_text(error.number()), " does not exist in timezone ", text);
    case ErrorKind::InvalidFormatPattern: return joined("Invalid format pattern: ", text);
    }
    return "";
}

}  // namespace

PyObject* raise_time_error(const TimeError& error) {
    const std::string message = error_message(error);
    Ref text(PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size())));
    if (text) PyErr_SetObject(PyExc_ValueError, text.get());
    return nullptr;
}

}  // namespace qt::py
