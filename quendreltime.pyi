"""Time-zone-aware date-times and durations with a C++ core.

Every parameter is required; those typed ``... | None`` accept None for their default
(zone "UTC", locale "en", the current instant, milliseconds, "()" or false).
Failures of an operation raise ValueError with a fixed message; argument problems
raise TypeError (OverflowError for integers beyond 64 bits).
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
    """An instant in whole milliseconds since the Unix epoch, viewed in a named IANA zone.

    Immutable; every operation returns a new value. Equality and hashing are by identity:
    compare instants with `is_same` or `unix_ms`. Also published as `quendreltime.quendrel_time`.
    Pickles and copies as its milliseconds and zone name.
    """

    def __new__(cls, input: str | None, timezone: str | None) -> QuendrelTime:
        """Parse `input` as ISO or naive text in `timezone` (None: "UTC"), or take the current instant when `input` is None."""
    # Constructors and batches
    @staticmethod
    def now(timezone: str | None) -> QuendrelTime:
        """The current instant, in whole milliseconds, viewed in `timezone` (None: "UTC")."""
    @staticmethod
    def parse(input: str, timezone: str | None) -> QuendrelTime:
        """Read RFC 3339 text with an offset, or naive text ("2024-01-15", "2024-01-15 10:30[:00[.000]]", with "T" or a space) as local time in `timezone`.

        A skipped local time moves forward to the first existing minute; a repeated one takes the earlier instant.
        Raises ValueError "Invalid date input: ..." for anything else.
        """
    @staticmethod
    def parse_format(input: str, pattern: str, timezone: str | None) -> QuendrelTime:
        """Read `input` laid out by a token pattern (YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd ddd ZZ Z A a).

        Tried as a date-time with offset, then as local date-time in `timezone`, then as a date at local midnight.
        """
    @staticmethod
    def parse_batch(inputs: _TextSequence, timezone: str | None) -> list[int]:
        """Read every text as `parse` does and return epoch milliseconds; the first failure fails the call.

        A single `str` is refused with TypeError.
        """
    @staticmethod
    def parse_format_batch(inputs: _TextSequence, pattern: str, timezone: str | None) -> list[int]:
        """Read every text with the token pattern as `parse_format` does and return epoch milliseconds."""
    @staticmethod
    def format_batch(
        unix_millis: _IntSequence, pattern: str, timezone: str | None, locale: str | None
    ) -> list[str]:
        """Format epoch milliseconds in `timezone` with the locale-aware dialect of `format_locale` (None locale: "en")."""
    @staticmethod
    def from_array(components: _IntSequence, timezone: str | None) -> QuendrelTime:
        """Build from [year, month0, date, hour, minute, second, millisecond] (1 to 7 items) as local time.

        The month counts from 0; every component carries into the next larger one when out of range.
        """
    @staticmethod
    def from_unix_ms(unix_ms: SupportsIndex, timezone: str | None) -> QuendrelTime:
        """The instant `unix_ms` milliseconds after the epoch; ValueError outside -8334601315200000 to 8210266876799999."""
    @staticmethod
    def from_unix(unix_seconds: SupportsIndex, timezone: str | None) -> QuendrelTime:
        """The instant `unix_seconds` seconds after the epoch."""
    @staticmethod
    def duration(value: SupportsIndex, unit: str | None) -> QuendrelDuration:
        """The same as `QuendrelDuration(value, unit)`; None means milliseconds."""
    # The value, its zone and its text
    def to_iso(self) -> str:
        """ISO 8601 text in the value's zone with milliseconds and offset: "2024-01-15T10:30:00.000+01:00", "Z" for offset zero."""
    def format(self, pattern: str) -> str:
        """Format with English words; tokens YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd ddd ZZ Z A a.

        Brackets do not protect text here; "%%" writes one percent sign.
        """
    def format_locale(self, pattern: str, locale: str | None) -> str:
        """Format in one of the locales "en", "fr", "es", "de", "pt" (a region such as "pt-BR" is ignored; None: "en").

        Adds the single-letter tokens M D H h m s; text in [brackets] is copied verbatim.
        """
    def unix_ms(self) -> int:
        """Milliseconds since the Unix epoch."""
    def unix(self) -> int:
        """Seconds since the Unix epoch, truncated toward zero."""
    def value_of(self) -> int:
        """Milliseconds since the Unix epoch (the same as `unix_ms`)."""
    def timezone(self) -> str:
        """The zone's name as the zone table spells it ("UTC" for None, "Z", "utc" and the empty text)."""
    def to_array(self) -> list[int]:
        """Local [year, month0, date, hour, minute, second, millisecond], the shape `from_array` accepts."""
    def utc_offset(self) -> int:
        """The zone's offset at this instant in minutes east of Greenwich (-300 for New York in January)."""
    def is_utc(self) -> bool:
        """Whether the zone is the "UTC" entry itself (not merely a zone with offset zero)."""
    def is_dst(self) -> bool:
        """Whether daylight-saving time is in force at this instant."""
    def to_timezone(self, timezone: str) -> QuendrelTime:
        """The same instant viewed in another zone."""
    # Arithmetic
    def add(self, amount: SupportsIndex, unit: str) -> QuendrelTime:
        """Move by whole units: millisecond, second, minute and hour move the instant; day, week, month, quarter and year move the local calendar.

        Month-based units clamp the day to the month's length (31 January + 1 month is the last day of February).
        """
    def add_duration(self, duration: QuendrelDuration) -> QuendrelTime:
        """Move the instant by the duration's exact number of milliseconds."""
    def subtract(self, amount: SupportsIndex, unit: str) -> QuendrelTime:
        """The same as `add` with the amount negated."""
    def subtract_duration(self, duration: QuendrelDuration) -> QuendrelTime:
        """Move the instant back by the duration's exact number of milliseconds."""
    def start_of(self, unit: str) -> QuendrelTime:
        """The first millisecond of the local unit containing the value; weeks start on Sunday."""
    def end_of(self, unit: str) -> QuendrelTime:
        """The last millisecond of the local unit containing the value (23:59:59.999 on ordinary days)."""
    def diff(self, other: QuendrelTime, unit: str, as_float: bool | None) -> float:
        """Self minus other in `unit`, a float; truncated toward zero unless `as_float`.

        Months, quarters and years have their mean Gregorian length (a year is 365.2425 days).
        """
    def is_valid(self) -> bool:
        """Whether the instant lies in the supported calendar and the zone resolves; never raises."""
    # Calendar fields, read in the value's own zone
    def days_in_month(self) -> int:
        """Days in the local month, 28 to 31."""
    def is_leap_year(self) -> bool:
        """Whether the local year is a Gregorian leap year."""
    def get(self, field: str) -> int:
        """One field by name: millisecond, second, minute, hour, day (weekday, Sunday 0), date, month (0-based), quarter, year.

        Aliases such as "ms", "d", "mo", "weekday" and "day_of_month" are accepted; "M" is the minute.
        """
    def set(self, field: str, value: SupportsIndex) -> QuendrelTime:
        """Replace one field by name (the names of `get`); out-of-range values roll over."""
    def year(self) -> int:
        """Local year, -262143 to 262142."""
    def month(self) -> int:
        """Local month counted from 0 (January is 0)."""
    def date(self) -> int:
        """Local day of the month, 1 to 31."""
    def day(self) -> int:
        """Local weekday counted from Sunday (Sunday is 0, Saturday 6)."""
    def hour(self) -> int:
        """Local hour, 0 to 23."""
    def minute(self) -> int:
        """Local minute, 0 to 59."""
    def second(self) -> int:
        """Local second, 0 to 59."""
    def millisecond(self) -> int:
        """Millisecond of the second, 0 to 999."""
    def set_year(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the year, clamping 29 February to the 28th in a common year."""
    def set_month(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the 0-based month, clamping the day to its length; 12 is January of the next year."""
    def set_date(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the day of the month; out-of-range days roll into the neighbouring months."""
    def set_day(self, value: SupportsIndex) -> QuendrelTime:
        """Move to a weekday of the same Sunday-to-Saturday week (Sunday is 0)."""
    def set_hour(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the local hour; 24 is midnight of the next day."""
    def set_minute(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the local minute; values outside 0 to 59 roll over."""
    def set_second(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the local second; values outside 0 to 59 roll over."""
    def set_millisecond(self, value: SupportsIndex) -> QuendrelTime:
        """Replace the millisecond; values outside 0 to 999 roll over."""
    def day_of_year(self) -> int:
        """Local day of the year, 1 to 366."""
    def quarter(self) -> int:
        """Local quarter, 1 to 4."""
    def set_quarter(self, value: SupportsIndex) -> QuendrelTime:
        """Move to the same month position inside quarter `value` (1-based), clamping the day."""
    def iso_weekday(self) -> int:
        """Local weekday counted from Monday (Monday is 1, Sunday 7)."""
    def set_iso_weekday(self, value: SupportsIndex) -> QuendrelTime:
        """Move to a weekday of the same Monday-to-Sunday week (Monday is 1)."""
    def set_day_of_year(self, value: SupportsIndex) -> QuendrelTime:
        """Move to a day of the year, keeping the clock reading."""
    def iso_week(self) -> int:
        """ISO 8601 week number, 1 to 53."""
    def set_iso_week(self, value: SupportsIndex) -> QuendrelTime:
        """Move by whole weeks to ISO week `value`, keeping the weekday and the clock reading."""
    def iso_week_year(self) -> int:
        """ISO 8601 week-numbering year (may differ from `year` near 1 January)."""
    def week_of_year(self) -> int:
        """Sunday-start week number: week 1 holds 1 January, 1 to 54."""
    def week(self) -> int:
        """The same as `week_of_year`."""
    def weeks_in_year(self) -> int:
        """Sunday-start weeks in the local year, 53 or 54."""
    def iso_weeks_in_year(self) -> int:
        """ISO 8601 weeks in the local calendar year, 52 or 53."""
    def days_in_year(self) -> int:
        """Days in the local year, 365 or 366."""
    def set_week(self, value: SupportsIndex) -> QuendrelTime:
        """Move by whole weeks to Sunday-start week `value`, keeping the weekday and the clock reading."""
    # Comparisons; plain ones read the instant alone
    def is_today(self) -> bool:
        """Whether the local date is today's date in the value's zone (reads the clock)."""
    def is_yesterday(self) -> bool:
        """Whether the local date is yesterday's date in the value's zone (reads the clock)."""
    def is_tomorrow(self) -> bool:
        """Whether the local date is tomorrow's date in the value's zone (reads the clock)."""
    def is_before(self, other: QuendrelTime) -> bool:
        """Whether this instant is earlier than `other`."""
    def is_after(self, other: QuendrelTime) -> bool:
        """Whether this instant is later than `other`."""
    def is_same(self, other: QuendrelTime) -> bool:
        """Whether both are the same instant, whatever their zones."""
    def is_before_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Compare the starts of both units, each taken in its own zone."""
    def is_after_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Compare the starts of both units, each taken in its own zone."""
    def is_same_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Whether both lie in units that start at the same instant (each in its own zone)."""
    def is_same_or_before(self, other: QuendrelTime) -> bool:
        """Whether this instant is not later than `other`."""
    def is_same_or_after(self, other: QuendrelTime) -> bool:
        """Whether this instant is not earlier than `other`."""
    def is_same_or_before_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Compare the starts of both units, each taken in its own zone."""
    def is_same_or_after_unit(self, other: QuendrelTime, unit: str) -> bool:
        """Compare the starts of both units, each taken in its own zone."""
    def is_between(
        self, start: QuendrelTime, end: QuendrelTime, unit: str | None, inclusivity: _Inclusivity | None
    ) -> bool:
        """Whether the value lies between `start` and `end`; "[" and "]" include a bound (None: "()").

        With a unit, all three are first moved to the start of that unit. Bounds are not reordered.
        """
    # Relative and calendar text
    def from_time(self, other: QuendrelTime, without_suffix: bool | None) -> str:
        """English text for this value seen from `other`: "in 2 hours", "3 days ago"."""
    def to_time(self, other: QuendrelTime, without_suffix: bool | None) -> str:
        """English text for `other` seen from this value."""
    def from_now(self, without_suffix: bool | None) -> str:
        """English text for this value seen from now (reads the clock)."""
    def to_now(self, without_suffix: bool | None) -> str:
        """English text for now seen from this value (reads the clock)."""
    def calendar(self, reference: QuendrelTime | None, locale: str | None) -> str:
        """"Today at 14:30", "Tomorrow at ...", "Yesterday at ...", "Friday at ..." within six days, else "YYYY-MM-DD HH:mm".

        Days are counted between local dates in the value's zone; None reference: now.
        """
    @staticmethod
    def min(first: QuendrelTime, second: QuendrelTime) -> QuendrelTime:
        """A new value for the earlier instant (a copy of `first` when equal)."""
    @staticmethod
    def max(first: QuendrelTime, second: QuendrelTime) -> QuendrelTime:
        """A new value for the later instant (a copy of `first` when equal)."""
    def clamp(self, start: QuendrelTime, end: QuendrelTime) -> QuendrelTime:
        """The value limited to the range; reversed bounds are accepted."""
    def clone_time(self) -> QuendrelTime:
        """A new object with the same instant and zone."""

@final
class QuendrelDuration:
    """A signed length of time in whole milliseconds. Immutable; equality is by identity.

    Months and years have their mean Gregorian length (30.436875 and 365.2425 days).
    Also published as `quendreltime.quendrel_duration`. Pickles and copies as its milliseconds.
    """

    def __new__(cls, value: SupportsIndex, unit: str | None) -> QuendrelDuration:
        """`value` units (None: milliseconds); ValueError "Date arithmetic overflow" beyond 64 bits."""
    @staticmethod
    def from_milliseconds(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` milliseconds."""
    @staticmethod
    def from_seconds(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` seconds."""
    @staticmethod
    def from_minutes(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` minutes."""
    @staticmethod
    def from_hours(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` hours."""
    @staticmethod
    def from_days(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` days of 24 hours."""
    @staticmethod
    def from_weeks(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` weeks of 7 days."""
    @staticmethod
    def from_months(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` mean months of 30.436875 days."""
    @staticmethod
    def from_years(value: SupportsIndex) -> QuendrelDuration:
        """A duration of `value` mean years of 365.2425 days."""
    def as_milliseconds(self) -> int:
        """The length in milliseconds."""
    def as_seconds(self) -> float:
        """The length in seconds."""
    def as_minutes(self) -> float:
        """The length in minutes."""
    def as_hours(self) -> float:
        """The length in hours."""
    def as_days(self) -> float:
        """The length in days of 24 hours."""
    def as_weeks(self) -> float:
        """The length in weeks."""
    def as_months(self) -> float:
        """The length in mean months."""
    def as_years(self) -> float:
        """The length in mean years."""
    def humanize(self, with_suffix: bool | None) -> str:
        """English text: "an hour"; with the suffix "in an hour", or "an hour ago" when not positive."""
    def add(self, other: QuendrelDuration) -> QuendrelDuration:
        """The sum of both lengths."""
    def subtract(self, other: QuendrelDuration) -> QuendrelDuration:
        """This length minus the other."""
    def negate(self) -> QuendrelDuration:
        """The length with its sign changed."""
    def abs(self) -> QuendrelDuration:
        """The length without its sign."""

# The same class objects under the names the tour uses.
quendrel_time: TypeAlias = QuendrelTime
quendrel_duration: TypeAlias = QuendrelDuration

IANA_VERSION: str

def supported_units() -> list[str]:
    """The nine unit names: millisecond, second, minute, hour, day, week, month, quarter, year (a new list)."""

def supported_locales() -> list[str]:
    """The five locale codes: "en", "fr", "es", "de", "pt" (a new list)."""
