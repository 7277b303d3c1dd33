"""A short tour of quendreltime: zones, parsing and the local reading."""

import quendreltime

T = quendreltime.quendrel_time


def show(label, value):
    print(f"{label:<44} {value.to_iso():<32} offset {value.utc_offset():>5} min  dst={value.is_dst()}")


print("== The same text in several zones ==")
for zone in ["UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Australia/Lord_Howe"]:
    show(f"2024-07-01 09:00 in {zone}", T.parse("2024-07-01 09:00", zone))

print("\n== Text that carries its own offset ==")
instant = T.parse("2024-01-15T10:30:00+05:30", "America/New_York")
show("10:30+05:30 shown in New York", instant)
show("  ... moved to Tokyo", instant.to_timezone("Asia/Tokyo"))

print("\n== Daylight-saving changes ==")
show("New York 02:30 on the spring-forward day", T.parse("2024-03-10 02:30", "America/New_York"))
show("New York 01:30 on the fall-back day", T.parse("2024-11-03 01:30", "America/New_York"))
show("Apia skipped 30 December 2011: 22:30", T.parse("2011-12-30 22:30", "Pacific/Apia"))
try:
    T.parse("2011-12-30 10:00", "Pacific/Apia")
except ValueError as error:
    print(f"{'Apia 2011-12-30 10:00':<44} ValueError: {error}")

print("\n== Other ways to build a value ==")
show("from_unix_ms(0) in Asia/Kolkata", T.from_unix_ms(0, "Asia/Kolkata"))
show("from_array([2024, 1, 30]): 30 February", T.from_array([2024, 1, 30], "Europe/Paris"))
show("now() in Europe/Paris", T.now("Europe/Paris"))
print(repr(T.from_unix(1_700_000_000, "US/Eastern")))
