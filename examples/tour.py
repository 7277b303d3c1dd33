"""A short tour of quendreltime: zones, arithmetic, fields, text and durations."""

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration


def section(title):
    print(f"\n== {title} ==")


def show(label, value):
    print(f"{label:<50} {value.to_iso():<30} dst={value.is_dst()}")


section("The same wall-clock text in several zones")
for zone in ["UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Australia/Lord_Howe"]:
    show(f"2024-07-01 09:00 in {zone}", T.parse("2024-07-01 09:00", zone))

section("Text that carries its own offset")
instant = T.parse("2024-01-15T10:30:00+05:30", "America/New_York")
show("10:30+05:30, viewed in New York", instant)
show("the same instant in Tokyo", instant.to_timezone("Asia/Tokyo"))

section("Building values")
show("from_unix_ms(0) in Asia/Kolkata", T.from_unix_ms(0, "Asia/Kolkata"))
show("from_array([2024, 1, 30]): 30 February", T.from_array([2024, 1, 30], "Europe/Paris"))
show("from_array([2024, 0, 1, 0, 0, 0, -1])", T.from_array([2024, 0, 1, 0, 0, 0, -1], "UTC"))
show("from_unix(-1) in UTC", T.from_unix(-1, None))
print(f"{'now() in Europe/Paris':<50} {T.now('Europe/Paris').format('dddd, DD MMMM YYYY HH:mm')}")
zone_texts = [None, " z ", "utc", "US/Eastern"]
print(f"{'zone texts ' + repr(zone_texts):<50} {[T.from_unix_ms(0, zone).timezone() for zone in zone_texts]}")

section("Daylight-saving changes")
show("New York 02:30 on the spring-forward day", T.parse("2024-03-10 02:30", "America/New_York"))
show("New York 01:30 on the fall-back day", T.parse("2024-11-03 01:30", "America/New_York"))
show("Apia skipped 30 December 2011: 22:30", T.parse("2011-12-30 22:30", "Pacific/Apia"))
try:
    T.parse("2011-12-30 10:00", "Pacific/Apia")
except ValueError as error:
    print(f"{'Apia 2011-12-30 10:00':<50} ValueError: {error}")
eve = T.parse("2024-03-09 12:00", "America/New_York")
show("noon before the change + 1 day", eve.add(1, "day"))
show("noon before the change + 24 hours", eve.add(24, "hour"))
show("noon before the change + a one-day duration", eve.add_duration(D.from_days(1)))

section("Months clamp to their length")
january = T.parse("2024-01-31 10:30", "Europe/Paris")
for months in range(1, 4):
    show(f"31 January + {months} month(s)", january.add(months, "month"))
show("29 February 2024 + 1 year", T.parse("2024-02-29", "UTC").add(1, "year"))

section("Start and end of a unit (weeks start on Sunday)")
wednesday = T.parse("2024-03-13 15:45:10.250", "Europe/Paris")
for unit in ["day", "week", "month", "quarter"]:
    print(f"{unit:<8} {wednesday.start_of(unit).to_iso()}  ..  {wednesday.end_of(unit).to_iso()}")

section("Reading text with token patterns")
for text, pattern, zone in [
    ("15/01/2024 14:30", "DD/MM/YYYY HH:mm", "Europe/Paris"),
    ("2024-01-15 03:30 pm", "YYYY-MM-DD hh:mm A", "UTC"),
    ("2024-01-15 10:00 +05:30", "YYYY-MM-DD HH:mm Z", "Asia/Tokyo"),
    ("jan 05, 85", "MMMM DD, YY", "UTC"),
    ("2024-01-15 10", "YYYY-MM-DD HH", "UTC"),
]:
    show(f"{text!r} as {pattern!r}", T.parse_format(text, pattern, zone))
try:
    T.parse_format("Mon 2024-01-16", "ddd YYYY-MM-DD", None)
except ValueError as error:
    print(f"{'a weekday that disagrees with the date':<50} ValueError: {error}")

section("Fields and weeks")
v = T.parse("2021-01-01 08:00", "Europe/Berlin")
print(f"to_array {v.to_array()}  (month is 0-based)")
print(f"weekday {v.day()} (Sunday 0), ISO weekday {v.iso_weekday()}, day of year {v.day_of_year()}, quarter {v.quarter()}")
print(f"ISO week {v.iso_week()} of {v.iso_week_year()}, Sunday-start week {v.week()} of {v.weeks_in_year()}")
print(f"get('date') {v.get('date')}, get('D') {v.get('D')} (weekday), get('M') {v.get('M')} (minute)")
print(f"set_month(1) -> {v.set_month(1).format('YYYY-MM-DD')}, set_iso_week(10) -> {v.set_iso_week(10).format('YYYY-MM-DD')}, "
      f"set_date(0) -> {v.set_date(0).format('YYYY-MM-DD')}, set_hour(24) -> {v.set_hour(24).format('YYYY-MM-DD HH:mm')}")

section("Formatting: tokens and five locales")
print(wednesday.format("ddd, DD MMM YYYY hh:mm:ss.SSS A Z"))
for locale in quendreltime.supported_locales():
    print(f"{locale}: {wednesday.format_locale('dddd D MMMM YYYY [at] H:mm', locale)}")

section("Comparisons, differences, relative and calendar text")
later = wednesday.add(2, "day").add(3, "hour")
print(f"is_before {wednesday.is_before(later)}, same week {wednesday.is_same_unit(later, 'week')}, "
      f"between [] {wednesday.is_between(wednesday, later, None, '[]')}")
print(f"min {T.min(later, wednesday).format('ddd HH:mm')}, max {T.max(later, wednesday).format('ddd HH:mm')}, "
      f"clamp to the next week {wednesday.clamp(wednesday.add(1, 'week'), later.add(1, 'week')).format('ddd DD HH:mm')}")
print(f"diff {later.diff(wednesday, 'day', True):.4f} days, truncated {later.diff(wednesday, 'day', None)}")
print(f"from_time: {later.from_time(wednesday, None)!r}, to_time: {later.to_time(wednesday, None)!r}")
print(f"from_now of now + 3 hours: {T.now(None).add(3, 'hour').from_now(None)!r}")
for days, locale in [(0, "en"), (1, "fr"), (-1, "es"), (2, "de"), (-4, "pt"), (7, "en")]:
    print(f"calendar, {days:+d} day(s) ({locale}): {wednesday.add(days, 'day').calendar(wednesday, locale)}")

section("Durations")
quarter = D(1, "quarter")
print(f"{quarter!r} = {quarter.as_days()} days; humanized: {quarter.humanize(True)!r}")
print(f"90 minutes - 2 hours = {D.from_minutes(90).subtract(D.from_hours(2)).humanize(True)!r}")

section("Batches: a thousand texts in one call")
texts = [f"2024-{1 + i % 12:02d}-{1 + i % 28:02d}T{i % 24:02d}:00:00Z" for i in range(1000)]
millis = T.parse_batch(texts, None)
print(f"parsed {len(millis)} texts; first {millis[0]}, last {millis[-1]}")
print(T.format_batch(millis[:3], "ddd D MMM YYYY HH:mm", "Asia/Tokyo", "es"))

section("Errors: every failure is a ValueError with a fixed message")
for attempt in [
    lambda: T.now("Mars"),
    lambda: wednesday.format_locale("D", "it"),
    lambda: T.parse("2024-13-01", None),
    lambda: T.from_unix_ms(10**16, None),
    lambda: wednesday.add(1, "mins"),
    lambda: wednesday.get("week"),
    lambda: wednesday.is_between(wednesday, later, None, "{}"),
    lambda: T.from_array([], None),
    lambda: wednesday.add(10**9, "day"),
    lambda: T.parse("2011-12-30 10:00", "Pacific/Apia"),
    lambda: wednesday.format("100%"),
]:
    try:
        attempt()
    except ValueError as error:
        print(error)
    else:
        raise SystemExit("the tour expected a ValueError here")

section("The supported range")
show("the first instant, -8334601315200000 ms", T.from_unix_ms(-8_334_601_315_200_000, None))
show("the last instant, 8210266876799999 ms", T.from_unix_ms(8_210_266_876_799_999, None))
try:
    T.from_unix_ms(8_210_266_876_799_999, None).add(1, "ms")
except ValueError as error:
    print(f"{'one millisecond after the last instant':<50} ValueError: {error}")
