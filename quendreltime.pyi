"""Time-zone-aware date-times and durations for Python, with a C++ core.

`quendrel_time` is a date-time: an instant in whole milliseconds since the Unix epoch, viewed in
a named IANA zone compiled into the module (nothing is read from the file system at run time).
`quendrel_duration` is a signed length of time in whole milliseconds. `supported_units()` and
`supported_locales()` list the unit names and the locale codes that methods accept.

Every parameter is required: pass None for the default (zone "UTC", locale "en", the current
instant, milliseconds, "()" or false). Values are immutable and every operation returns a new
one; `==` and `hash` are identity, so compare instants with `is_same` or `unix_ms()`. A failed
operation raises ValueError with a fixed message; an argument of the wrong kind raises
TypeError (OverflowError for integers beyond 64 bits).

The examples in this module's docstrings use two short names:

>>> import quendreltime
>>> T = quendreltime.quendrel_time
>>> D = quendreltime.quendrel_duration
>>> T.parse("2024-01-15 10:30", "Europe/Paris").add(1, "month").to_iso()
'2024-02-15T10:30:00.000+01:00'
"""

from typing import Literal, Protocol, SupportsIndex, TypeAlias, final

__all__ = [
    "QuendrelDuration",
    "QuendrelTime",
    "quendrel_duration",
    "quendrel_time",
    "supported_units",
    "supported_locales",
]

# Unit, field and locale texts are trimmed and lower-cased by the module, and units and
# fields have aliases ("ms", "d", "mo", "weekday", ...), so they stay plain `str`.
# Inclusivity is read character by character with no normalising: exactly four texts.
_Inclusivity: TypeAlias = Literal["()", "(]", "[)", "[]"]

# List arguments take any object that Python's sequence protocol accepts, NumPy arrays
# included, so they are described by that protocol rather than by `Sequence`. A single
# `str` is refused at run time although it satisfies `_TextSequence`.
class _IntSequence(Protocol):
    def __len__(self) -> int: ...
    def __getitem__(self, index: int, /) -> SupportsIndex: ...

class _TextSequence(Protocol):
    def __len__(self) -> int: ...
    def __getitem__(self, index: int, /) -> str: ...

@final
class QuendrelTime:
    """A date-time is an instant in whole milliseconds since the Unix epoch together with the name of
    the zone it is viewed in. Calendar questions (fields, start of a day, month arithmetic, text)
    are answered in that zone's local time; plain comparisons and differences read the instant
    alone. In the examples, `T` is `quendreltime.quendrel_time` and `D` is
    `quendreltime.quendrel_duration`.
    """

    def __new__(cls, input: str | None, timezone: str | None) -> QuendrelTime:
        """A date-time: `input` parsed as `parse` reads it, or the current instant when `input` is None.

        `timezone` is a zone name of the IANA database, matched exactly after trimming ("Europe/Paris",
        "US/Eastern", "Etc/GMT+5"); None, the empty text, "Z", "z" and "utc" in any letter case mean
        "UTC". The value keeps the zone's own name and shows its instant in that zone. Values are
        immutable; `==` and `hash` are identity (compare with `is_same` or `unix_ms()`); they pickle
        and copy as their milliseconds and zone name.

        - An unknown zone raises ValueError "Invalid timezone: " followed by the text as passed.
        - Text that does not parse raises ValueError "Invalid date input: " followed by the text.

        >>> T("2024-01-15 10:30", "Europe/Paris")
        QuendrelTime(iso='2024-01-15T10:30:00.000+01:00', timezone='Europe/Paris')
        >>> T(None, " z ").timezone()
        'UTC'
        """
    # Constructors and batches
    @staticmethod
    def now(timezone: str | None) -> QuendrelTime:
        """The current instant, in whole milliseconds, viewed in `timezone` (None: "UTC").

        Reads the system's real-time clock; sub-millisecond parts are dropped.

        >>> T.now("Asia/Tokyo").timezone(), T.now(None).is_utc()
        ('Asia/Tokyo', True)
        """
    @staticmethod
    def parse(input: str, timezone: str | None) -> QuendrelTime:
        """Read ISO 8601 text: RFC 3339 text with an offset, or naive text read as local time in
        `timezone` (None: "UTC").

        Accepted forms, tried in this order; the whole text must be used:

        - RFC 3339 with an offset: "2024-01-15T10:30:00Z", "2024-01-15 10:30:00.5+05:30". The
          separator is "T", "t" or a space; the offset is "Z", "z" or a sign with hours, a colon and
          minutes (+0530 is refused), at most 23:59. The text's offset fixes the instant and the zone
          only shows it.
        - Naive date and time: "2024-01-15T10:30:00.250", "2024-01-15 10:30:00", "2024-01-15 10:30",
          with "T" or spaces; one-digit fields ("2024-1-5 9:30") are accepted.
        - A date alone, "2024-01-15", is local midnight.

        Up to nine fraction digits are read and cut to whole milliseconds. Second 60 is read as the
        first second of the next minute. A naive local time skipped by a daylight-saving change moves
        forward to the first minute that exists (02:30 on a spring-forward night becomes 03:00); a
        repeated one takes the earlier instant.

        - Anything else raises ValueError "Invalid date input: " followed by the text.
        - A local time with no existing minute within three hours after it raises ValueError "Local
          time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia".

        >>> T.parse("2024-01-15T10:30:00+05:30", "America/New_York").to_iso()
        '2024-01-15T00:00:00.000-05:00'
        >>> T.parse("2024-03-10 02:30", "America/New_York").to_iso()
        '2024-03-10T03:00:00.000-04:00'
        >>> T.parse("2024-01-15T10:30:00+0530", None)
        Traceback (most recent call last):
        ValueError: Invalid date input: 2024-01-15T10:30:00+0530
        """
    @staticmethod
    def parse_format(input: str, pattern: str, timezone: str | None) -> QuendrelTime:
        """Read `input` laid out by a token pattern, the tokens that `format` writes.

        Tokens: YYYY (year, or a signed year), YY (00-69 are 2000-2069, 70-99 are 1970-1999), MMMM
        and MMM (English month names in any case; MMMM also takes the three-letter form), MM, DD, HH,
        hh (12-hour, a time only with A or a), mm, ss, SSS (exactly three digits), dddd and ddd
        (English weekday names, which must agree with the date), ZZ and Z (an offset such as +05:30 or
        +0530; "Z" is not an offset here), A and a (am or pm in any case). Numbers take one or two
        digits; a space in the pattern matches any run of white space; other characters must match
        exactly, and the whole text must be used. Letters that are tokens are tokens wherever they
        stand.

        Three readings are tried in turn: a date, time and offset (the offset fixes the instant); a
        local date and time in `timezone`, with the gap and overlap rules of `parse`; a date alone at
        local midnight, ignoring any time fields read.

        - Text that no reading accepts raises ValueError "Invalid date input: " followed by the text,
          " (format: ", the pattern and ")".

        >>> T.parse_format("15/01/2024 14:30", "DD/MM/YYYY HH:mm", "Europe/Paris").to_iso()
        '2024-01-15T14:30:00.000+01:00'
        >>> T.parse_format("jan 05, 85 03:30 pm", "MMMM DD, YY hh:mm A", None).to_iso()
        '1985-01-05T15:30:00.000Z'
        >>> T.parse_format("2024-01-16 Mon", "YYYY-MM-DD ddd", None)
        Traceback (most recent call last):
        ValueError: Invalid date input: 2024-01-16 Mon (format: YYYY-MM-DD ddd)
        """
    @staticmethod
    def parse_batch(inputs: _TextSequence, timezone: str | None) -> list[int]:
        """Batch parse ISO/naive datetime strings and return unix timestamps (ms).

        Every text of `inputs` is read as `parse` reads it, in `timezone` (None: "UTC"), and the result
        is a list of int epoch milliseconds in the same order; no value objects are made. `inputs` is
        any sequence of str: a list, a tuple, a NumPy array or a pandas Series; a single str is refused
        with TypeError "Can't extract `str` to `Vec`". The zone is checked even for an empty sequence.
        The first text that fails ends the call with its error and nothing is returned. The call holds
        the interpreter lock throughout.

        >>> T.parse_batch(["2024-01-15T10:30:00Z", "2024-01-15"], None)
        [1705314600000, 1705276800000]
        >>> T.parse_batch(("2024-01-15", "soon"), "Europe/Paris")
        Traceback (most recent call last):
        ValueError: Invalid date input: soon
        """
    @staticmethod
    def parse_format_batch(inputs: _TextSequence, pattern: str, timezone: str | None) -> list[int]:
        """Batch parse datetime strings laid out by a token pattern (YYYY-MM-DD HH:mm:ss and the like) and
        return unix timestamps (ms).

        Every text of `inputs` is read as `parse_format` reads it with `pattern` in `timezone`; the
        result is a list of int epoch milliseconds. A failing text raises ValueError "Invalid date
        input: " followed by that text and " (format: " with the pattern.

        >>> T.parse_format_batch(["15/01/2024", "16/01/2024"], "DD/MM/YYYY", "UTC")
        [1705276800000, 1705363200000]
        """
    @staticmethod
    def format_batch(
        unix_millis: _IntSequence, pattern: str, timezone: str | None, locale: str | None
    ) -> list[str]:
        """Batch format unix timestamps with locale support.

        Every count of `unix_millis` (epoch milliseconds, any sequence of int or a NumPy array) is
        written in `timezone` with the locale-aware dialect of `format_locale` in `locale` (None:
        "en"); the result is a list of str. The zone and the locale are checked even for an empty
        sequence; a count outside the supported range raises ValueError "Invalid timestamp (ms): ...".

        >>> T.format_batch([0, 86_400_000], "dddd D MMMM [at] HH:mm", "Asia/Tokyo", "fr")
        ['jeudi 1 janvier at 09:00', 'vendredi 2 janvier at 09:00']
        """
    @staticmethod
    def from_array(components: _IntSequence, timezone: str | None) -> QuendrelTime:
        """Build a value from local calendar components [year, month0, date, hour, minute, second,
        millisecond] in `timezone` (None: "UTC").

        One to seven items; missing trailing items are January, the 1st and 00:00:00.000. The month
        counts from 0 (January is 0), the date from 1. Every component may be negative or too large and
        carries into the larger units: month0 12 is January of the next year, date 0 the last day of
        the previous month, hour 24 midnight of the next day. The local time is then resolved with the
        gap and overlap rules of `parse`. Any sequence of integers works, a tuple or a NumPy array
        included.

        - An empty or too long list raises ValueError "Invalid components: expected 1..=7 items, got
          0. Use [year, month0, date, hour, minute, second, millisecond]".
        - Components beyond the supported calendar raise ValueError "Date arithmetic overflow".

        >>> T.from_array([2024, 1, 30], None).to_iso()
        '2024-03-01T00:00:00.000Z'
        >>> T.from_array((2024, 0, 1, 0, 0, 0, -1), "Europe/Paris").to_iso()
        '2023-12-31T23:59:59.999+01:00'
        """
    @staticmethod
    def from_unix_ms(unix_ms: SupportsIndex, timezone: str | None) -> QuendrelTime:
        """The instant `unix_ms` milliseconds after 1970-01-01T00:00:00Z, viewed in `timezone`.

        The supported instants run from -8334601315200000 to 8210266876799999 (the years -262143 to
        262142); outside them it raises ValueError "Invalid timestamp (ms): " followed by the number.
        The zone is checked first.

        >>> T.from_unix_ms(0, "Asia/Kolkata").to_iso()
        '1970-01-01T05:30:00.000+05:30'
        >>> T.from_unix_ms(10**16, None)
        Traceback (most recent call last):
        ValueError: Invalid timestamp (ms): 10000000000000000
        """
    @staticmethod
    def from_unix(unix_seconds: SupportsIndex, timezone: str | None) -> QuendrelTime:
        """The instant `unix_seconds` seconds after the epoch, viewed in `timezone`.

        The seconds are multiplied by 1000: a product beyond 64 bits raises ValueError "Date arithmetic
        overflow", one outside the supported range "Invalid timestamp (ms): " with the milliseconds.

        >>> T.from_unix(-1, None).unix_ms()
        -1000
        """
    @staticmethod
    def duration(value: SupportsIndex, unit: str | None) -> QuendrelDuration:
        """A `quendrel_duration` of `value` units: the same as `quendrel_duration(value, unit)`.

        None means milliseconds. Calendar units have their mean lengths (a month is 30.436875 days).

        >>> T.duration(1, "day").as_milliseconds()
        86400000
        """
    # The value, its zone and its text
    def to_iso(self) -> str:
        """ISO 8601 text of the local date-time in the value's zone, with milliseconds and the offset.

        Always three millisecond digits; "Z" for an offset of zero, otherwise "+HH:MM" or "-HH:MM"
        (offsets with seconds, in the early history of some zones, are rounded to the minute). Years
        outside 0 to 9999 carry a sign: "+10000", "-0001".

        >>> T.from_unix_ms(1000, None).to_iso()
        '1970-01-01T00:00:01.000Z'
        >>> T.from_unix_ms(0, "America/New_York").to_iso()
        '1969-12-31T19:00:00.000-05:00'
        """
    def format(self, pattern: str) -> str:
        """Write the local date-time with a token pattern, in English.

        Tokens, longest first within a letter: YYYY (four digits, or a sign and more outside 0-9999),
        YY, MMMM (January), MMM (Jan), MM, DD, HH, hh (01-12), mm, ss, SSS (milliseconds), dddd
        (Monday), ddd (Mon), ZZ (+0530), Z (+05:30), A (AM/PM) and a (am/pm). Every other character is
        copied, but letters that are tokens are rewritten wherever they stand: brackets do not protect
        text here (use `format_locale` for that). There are no single-letter tokens besides Z, A and a.
        A "%" starts a strftime conversion: "%%" writes one percent sign.

        - A "%" with no valid conversion after it raises ValueError "Invalid format pattern: " followed
          by the pattern.

        >>> v = T.parse("2024-03-05 07:08:09.045", "Asia/Kolkata")
        >>> v.format("ddd DD MMM YYYY hh:mm:ss.SSS A Z")
        'Tue 05 Mar 2024 07:08:09.045 AM +05:30'
        >>> v.format("[at] HH:mm, 100%%")
        '[amt] 07:08, 100%'
        """
    def format_locale(self, pattern: str, locale: str | None) -> str:
        """Locale-aware format helper for month/day names and meridiem output.

        Writes the local date-time with the locale dialect in one of the locales of
        `supported_locales()` ("en", "fr", "es", "de", "pt"; None: "en"). Locale texts are trimmed,
        lower-cased and cut at the first "-", so "pt-BR" is "pt". Tokens: YYYY, YY, MMMM, MMM, MM, M,
        DD, D, dddd, ddd, HH, H, hh, h, mm, m, ss, s, SSS, ZZ, Z, A and a; the single letters are not
        zero-padded. Text in [brackets] is copied verbatim without the brackets; "%" is an ordinary
        character. Words are written without accents ("fevrier", "Marz").

        - An unknown locale raises ValueError "Invalid locale: " followed by the trimmed text.

        >>> v = T.parse("2024-03-05 14:05", "Europe/Paris")
        >>> v.format_locale("dddd D MMMM YYYY [at] H:mm", "fr")
        'mardi 5 mars 2024 at 14:05'
        >>> v.format_locale("ddd D MMM, h:mm a", " PT-br ")
        'ter. 5 mar., 2:05 pm'
        >>> v.format_locale("D", "it")
        Traceback (most recent call last):
        ValueError: Invalid locale: it
        """
    def unix_ms(self) -> int:
        """Milliseconds since 1970-01-01T00:00:00Z, an int; negative before the epoch.

        This is the instant itself: sort by it, and key dictionaries by (unix_ms(), timezone()).

        >>> T.parse("1970-01-01T00:00:01Z", "Asia/Tokyo").unix_ms()
        1000
        """
    def unix(self) -> int:
        """Seconds since the epoch, truncated toward zero (-1500 ms gives -1).

        >>> T.from_unix_ms(-1500, None).unix(), T.from_unix_ms(1999, None).unix()
        (-1, 1)
        """
    def value_of(self) -> int:
        """Milliseconds since the epoch: the same as `unix_ms`.

        >>> T.from_unix_ms(42, None).value_of()
        42
        """
    def timezone(self) -> str:
        """The zone's name as the zone table spells it.

        The name is the table's, never the caller's raw text: None, "", "Z" and "utc" are stored as
        "UTC", and a link name such as "US/Eastern" keeps its own name.

        >>> T.now(" utc ").timezone(), T.now("US/Eastern").timezone()
        ('UTC', 'US/Eastern')
        """
    def to_array(self) -> list[int]:
        """The local [year, month0, date, hour, minute, second, millisecond], a new list.

        The month counts from 0: this is the shape that `from_array` accepts.

        >>> T.parse("2024-02-29 13:05:09.007", "Europe/Paris").to_array()
        [2024, 1, 29, 13, 5, 9, 7]
        """
    def utc_offset(self) -> int:
        """The zone's total offset at this instant in minutes east of Greenwich, an int.

        Daylight-saving time is included: New York gives -300 in January and -240 in July.

        >>> T.parse("2024-01-15", "America/New_York").utc_offset(), T.parse("2024-07-15", "America/New_York").utc_offset()
        (-300, -240)
        """
    def is_utc(self) -> bool:
        """Whether the zone is the "UTC" entry itself.

        Zones that merely have offset zero ("Etc/UTC", "GMT", "Europe/London" in winter) give False.

        >>> T.now("utc").is_utc(), T.now("Etc/UTC").is_utc()
        (True, False)
        """
    def is_dst(self) -> bool:
        """Whether daylight-saving time is in force at this instant in the value's zone.

        >>> T.parse("2024-01-15", "America/New_York").is_dst(), T.parse("2024-07-15", "America/New_York").is_dst()
        (False, True)
        """
    def to_timezone(self, timezone: str) -> QuendrelTime:
        """The same instant viewed in another zone; `timezone` must be a str (None is refused).

        Only the local view changes: `unix_ms()` stays the same.

        - An unknown zone raises ValueError "Invalid timezone: " followed by the text as passed.

        >>> T.from_unix_ms(0, None).to_timezone("Asia/Tokyo").to_iso()
        '1970-01-01T09:00:00.000+09:00'
        >>> T.now(None).to_timezone("europe/paris")
        Traceback (most recent call last):
        ValueError: Invalid timezone: europe/paris
        """
    # Arithmetic
    def add(self, amount: SupportsIndex, unit: str) -> QuendrelTime:
        """Move by `amount` whole units; a negative amount moves back.

        `unit` is one of the names of `supported_units()`, their plurals or short forms ("ms", "s",
        "sec", "m", "min", "h", "d", "w", "mo", "q", "y"), trimmed and lower-cased: "M" is a minute.

        - Millisecond, second, minute and hour move the instant by an exact length; the local clock
          may jump across a daylight-saving change.
        - Day, week, month, quarter and year move the local calendar date in the value's zone and keep
          the clock reading; a day may then last 23 or 25 hours.
        - Month, quarter and year clamp the day to the target month: 31 January plus one month is the
          last day of February, 29 February plus one year is 28 February.
        - A local time that lands in a daylight-saving gap moves forward to the first minute that
          exists; a repeated one takes the earlier instant.
        - An unknown unit raises ValueError "Invalid unit: " followed by the text and ". Use one of:
          millisecond, second, minute, hour, day, week, month, quarter, year"; a result outside the
          supported calendar raises ValueError "Date arithmetic overflow". A float amount is refused
          with TypeError.

        >>> eve = T.parse("2024-03-09 12:00", "America/New_York")
        >>> eve.add(1, "day").to_iso(), eve.add(24, "h").to_iso()
        ('2024-03-10T12:00:00.000-04:00', '2024-03-10T13:00:00.000-04:00')
        >>> T.parse("2024-01-31 10:30", None).add(1, "month").to_iso()
        '2024-02-29T10:30:00.000Z'
        """
    def add_duration(self, duration: QuendrelDuration) -> QuendrelTime:
        """Move the instant by the exact milliseconds of a `quendrel_duration`, keeping the zone.

        Unlike `add(n, "day")`, a duration of one day is always 24 hours of elapsed time.

        >>> eve = T.parse("2024-03-09 12:00", "America/New_York")
        >>> eve.add_duration(D.from_days(1)).to_iso()
        '2024-03-10T13:00:00.000-04:00'
        """
    def subtract(self, amount: SupportsIndex, unit: str) -> QuendrelTime:
        """Move back by `amount` whole units: the same as `add` with the amount negated.

        The units, the clamping and the errors are those of `add`.

        >>> T.parse("2024-03-31", None).subtract(1, "mo").format("YYYY-MM-DD")
        '2024-02-29'
        """
    def subtract_duration(self, duration: QuendrelDuration) -> QuendrelTime:
        """Move the instant back by the exact milliseconds of a `quendrel_duration`.

        >>> T.parse("2024-01-15 10:00", None).subtract_duration(D(90, "min")).format("HH:mm")
        '08:30'
        """
    def start_of(self, unit: str) -> QuendrelTime:
        """The first millisecond of the `unit`-long period that contains the value, in its local calendar.

        Periods are local to the value's zone: a day starts at local midnight, a week on Sunday, a
        quarter on 1 January, 1 April, 1 July or 1 October, a year on 1 January. Units are those of
        `add`; for millisecond the result is a copy. A start that falls in a daylight-saving gap (a
        midnight skipped by a change at 00:00) moves forward as `parse` does. In a repeated hour, the
        start of the second, minute and hour stays in the value's own occurrence, while longer units
        resolve their start with the earlier instant. The result keeps the value's zone.

        - An unknown unit raises ValueError "Invalid unit: ...".

        >>> v = T.parse("2024-03-13 15:45:10.250", "Europe/Paris")
        >>> v.start_of("week").to_iso(), v.start_of("quarter").to_iso()
        ('2024-03-10T00:00:00.000+01:00', '2024-01-01T00:00:00.000+01:00')
        >>> v.start_of("second").format("HH:mm:ss.SSS")
        '15:45:10.000'
        """
    def end_of(self, unit: str) -> QuendrelTime:
        """The last millisecond of the `unit`-long period that contains the value.

        It is the start of the next period minus one millisecond: 23:59:59.999 on an ordinary day,
        Saturday 23:59:59.999 for a week, the last day's 23:59:59.999 for a month, quarter or year. On
        a spring-forward day the day from start to end lasts 23 hours minus 1 ms. For millisecond the
        result is a copy.

        >>> v = T.parse("2024-02-10 08:00", "Europe/Paris")
        >>> v.end_of("month").to_iso(), v.end_of("week").format("dddd HH:mm:ss.SSS")
        ('2024-02-29T23:59:59.999+01:00', 'Saturday 23:59:59.999')
        """
    def diff(self, other: QuendrelTime, unit: str, as_float: bool | None) -> float:
        """The difference self minus `other` in `unit`, a float; truncated toward zero unless `as_float`.

        It divides the elapsed milliseconds by a fixed length: a day is 24 hours, a week 7 days, and a
        month, quarter and year their mean Gregorian lengths (30.436875, 91.310625 and 365.2425
        days). Zones play no part and the calendar is not walked, so one calendar month added with
        `add` is not always a diff of 1.0 month. `as_float` None counts as False. The result is a
        float even when truncated (a small negative difference gives -0.0).

        >>> a, b = T.parse("2024-01-15 10:00", None), T.parse("2024-01-15 08:30", None)
        >>> a.diff(b, "hour", None), a.diff(b, "hour", True), b.diff(a, "m", None)
        (1.0, 1.5, -90.0)
        >>> jan31 = T.parse("2024-01-31", None)
        >>> round(jan31.add(1, "month").diff(jan31, "month", True), 4)
        0.9528
        """
    def is_valid(self) -> bool:
        """Whether the instant lies in the supported calendar and the zone name resolves; never raises.

        Every value that the constructors make is valid.

        >>> T.from_unix_ms(0, None).is_valid()
        True
        """
    # Calendar fields, read in the value's own zone
    def days_in_month(self) -> int:
        """The number of days of the local month, 28 to 31.

        >>> T.parse("2024-02-10", None).days_in_month(), T.parse("2023-02-10", None).days_in_month()
        (29, 28)
        """
    def is_leap_year(self) -> bool:
        """Whether the local year is a Gregorian leap year, a bool.

        >>> T.parse("2000-06-01", None).is_leap_year(), T.parse("1900-06-01", None).is_leap_year()
        (True, False)
        """
    def get(self, field: str) -> int:
        """One calendar field of the local date-time, chosen by name.

        Fields and the names they accept (trimmed and lower-cased):

        - millisecond: "ms", "millisecond", "milliseconds"
        - second: "s", "sec", "second", "seconds"
        - minute: "m", "min", "minute", "minutes"
        - hour: "h", "hour", "hours"
        - day, the weekday with Sunday 0: "d", "day", "days", "weekday", "week_day", "dayofweek",
          "day_of_week"
        - date, the day of the month: "date", "dates", "dayofmonth", "day_of_month"
        - month, counted from 0: "mo", "month", "months"
        - quarter: "q", "quarter", "quarters"
        - year: "y", "year", "years"

        So "D" is the weekday and "M" the minute. There is no week field.

        - Another name raises ValueError "Invalid field: " followed by the text and ". Use one of:
          millisecond, second, minute, hour, day, date, month, quarter, year".

        >>> v = T.parse("2021-01-01 08:05", "Europe/Berlin")
        >>> v.get("date"), v.get(" Month "), v.get("D"), v.get("M")
        (1, 0, 5, 5)
        """
    def set(self, field: str, value: SupportsIndex) -> QuendrelTime:
        """A copy with one calendar field replaced; the field is named as `get` names it.

        Setters accept any integer and roll over instead of refusing: the millisecond, second, minute,
        hour, day (weekday) and date setters move the local date-time by the difference in that unit,
        so date 31 of a 30-day month is the 1st of the next; the month, quarter and year setters keep
        the clock reading and clamp the day to the target month. The new local time is resolved with
        the gap and overlap rules of `parse`. Setting a field to its current value gives the same
        instant, except in the second occurrence of a repeated hour, which resolves to the first.

        - An unknown field raises ValueError "Invalid field: ..." before anything is computed; a result
          outside the supported calendar raises ValueError "Date arithmetic overflow".

        >>> v = T.parse("2023-01-31 10:00", None)
        >>> v.set("month", 1).format("YYYY-MM-DD HH:mm"), v.set("D", 0).format("ddd YYYY-MM-DD")
        ('2023-02-28 10:00', 'Sun 2023-01-29')
        """
    def year(self) -> int:
        """The local year, -262143 to 262142.

        Every field is read in the value's own zone: 23:30 UTC on 31 December is already next year in
        Tokyo.

        >>> T.parse("2023-12-31T23:30:00Z", "Asia/Tokyo").year()
        2024
        """
    def month(self) -> int:
        """The local month counted from 0: January is 0, December 11.

        >>> T.parse("2024-01-15", None).month(), T.parse("2024-12-15", None).month()
        (0, 11)
        """
    def date(self) -> int:
        """The local day of the month, 1 to 31.

        >>> T.parse("2024-01-15T03:30:00Z", "America/New_York").date()
        14
        """
    def day(self) -> int:
        """The local weekday counted from Sunday: Sunday is 0, Saturday 6.

        >>> T.parse("2024-01-14", None).day(), T.parse("2024-01-20", None).day()
        (0, 6)
        """
    def hour(self) -> int:
        """The local hour, 0 to 23.

        >>> T.parse("2024-01-15T03:30:00Z", "America/New_York").hour()
        22
        """
    def minute(self) -> int:
        """The local minute, 0 to 59.

        >>> T.parse("2024-01-15 10:45", "Asia/Kolkata").minute()
        45
        """
    def second(self) -> int:
        """The local second, 0 to 59.

        >>> T.parse("2024-01-15 10:45:07", None).second()
        7
        """
    def millisecond(self) -> int:
        """The millisecond of the second, 0 to 999.

        >>> T.parse("2024-01-15 10:45:07.25", None).millisecond()
        250
        """
    def set_year(self, value: SupportsIndex) -> QuendrelTime:
        """A copy in year `value`, keeping month, day and clock; 29 February becomes 28 February in a
        common year.

        >>> v = T.parse("2024-02-29 08:00", None)
        >>> v.set_year(2023).format("YYYY-MM-DD"), v.set_year(2028).format("YYYY-MM-DD")
        ('2023-02-28', '2028-02-29')
        """
    def set_month(self, value: SupportsIndex) -> QuendrelTime:
        """A copy in month `value` counted from 0, clamping the day to the month's length.

        Values outside 0 to 11 carry into the year: 12 is January of the next year, -1 December of the
        previous one.

        >>> v = T.parse("2023-01-31 10:00", None)
        >>> v.set_month(1).format("YYYY-MM-DD"), v.set_month(12).format("YYYY-MM-DD"), v.set_month(-1).format("YYYY-MM-DD")
        ('2023-02-28', '2024-01-31', '2022-12-31')
        """
    def set_date(self, value: SupportsIndex) -> QuendrelTime:
        """A copy on day `value` of the month; days outside the month roll into the neighbouring months.

        Day 0 is the last day of the previous month; day 31 of a 30-day month is the 1st of the next.

        >>> v = T.parse("2023-04-15", None)
        >>> v.set_date(31).format("YYYY-MM-DD"), v.set_date(0).format("YYYY-MM-DD")
        ('2023-05-01', '2023-03-31')
        """
    def set_day(self, value: SupportsIndex) -> QuendrelTime:
        """A copy on weekday `value` of the same Sunday-to-Saturday week (Sunday is 0).

        7 is the next Sunday, -1 the Saturday before.

        >>> v = T.parse("2023-03-15", None)
        >>> v.set_day(0).format("ddd DD"), v.set_day(7).format("ddd DD"), v.set_day(-1).format("ddd DD")
        ('Sun 12', 'Sun 19', 'Sat 11')
        """
    def set_hour(self, value: SupportsIndex) -> QuendrelTime:
        """A copy at local hour `value`; 24 is midnight of the next day, -1 the last hour of the day
        before.

        The setter moves the local clock, not the elapsed time: an hour inside a spring-forward gap
        becomes the first minute after it.

        >>> T.parse("2024-01-15 10:20", None).set_hour(24).format("MM-DD HH:mm")
        '01-16 00:20'
        >>> T.parse("2024-03-10 10:00", "America/New_York").set_hour(2).format("HH:mm Z")
        '03:00 -04:00'
        """
    def set_minute(self, value: SupportsIndex) -> QuendrelTime:
        """A copy at local minute `value`; values outside 0 to 59 roll into the hours.

        >>> T.parse("2024-01-15 10:20", None).set_minute(-1).format("HH:mm")
        '09:59'
        """
    def set_second(self, value: SupportsIndex) -> QuendrelTime:
        """A copy at local second `value`; values outside 0 to 59 roll into the minutes.

        >>> T.parse("2024-01-15 10:20:30", None).set_second(60).format("HH:mm:ss")
        '10:21:00'
        """
    def set_millisecond(self, value: SupportsIndex) -> QuendrelTime:
        """A copy at millisecond `value`; values outside 0 to 999 roll into the seconds.

        >>> T.parse("2024-01-15 10:20:30.5", None).set_millisecond(1000).format("ss.SSS")
        '31.000'
        """
    def day_of_year(self) -> int:
        """The local day of the year, 1 to 366.

        >>> T.parse("2024-12-31", None).day_of_year()
        366
        """
    def quarter(self) -> int:
        """The local quarter, 1 to 4 (January to March is 1).

        >>> T.parse("2024-03-31", None).quarter(), T.parse("2024-04-01", None).quarter()
        (1, 2)
        """
    def set_quarter(self, value: SupportsIndex) -> QuendrelTime:
        """A copy in quarter `value` (1 to 4, rolling into the years), at the same month position inside
        the quarter, clamping the day.

        >>> T.parse("2023-11-30", None).set_quarter(1).format("YYYY-MM-DD"), T.parse("2023-05-10", None).set_quarter(5).format("YYYY-MM-DD")
        ('2023-02-28', '2024-02-10')
        """
    def iso_weekday(self) -> int:
        """The local weekday counted from Monday: Monday is 1, Sunday 7.

        >>> T.parse("2024-01-14", None).iso_weekday()
        7
        """
    def set_iso_weekday(self, value: SupportsIndex) -> QuendrelTime:
        """A copy on ISO weekday `value` of the same Monday-to-Sunday week (Monday is 1).

        >>> T.parse("2023-03-19", None).set_iso_weekday(1).format("ddd YYYY-MM-DD")
        'Mon 2023-03-13'
        """
    def set_day_of_year(self, value: SupportsIndex) -> QuendrelTime:
        """A copy on day `value` of the local year, keeping the clock; 366 in a common year is 1 January
        of the next.

        >>> T.parse("2023-03-15 09:00", None).set_day_of_year(1).format("YYYY-MM-DD HH:mm")
        '2023-01-01 09:00'
        """
    def iso_week(self) -> int:
        """The ISO 8601 week number of the local date, 1 to 53.

        ISO weeks start on Monday; week 1 holds the year's first Thursday, so the first days of January
        may belong to the last week of the previous year (see `iso_week_year`).

        >>> T.parse("2021-01-01", None).iso_week(), T.parse("2024-12-30", None).iso_week()
        (53, 1)
        """
    def set_iso_week(self, value: SupportsIndex) -> QuendrelTime:
        """A copy moved by whole weeks into ISO week `value`, keeping the weekday and the clock.

        >>> T.parse("2021-01-01", None).set_iso_week(1).format("ddd YYYY-MM-DD")
        'Fri 2020-01-03'
        """
    def iso_week_year(self) -> int:
        """The ISO 8601 week-numbering year of the local date; near 1 January it may differ from `year`.

        >>> T.parse("2021-01-01", None).iso_week_year(), T.parse("2024-12-30", None).iso_week_year()
        (2020, 2025)
        """
    def week_of_year(self) -> int:
        """The Sunday-start week number of the local date, 1 to 54.

        Weeks start on Sunday and week 1 is the week that holds 1 January, however short; a date never
        belongs to a week of another year. This is not the ISO rule (see `iso_week`).

        >>> T.parse("2022-01-01", None).week_of_year(), T.parse("2022-01-02", None).week_of_year()
        (1, 2)
        """
    def week(self) -> int:
        """The Sunday-start week number: the same as `week_of_year`.

        >>> T.parse("2000-12-31", None).week()
        54
        """
    def weeks_in_year(self) -> int:
        """The number of Sunday-start weeks of the local year: 53, or 54 in a leap year that begins on a
        Saturday (2000, 2028).

        >>> T.parse("2023-06-01", None).weeks_in_year(), T.parse("2000-06-01", None).weeks_in_year()
        (53, 54)
        """
    def iso_weeks_in_year(self) -> int:
        """The number of ISO 8601 weeks of the local calendar year, 52 or 53.

        It describes the calendar year of the date, even where the date's ISO week-numbering year is
        another one.

        >>> T.parse("2020-06-01", None).iso_weeks_in_year(), T.parse("2021-01-01", None).iso_weeks_in_year()
        (53, 52)
        """
    def days_in_year(self) -> int:
        """The number of days of the local year, 365 or 366.

        >>> T.parse("2000-06-01", None).days_in_year(), T.parse("1900-06-01", None).days_in_year()
        (366, 365)
        """
    def set_week(self, value: SupportsIndex) -> QuendrelTime:
        """A copy moved by whole weeks into Sunday-start week `value` (see `week_of_year`), keeping the
        weekday and the clock.

        >>> T.parse("2023-03-15", None).set_week(1).format("ddd YYYY-MM-DD")
        'Wed 2023-01-04'
        """
    # Comparisons; plain ones read the instant alone
    def is_today(self) -> bool:
        """Whether the local date is today's date in the value's zone; reads the clock.

        The time of day plays no part: 00:00 and 23:59:59.999 of today both give True.

        >>> T.parse("2000-01-01", None).is_today()
        False
        """
    def is_yesterday(self) -> bool:
        """Whether the local date is yesterday's date in the value's zone; reads the clock.

        >>> T.parse("2000-01-01", "Europe/Paris").is_yesterday()
        False
        """
    def is_tomorrow(self) -> bool:
        """Whether the local date is tomorrow's date in the value's zone; reads the clock.

        >>> T.parse("2000-01-01", "Asia/Tokyo").is_tomorrow()
        False
        """
    def is_before(self, other: QuendrelTime) -> bool:
        """Whether this instant is earlier than `other`; zones play no part.

        >>> a = T.parse("2024-01-15T10:00:00Z", "UTC")
        >>> a.is_before(a.add(1, "ms")), a.is_before(a.to_timezone("Asia/Tokyo"))
        (True, False)
        """
    def is_after(self, other: QuendrelTime) -> bool:
        """Whether this instant is later than `other`.

        >>> a = T.parse("2024-01-15T10:00:00Z", None)
        >>> a.is_after(a.subtract(1, "ms"))
        True
        """
    def is_same(self, other: QuendrelTime) -> bool:
        """Whether both are the same instant, whatever their zones.

        `==` compares identity; this compares the instants.

        >>> a = T.parse("2024-01-15T10:00:00Z", None)
        >>> b = a.to_timezone("Asia/Tokyo")
        >>> a.is_same(b), a == b
        (True, False)
        """
    def is_before_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether the `unit`-long period of this value starts before that of `other`.

        Both sides are first moved to `start_of(unit)`, each in its own zone, and the starts are
        compared. With "millisecond" this is `is_before`.

        >>> a = T.parse("2024-03-01 10:00", None)
        >>> a.is_before_unit(a.add(1, "h"), "day"), a.is_before_unit(a.add(1, "d"), "day")
        (False, True)
        """
    def is_after_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether the `unit`-long period of this value starts after that of `other`.

        >>> a = T.parse("2024-03-31 23:59", None)
        >>> a.add(1, "min").is_after_unit(a, "month")
        True
        """
    def is_same_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether both lie in `unit`-long periods that start at the same instant.

        Each side is floored in its own zone, so the same local date in two zones is the same day only
        where the two local midnights are the same instant. Weeks run from Sunday to Saturday.

        >>> w = T.parse("2024-03-13 15:45", "Europe/Paris")
        >>> w.is_same_unit(w.add(3, "day"), "week"), w.is_same_unit(w.add(4, "day"), "week")
        (True, False)
        >>> w.is_same_unit(w.to_timezone("Asia/Tokyo"), "day")
        False
        """
    def is_same_or_before(self, other: QuendrelTime) -> bool:
        """Whether this instant is not later than `other`.

        >>> a = T.parse("2024-01-15T10:00:00Z", None)
        >>> a.is_same_or_before(a.clone_time())
        True
        """
    def is_same_or_after(self, other: QuendrelTime) -> bool:
        """Whether this instant is not earlier than `other`.

        >>> a = T.parse("2024-01-15T10:00:00Z", None)
        >>> a.is_same_or_after(a.add(1, "s"))
        False
        """
    def is_same_or_before_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether the `unit`-long period of this value starts at or before that of `other`.

        >>> a = T.parse("2024-03-01 10:00", None)
        >>> a.is_same_or_before_unit(a.subtract(1, "h"), "day")
        True
        """
    def is_same_or_after_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether the `unit`-long period of this value starts at or after that of `other`.

        >>> a = T.parse("2024-03-01 10:00", None)
        >>> a.is_same_or_after_unit(a.add(1, "mo"), "month")
        False
        """
    def is_between(
        self, start: QuendrelTime, end: QuendrelTime, unit: str | None, inclusivity: _Inclusivity | None
    ) -> bool:
        """Whether the value lies between `start` and `end`.

        `inclusivity` is one of "()", "(]", "[)" and "[]": a square bracket includes that bound, a
        round one excludes it; None means "()". With a `unit`, the value and both bounds are first
        moved to the start of that unit, each in its own zone; None compares the instants. The bounds
        are not reordered: when `start` is after `end` the result is False.

        - Another inclusivity raises ValueError "Invalid inclusivity: " followed by the text and ". Use
          one of: (), (], [), []", after the unit is checked.

        >>> w = T.parse("2024-03-13 15:45", None)
        >>> w.is_between(w, w.add(1, "h"), None, None), w.is_between(w, w.add(1, "h"), None, "[)")
        (False, True)
        >>> w.is_between(w.add(1, "h"), w.add(2, "h"), "day", "[]")
        True
        """
    # Relative and calendar text
    def from_time(self, other: QuendrelTime, without_suffix: bool | None) -> str:
        """English text for this value seen from `other`: "in 2 hours", "3 days ago".

        The text measures elapsed time; zones and the calendar play no part. Thresholds (s is the
        distance in seconds):

        - under 45 s "a few seconds", under 90 s "a minute", under 45 minutes "N minutes"
        - under 90 minutes "an hour", under 22 hours "N hours", under 36 hours "a day"
        - under 26 days "N days", under 45 days "a month", under 320 days "N months" (30-day months)
        - under 548 days "a year", then "N years" (365-day years)

        N is rounded, halves away from zero, and is always at least 2. A later value reads "in ...",
        an earlier or equal one "... ago"; `without_suffix` true leaves the suffix out (None counts as
        False).

        >>> base = T.parse("2024-03-05 14:30", None)
        >>> base.add(2, "hour").from_time(base, None), base.subtract(45, "day").from_time(base, None)
        ('in 2 hours', '2 months ago')
        >>> base.from_time(base, None), base.add(90, "s").from_time(base, True)
        ('a few seconds ago', '2 minutes')
        """
    def to_time(self, other: QuendrelTime, without_suffix: bool | None) -> str:
        """English text for `other` seen from this value: the opposite direction of `from_time`.

        >>> base = T.parse("2024-03-05 14:30", None)
        >>> base.add(2, "hour").to_time(base, None)
        '2 hours ago'
        """
    def from_now(self, without_suffix: bool | None) -> str:
        """English text for this value seen from now, as `from_time` words it; reads the clock.

        >>> T.now(None).add(3, "hour").from_now(None)
        'in 3 hours'
        """
    def to_now(self, without_suffix: bool | None) -> str:
        """English text for now seen from this value, as `to_time` words it; reads the clock.

        >>> T.now(None).subtract(2, "day").to_now(None)
        'in 2 days'
        """
    def calendar(self, reference: QuendrelTime | None, locale: str | None) -> str:
        """Calendar-style formatting relative to a reference time, with locale packs.

        Buckets:
        - same day: Today at HH:mm
        - +/-1 day: Tomorrow/Yesterday at HH:mm
        - +/-6 days: Weekday at HH:mm
        - otherwise: YYYY-MM-DD HH:mm

        The days are counted between local calendar dates in the value's zone; the reference (None:
        now) is read in that zone too, and the clock readings play no part, so 23:59 and 00:01 of the
        next day are one day apart. The words come from `locale` (None: "en"): "Aujourd'hui a",
        "Manana a las", "Gestern um", "Hoje as" and the weekday names of the five locales.

        - An unknown locale raises ValueError "Invalid locale: ..." before anything is computed.

        >>> base = T.parse("2024-03-05 14:30", "Europe/Paris")
        >>> morning = T.parse("2024-03-05 09:00", "Europe/Paris")
        >>> base.calendar(morning, None), base.add(1, "day").calendar(morning, "fr")
        ('Today at 14:30', 'Demain a 14:30')
        >>> base.add(3, "day").calendar(morning, "de"), base.add(7, "day").calendar(morning, None)
        ('Freitag um 14:30', '2024-03-12 14:30')
        """
    @staticmethod
    def min(first: QuendrelTime, second: QuendrelTime) -> QuendrelTime:
        """A new value for the earlier of `first` and `second`, with that value's zone; a copy of
        `first` when both are the same instant.

        >>> a, b = T.parse("2024-01-01", "UTC"), T.parse("2024-06-01", "Asia/Tokyo")
        >>> T.min(a, b).timezone(), T.min(b, a) is a
        ('UTC', False)
        """
    @staticmethod
    def max(first: QuendrelTime, second: QuendrelTime) -> QuendrelTime:
        """A new value for the later of `first` and `second`, with that value's zone; a copy of `first`
        when both are the same instant.

        >>> a, b = T.parse("2024-01-01", "UTC"), T.parse("2024-06-01", "Asia/Tokyo")
        >>> T.max(a, b).to_iso()
        '2024-06-01T00:00:00.000+09:00'
        """
    def clamp(self, start: QuendrelTime, end: QuendrelTime) -> QuendrelTime:
        """The value limited to the range from `start` to `end`, as a new value.

        A value before the range gives a copy of the earlier bound, one after it a copy of the later
        bound, one inside a copy of itself. Reversed bounds are accepted.

        >>> v = T.parse("2024-03-13", None)
        >>> v.clamp(v.add(1, "d"), v.add(2, "d")).format("DD"), v.clamp(v.add(2, "d"), v.subtract(2, "d")).format("DD")
        ('14', '13')
        """
    def clone_time(self) -> QuendrelTime:
        """A new object with the same instant and zone.

        >>> v = T.from_unix_ms(0, "Asia/Tokyo")
        >>> c = v.clone_time()
        >>> c is v, c.is_same(v), c.timezone()
        (False, True, 'Asia/Tokyo')
        """

@final
class QuendrelDuration:
    """A duration is a signed length of time held as whole milliseconds. Calendar units have fixed
    mean lengths here: a month is 30.436875 days, a quarter three months and a year 365.2425 days,
    so a duration never knows which month it belongs to. In the examples, `D` is
    `quendreltime.quendrel_duration` and `T` is `quendreltime.quendrel_time`.
    """

    def __new__(cls, value: SupportsIndex, unit: str | None) -> QuendrelDuration:
        """A signed length of time in whole milliseconds, made from `value` units of `unit`.

        `unit` is one of the names of `supported_units()` or their short forms; None means
        milliseconds. Second to week multiply exactly; month, quarter and year use their mean lengths
        (2 629 746 000, 7 889 238 000 and 31 556 952 000 ms) and round to the nearest millisecond.
        Durations are immutable, compare by identity, and pickle and copy as their milliseconds.

        - A product beyond 64 bits raises ValueError "Date arithmetic overflow".
        - An unknown unit raises ValueError "Invalid unit: ..."; a float `value` raises TypeError.

        >>> D(90, "min")
        QuendrelDuration(milliseconds=5400000)
        >>> D(1, "quarter").as_days(), D(5, None).as_milliseconds()
        (91.310625, 5)
        """
    @staticmethod
    def from_milliseconds(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` milliseconds; any 64-bit integer is accepted.

        >>> D.from_milliseconds(-1500).as_seconds()
        -1.5
        """
    @staticmethod
    def from_seconds(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` seconds, exactly.

        Raises ValueError "Date arithmetic overflow" when the milliseconds do not fit in 64 bits.

        >>> D.from_seconds(90).as_minutes()
        1.5
        """
    @staticmethod
    def from_minutes(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` minutes, exactly.

        >>> D.from_minutes(-3).as_milliseconds()
        -180000
        """
    @staticmethod
    def from_hours(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` hours, exactly.

        >>> D.from_hours(36).as_days()
        1.5
        """
    @staticmethod
    def from_days(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` days of exactly 24 hours.

        Added to a date-time with `add_duration` it moves the instant by 24 hours per day, which differs
        from `add(n, "day")` across a daylight-saving change.

        >>> D.from_days(2).as_hours()
        48.0
        """
    @staticmethod
    def from_weeks(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` weeks of exactly 7 days.

        >>> D.from_weeks(2).as_milliseconds()
        1209600000
        """
    @staticmethod
    def from_months(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` mean months of 30.436875 days, rounded to the millisecond.

        There is no quarter factory: use `D(n, "quarter")`.

        >>> D.from_months(1).as_milliseconds(), D.from_months(12).as_years()
        (2629746000, 1.0)
        """
    @staticmethod
    def from_years(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` mean years of 365.2425 days, rounded to the millisecond.

        >>> D.from_years(1).as_days(), D.from_years(1).as_months()
        (365.2425, 12.0)
        """
    def as_milliseconds(self) -> int:
        """The length in milliseconds, an int.

        >>> D(2, "s").as_milliseconds()
        2000
        """
    def as_seconds(self) -> float:
        """The length in seconds, a float (no rounding).

        >>> D(1500, None).as_seconds(), D(-1, None).as_seconds()
        (1.5, -0.001)
        """
    def as_minutes(self) -> float:
        """The length in minutes, a float.

        >>> D(90, "s").as_minutes()
        1.5
        """
    def as_hours(self) -> float:
        """The length in hours, a float.

        >>> D(90, "min").as_hours()
        1.5
        """
    def as_days(self) -> float:
        """The length in days of 24 hours, a float.

        >>> D(36, "h").as_days()
        1.5
        """
    def as_weeks(self) -> float:
        """The length in weeks, a float.

        >>> D(14, "d").as_weeks()
        2.0
        """
    def as_months(self) -> float:
        """The length in mean months of 30.436875 days, a float. There is no quarter conversion.

        >>> D(1, "y").as_months()
        12.0
        """
    def as_years(self) -> float:
        """The length in mean years of 365.2425 days, a float.

        >>> D(6, "mo").as_years()
        0.5
        """
    def humanize(self, with_suffix: bool | None) -> str:
        """English relative-time text for the length: "a few seconds", "an hour", "3 days".

        With `with_suffix` true the text reads "in ..." for a positive duration and "... ago" for zero
        or a negative one; None or False leave the suffix out. The wording follows the thresholds of
        `quendrel_time.from_time`: under 45 seconds "a few seconds", under 90 seconds "a minute", then
        minutes up to 45, "an hour" up to 90 minutes, hours up to 22, "a day" up to 36 hours, days up
        to 26, "a month" up to 45 days, months of 30 days up to 11, "a year" up to 548 days, then years
        of 365 days.

        >>> D.from_hours(1).humanize(None), D.from_hours(1).humanize(True)
        ('an hour', 'in an hour')
        >>> D.from_days(-1).humanize(True), D(0, None).humanize(True)
        ('a day ago', 'a few seconds ago')
        """
    def add(self, other: QuendrelDuration) -> QuendrelDuration:
        """The sum of this duration and `other`, a new duration.

        Raises ValueError "Date arithmetic overflow" beyond 64 bits; `other` must be a duration.

        >>> D.from_hours(1).add(D.from_minutes(30)).as_minutes()
        90.0
        """
    def subtract(self, other: QuendrelDuration) -> QuendrelDuration:
        """This duration minus `other`, a new duration.

        >>> D.from_minutes(90).subtract(D.from_hours(2)).as_minutes()
        -30.0
        """
    def negate(self) -> QuendrelDuration:
        """The duration with its sign changed.

        Raises ValueError "Date arithmetic overflow" for the smallest 64-bit count, whose negation does
        not fit.

        >>> D.from_days(1).negate().as_hours()
        -24.0
        """
    def abs(self) -> QuendrelDuration:
        """The duration without its sign.

        Raises ValueError "Date arithmetic overflow" for the smallest 64-bit count.

        >>> D.from_weeks(-2).abs().as_days()
        14.0
        """

# The same class objects under the names the tour uses.
quendrel_time: TypeAlias = QuendrelTime
quendrel_duration: TypeAlias = QuendrelDuration

IANA_VERSION: str

def supported_units() -> list[str]:
    """Return a new list of the nine unit names, shortest unit first.

    Every method that takes a `unit` accepts these names, their plurals and the short forms "ms",
    "s", "sec", "m", "min", "h", "d", "w", "mo", "q" and "y". Unit texts are trimmed and
    lower-cased, so "M" is a minute, not a month. Any other text raises ValueError "Invalid unit:
    " followed by the text and ". Use one of: millisecond, second, minute, hour, day, week, month,
    quarter, year".

    >>> quendreltime.supported_units()
    ['millisecond', 'second', 'minute', 'hour', 'day', 'week', 'month', 'quarter', 'year']
    """

def supported_locales() -> list[str]:
    """Return a new list of the five locale codes that `format_locale`, `format_batch` and `calendar`
    speak.

    A locale text is trimmed and lower-cased and cut at its first "-", so "pt-BR", " EN " and
    "de-AT" are accepted; None and the empty text mean "en". Any other text raises ValueError
    "Invalid locale: " followed by the trimmed text.

    >>> quendreltime.supported_locales()
    ['en', 'fr', 'es', 'de', 'pt']
    """
