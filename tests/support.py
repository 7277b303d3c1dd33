"""Constants shared by the test files."""

import importlib.resources

# The first and last instants of the supported calendar.
MIN_MS = -8_334_601_315_200_000
MAX_MS = 8_210_266_876_799_999

OVERFLOW = "^Date arithmetic overflow$"
UNIT_HELP = ". Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
FIELD_HELP = ". Use one of: millisecond, second, minute, hour, day, date, month, quarter, year"

# Every zone of the pinned tzdata release, as the module's table holds them.
ALL_ZONES = [
    name for name in importlib.resources.files("tzdata").joinpath("zones").read_text().split() if name != "Factory"
]
