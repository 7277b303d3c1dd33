#!/usr/bin/env python3
"""Compile the IANA zones of a `tzdata` package into a C++ table.

Usage: gen_zone_table.py OUTPUT.cpp TZDATA [VERSION]

TZDATA is the package: its directory (the one holding `zones` and
`zoneinfo/`) or its wheel. With VERSION the package must be that release of
tzdata (e.g. 2026.6), so that a build never compiles other data than it asked for.

For each name of the package's `zones` list (minus "Factory") the TZif file
is read: its 64-bit transitions, its local time types and the POSIX TZ rule
of its footer, which carries the zone past its last transition. Each
transition is also written as the two local readings around it (the clock
just before the change and at it), so that a local reading is looked up
with one binary search. Zones whose data is identical (links) share one data
record. Names are found at run time through a hash-and-displace perfect
hash: one hash (a word at a time), one probe, one string comparison.

The run-time lookups rely on changes of offset lying at least two days apart
and on the closing rules changing the clocks well inside each year; both are
checked here, so that data breaking them fails the build.
"""

from __future__ import annotations

import calendar
import datetime
import enum
import os
import re
import struct
import sys
import zipfile
from dataclasses import dataclass

HASH_SLOTS = 1024  # power of two, load factor ~0.58
HASH_BUCKETS = 256
MASK64 = (1 << 64) - 1
SECONDS_PER_HOUR = 3600
SECONDS_PER_DAY = 24 * SECONDS_PER_HOUR
MIN_CHANGE_SPACING = 2 * SECONDS_PER_DAY  # seconds between two changes of one zone
INT64_MIN = -(1 << 63)
EPOCH_ORDINAL = datetime.date(1970, 1, 1).toordinal()


# ---------------------------------------------------------------- TZif reading


@dataclass(frozen=True)
class ZoneData:
    transitions: tuple[int, ...]      # UTC seconds, ascending
    transition_types: tuple[int, ...]  # index into types
    types: tuple[tuple[int, bool], ...]  # (total offset seconds, dst part non-zero)
    before_type: int                   # type in force before the first transition
    rule: PosixRule | None             # parsed footer, None when there is none


def read_tzif(data: bytes) -> tuple[list[int], list[int], list[tuple[int, int]], bytes]:
    """The v2+ 64-bit body: transitions, their type indexes, (utoff, isdst), footer."""
    if data[:4] != b"TZif" or data[4] < ord("2"):
        raise ValueError("not a TZif version 2+ file")

    def counts(offset: int) -> tuple[int, ...]:
        return struct.unpack(">6l", data[offset + 20 : offset + 44])

    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = counts(0)
    v1_size = 44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstdcnt + isutcnt
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = counts(v1_size)
    pos = v1_size + 44
    transitions = list(struct.unpack(f">{timecnt}q", data[pos : pos + 8 * timecnt]))
    pos += 8 * timecnt
    indexes = list(data[pos : pos + timecnt])
    pos += timecnt
    types = []
    for _ in range(typecnt):
        utoff, isdst, _abbr = struct.unpack(">lBB", data[pos : pos + 6])
        types.append((utoff, isdst))
        pos += 6
    pos += charcnt + leapcnt * 12 + isstdcnt + isutcnt
    footer = data[pos:].strip(b"\n")
    return transitions, indexes, types, footer


def dst_parts(indexes: list[int], types: list[tuple[int, int]]) -> list[int]:
    """The daylight-saving part of each type's offset.

    TZif stores only an is-DST flag, so the part is inferred from the
    neighbouring standard-time offsets, the way Python's zoneinfo infers it
    (our values must agree with zoneinfo's dst()).
    """
    isdst = [flag for _, flag in types]
    offsets = [off for off, _ in types]
    parts = [0] * len(types)
    dst_count, found = sum(isdst), 0
    for i in range(1, len(indexes)):
        if dst_count == found:
            break
        idx = indexes[i]
        if not isdst[idx] or parts[idx] != 0:
            continue
        part = 0
        if not isdst[indexes[i - 1]]:
            part = offsets[idx] - offsets[indexes[i - 1]]
        if not part and idx < len(types) - 1:
            following = indexes[i + 1]
            if isdst[following]:
                continue
            part = offsets[idx] - offsets[following]
        if part:
            found += 1
            parts[idx] = part
    else:
        for idx in range(len(types)):
            if not parts[idx] and isdst[idx]:
                parts[idx] = SECONDS_PER_HOUR
    return parts


# --------------------------------------------------------- POSIX TZ footers

# std offset [dst [offset] [,start[/time],end[/time]]]
NAME = r"(?:[A-Za-z]{3,}|<[+\-0-9A-Za-z]+>)"
OFFSET = r"[+-]?\d{1,3}(?::\d{1,2}(?::\d{1,2})?)?"
RULE_RE = re.compile(rf"^({NAME})({OFFSET})(?:({NAME})({OFFSET})?(?:,([^,]+),([^,]+))?)?$")


class DateRuleKind(enum.Enum):
    """The three ways a POSIX TZ string names the day of a change. The
    member names are those of the C++ enum zone_table::DateRuleKind, which
    the generated table spells out."""

    JulianDay = "Jn"  # day 1..365, 29 February never counted
    ZeroBasedDay = "n"  # day 0..365, 29 February counted
    MonthWeekDay = "Mm.w.d"  # weekday d of week w (5 == last) of month m


@dataclass(frozen=True)
class DateRule:
    """A day and a time of change, e.g. "M3.2.0/2" (zone_table::DateRule)."""

    kind: DateRuleKind
    month: int    # 1..12 for MonthWeekDay, else 0
    week: int     # 1..5 for MonthWeekDay (5 == last), else 0
    day: int      # weekday 0..6 (Sunday = 0) for MonthWeekDay, else the day number
    seconds: int  # local time of the change


@dataclass(frozen=True)
class PosixRule:
    """The rule of a TZif footer (zone_table::PosixRule)."""

    std_offset: int            # seconds east of UTC
    dst_offset: int            # seconds east of UTC in daylight time; std_offset without it
    start: DateRule | None     # in local standard time; None without daylight time
    end: DateRule | None       # in local daylight time

    @property
    def has_dst(self) -> bool:
        return self.start is not None


def posix_seconds(text: str) -> int:
    """[+|-]hh[:mm[:ss]] as seconds."""
    sign = -1 if text.startswith("-") else 1
    parts = [int(p) for p in text.lstrip("+-").split(":")]
    parts += [0] * (3 - len(parts))
    return sign * (parts[0] * SECONDS_PER_HOUR + parts[1] * 60 + parts[2])


def parse_date_rule(text: str) -> DateRule:
    """Jn, n or Mm.w.d, then an optional /time (02:00 when left out)."""
    date, _, time = text.partition("/")
    seconds = posix_seconds(time) if time else 2 * SECONDS_PER_HOUR
    if date.startswith("J"):
        return DateRule(DateRuleKind.JulianDay, 0, 0, int(date[1:]), seconds)
    if date.startswith("M"):
        month, week, weekday = (int(p) for p in date[1:].split("."))
        return DateRule(DateRuleKind.MonthWeekDay, month, week, weekday, seconds)
    return DateRule(DateRuleKind.ZeroBasedDay, 0, 0, int(date), seconds)


def parse_footer(footer: str) -> PosixRule | None:
    """The footer's rule, with offsets east of UTC; None for an empty footer."""
    if not footer:
        return None
    match = RULE_RE.match(footer)
    if not match:
        raise ValueError(f"unsupported TZ rule {footer!r}")
    _std, std_off, dst, dst_off, start, end = match.groups()
    std_offset = -posix_seconds(std_off)
    if dst is None:
        return PosixRule(std_offset, std_offset, None, None)
    dst_offset = -posix_seconds(dst_off) if dst_off else std_offset + SECONDS_PER_HOUR
    if start is None:  # POSIX default: the US rules
        start, end = "M3.2.0", "M11.1.0"
    return PosixRule(std_offset, dst_offset, parse_date_rule(start), parse_date_rule(end))


def daylight_rule(data: ZoneData) -> PosixRule | None:
    """The zone's closing rule when it has daylight time, else None."""
    return data.rule if data.rule is not None and data.rule.has_dst else None


# ------------------------------------------------------------------- zones


class PackageError(Exception):
    """The data given is not the tzdata package the build asked for."""


class TzdataPackage:
    """The files of a tzdata package, read from its directory (or a folder
    that holds it, as `pip install --target` leaves it) or from its wheel."""

    def __init__(self, path: str) -> None:
        self.path = path
        if os.path.isdir(os.path.join(path, "tzdata")):
            path = os.path.join(path, "tzdata")
        if os.path.isdir(path):
            self._dir, self._wheel = path, None
        elif zipfile.is_zipfile(path):
            self._dir, self._wheel = None, zipfile.ZipFile(path)
        else:
            raise PackageError(f"{self.path} is neither a tzdata package directory nor a tzdata wheel")
        init = self.read("__init__.py").decode()
        self.version = self._field(init, "__version__")
        self.iana_version = self._field(init, "IANA_VERSION")

    def read(self, relative: str) -> bytes:
        """A file of the package, by its path inside the package."""
        try:
            if self._wheel is not None:
                return self._wheel.read("tzdata/" + relative)
            with open(os.path.join(self._dir, *relative.split("/")), "rb") as f:
                return f.read()
        except (KeyError, FileNotFoundError):
            raise PackageError(f"{self.path} is not a tzdata package: it has no {relative}") from None

    def _field(self, init: str, name: str) -> str:
        match = re.search(rf"^{name}\s*=\s*[\"']([^\"']+)[\"']", init, re.MULTILINE)
        if not match:
            raise PackageError(f"{self.path} is not a tzdata package: its __init__.py sets no {name}")
        return match.group(1)


def zone_names(package: TzdataPackage) -> list[str]:
    """The package's zone names, without "Factory"."""
    return [n for n in package.read("zones").decode().split() if n != "Factory"]


def load_zone(package: TzdataPackage, name: str) -> ZoneData:
    """One zone's TZif file, with its types deduplicated."""
    transitions, indexes, raw_types, footer = read_tzif(package.read("zoneinfo/" + name))
    parts = dst_parts(indexes, raw_types)
    types: list[tuple[int, bool]] = []

    def type_of(raw: int) -> int:
        entry = (raw_types[raw][0], parts[raw] != 0)
        if entry not in types:
            types.append(entry)
        return types.index(entry)

    transition_types = [type_of(i) for i in indexes]
    # zoneinfo uses the first standard-time type before the first transition.
    first_standard = next((i for i, (_, dst) in enumerate(raw_types) if not dst), None)
    if first_standard is not None:
        before = type_of(first_standard)
    else:
        before = transition_types[0] if transition_types else type_of(0)
    return ZoneData(
        tuple(transitions), tuple(transition_types), tuple(types), before, parse_footer(footer.decode())
    )


def load_zones(package: TzdataPackage, names: list[str]) -> tuple[list[ZoneData], list[int]]:
    """The distinct zone data (links share one), and for each name the index
    of its data. Every zone is checked against what the lookups rely on."""
    datas: list[ZoneData] = []
    data_index: dict[ZoneData, int] = {}
    zone_data = []
    for name in names:
        try:
            data = load_zone(package, name)
        except (ValueError, struct.error) as error:
            raise ValueError(f"{name}: {error}") from None
        check_rule(name, data.rule)
        check_spacing(name, data)
        if data not in data_index:
            data_index[data] = len(datas)
            datas.append(data)
        zone_data.append(data_index[data])
    return datas, zone_data


def distinct_daylight_rules(datas: list[ZoneData]) -> list[PosixRule]:
    """The closing rules with daylight time, each once, in order of first use."""
    rules: list[PosixRule] = []
    for data in datas:
        rule = daylight_rule(data)
        if rule is not None and rule not in rules:
            rules.append(rule)
    return rules


# ------------------------------------------------- what the lookups rely on


def local_change_time(rule: DateRule, year: int) -> int:
    """Seconds since the epoch, counted as if local time were UTC, at which a
    month-week-day rule (the only kind check_rule lets through) fires in a
    year."""
    first = datetime.date(year, rule.month, 1)
    day = 1 + (rule.day - first.isoweekday() % 7) % 7 + 7 * (rule.week - 1)
    while day > calendar.monthrange(year, rule.month)[1]:
        day -= 7  # week 5 is the last one, whichever it is
    return (first.toordinal() + day - 1 - EPOCH_ORDINAL) * SECONDS_PER_DAY + rule.seconds


def change_instants(rule: PosixRule, year: int) -> tuple[int, int]:
    """UTC seconds at which a rule starts and ends daylight time in a year."""
    start = local_change_time(rule.start, year) - rule.std_offset
    end = local_change_time(rule.end, year) - rule.dst_offset
    return start, end


def check_rule(name: str, rule: PosixRule | None) -> None:
    """A rule's two changes must fall in different months between February
    and November: then each year's changes lie inside that year, far from
    New Year, whether the year is counted in UTC or in local time."""
    if rule is None or not rule.has_dst:
        return
    for date_rule in (rule.start, rule.end):
        if date_rule.kind is not DateRuleKind.MonthWeekDay or not 2 <= date_rule.month <= 11:
            raise ValueError(f"{name}: rule change {date_rule} is not a month rule away from New Year")
    if rule.start.month == rule.end.month:
        raise ValueError(f"{name}: both rule changes fall in month {rule.start.month}")


def offsets_around(data: ZoneData) -> list[tuple[int, int]]:
    """(offset before, offset after) of each transition."""
    offsets = [data.types[data.before_type][0]] + [data.types[t][0] for t in data.transition_types]
    return list(zip(offsets, offsets[1:]))


def check_spacing(name: str, data: ZoneData) -> None:
    """Changes of offset at least MIN_CHANGE_SPACING apart, the listed ones
    and the rule's first ones after them alike."""
    changes = list(data.transitions)
    rule = daylight_rule(data)
    if changes and rule is not None:
        last = changes[-1]
        year = datetime.datetime.fromtimestamp(last, datetime.timezone.utc).year
        changes += sorted(c for y in (year, year + 1) for c in change_instants(rule, y) if c > last)
    for earlier, later in zip(changes, changes[1:]):
        if later - earlier < MIN_CHANGE_SPACING:
            raise ValueError(f"{name}: changes at {earlier} and {later} lie too close together")


def local_readings(data: ZoneData) -> list[tuple[int, int]]:
    """The local reading just before each transition and at it."""
    return [(t + before, t + after) for t, (before, after) in zip(data.transitions, offsets_around(data))]


def rule_after(data: ZoneData) -> int:
    """The last transition: the closing rule governs the instants after it."""
    return data.transitions[-1] if data.transitions else INT64_MIN


def rule_local_from(data: ZoneData) -> int:
    """The first local reading that only instants after the last transition
    show: every earlier instant reads below it."""
    if not data.transitions:
        return INT64_MIN
    before, after = local_readings(data)[-1]
    return max(before, after + 1)


# ------------------------------------------------------------ perfect hash


def name_hash(text: bytes) -> int:
    """FNV-1a over little-endian 8-byte words (the last one zero-padded),
    then a 64-bit finaliser so that the low bits, which pick the bucket,
    depend on every byte."""
    h = 0xCBF29CE484222325 ^ len(text)
    for i in range(0, len(text), 8):
        word = int.from_bytes(text[i : i + 8].ljust(8, b"\0"), "little")
        h = ((h ^ word) * 0x100000001B3) & MASK64
    h ^= h >> 33
    h = (h * 0xFF51AFD7ED558CCD) & MASK64
    h ^= h >> 33
    h = (h * 0xC4CEB9FE1A85EC53) & MASK64
    return h ^ (h >> 33)


def mix(h: int, displacement: int) -> int:
    x = (h ^ (displacement * 0x9E3779B97F4A7C15)) & MASK64
    x = ((x ^ (x >> 33)) * 0xFF51AFD7ED558CCD) & MASK64
    return x ^ (x >> 33)


def build_perfect_hash(names: list[str]) -> tuple[list[int], list[int]]:
    """Displacements per bucket and the slot table (-1 marks an empty slot)."""
    hashes = [name_hash(n.encode()) for n in names]
    buckets: list[list[int]] = [[] for _ in range(HASH_BUCKETS)]
    for index, h in enumerate(hashes):
        buckets[h % HASH_BUCKETS].append(index)
    slots = [-1] * HASH_SLOTS
    displacements = [0] * HASH_BUCKETS
    for bucket in sorted(range(HASH_BUCKETS), key=lambda b: -len(buckets[b])):
        members = buckets[bucket]
        if not members:
            continue
        for d in range(1, 1 << 20):
            wanted = [mix(hashes[i], d) % HASH_SLOTS for i in members]
            if len(set(wanted)) == len(wanted) and all(slots[s] == -1 for s in wanted):
                for i, s in zip(members, wanted):
                    slots[s] = i
                displacements[bucket] = d
                break
        else:
            raise RuntimeError("no displacement found")
    if max(displacements) >= 1 << 16:
        raise RuntimeError("displacement does not fit 16 bits")
    return displacements, slots


# ------------------------------------------------------------------ output


def int64_literal(value: int) -> str:
    # INT64_MIN has no literal of its own in C++.
    return "INT64_MIN" if value == INT64_MIN else f"{value}LL"


def c_string(text: str) -> str:
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def date_rule_literal(rule: DateRule) -> str:
    return f"{{DateRuleKind::{rule.kind.name}, {rule.month}, {rule.week}, {rule.day}, {rule.seconds}}}"


def rule_literal(rule: PosixRule | None) -> str:
    if rule is None:
        return "{0, 0, false, {}, {}}"
    if not rule.has_dst:
        return f"{{{rule.std_offset}, {rule.dst_offset}, false, {{}}, {{}}}}"
    start, end = date_rule_literal(rule.start), date_rule_literal(rule.end)
    return f"{{{rule.std_offset}, {rule.dst_offset}, true, {start}, {end}}}"


def array_definition(declaration: str, values: list[str], per_row: int) -> list[str]:
    """`declaration[N] = {`, the N values `per_row` to a line, and `};`."""
    rows = ["    " + ", ".join(values[i : i + per_row]) + "," for i in range(0, len(values), per_row)]
    return [f"{declaration}[{len(values)}] = {{", *rows, "};", ""]


def names_section(names: list[str], zone_data: list[int]) -> list[str]:
    """Each name, its length in bytes and the index of its data record."""
    return (
        array_definition("const char* const kNames", [c_string(n) for n in names], 1)
        + array_definition("const uint8_t kNameLengths", [str(len(n.encode())) for n in names], 24)
        + array_definition("const uint16_t kZoneData", [str(d) for d in zone_data], 24)
    )


def transitions_section(datas: list[ZoneData]) -> list[str]:
    """The transitions of every data record one after the other, with their
    local readings and types, and the types themselves."""
    transitions = [t for data in datas for t in data.transitions]
    readings = [r for data in datas for r in local_readings(data)]
    transition_types = [t for data in datas for t in data.transition_types]
    types = [t for data in datas for t in data.types]
    # A C++ array cannot be empty: a table without transitions gets one filler.
    transition_values = [f"{t}LL" for t in transitions] or ["0"]
    reading_values = [f"{{{before}LL, {after}LL}}" for before, after in readings] or ["{0, 0}"]
    transition_type_values = [str(t) for t in transition_types] or ["0"]
    type_values = [f"{{{offset}, {'true' if dst else 'false'}}}" for offset, dst in types]
    return (
        array_definition("const int64_t kTransitions", transition_values, 8)
        + array_definition("const LocalReadings kLocalReadings", reading_values, 4)
        + array_definition("const uint8_t kTransitionTypes", transition_type_values, 32)
        + array_definition("const OffsetType kTypes", type_values, 6)
    )


def records_section(datas: list[ZoneData], daylight_rules: list[PosixRule]) -> list[str]:
    """One record per data: where its transitions and types start, its
    daylight rule's index and its closing rule."""
    records = []
    first_transition = first_type = 0
    for data in datas:
        rule = daylight_rule(data)
        dst_rule = daylight_rules.index(rule) if rule is not None else -1
        records.append(
            f"{{{first_transition}, {len(data.transitions)}, {first_type}, {data.before_type}, "
            f"{dst_rule}, {int64_literal(rule_after(data))}, "
            f"{int64_literal(rule_local_from(data))}, {rule_literal(data.rule)}}}"
        )
        first_transition += len(data.transitions)
        first_type += len(data.types)
    return array_definition("const ZoneRecord kRecords", records, 1)


def hash_section(displacements: list[int], slots: list[int]) -> list[str]:
    """The perfect hash of the names: a displacement per bucket, a name per slot."""
    return (
        array_definition("const uint16_t kDisplacements", [str(d) for d in displacements], 16)
        + array_definition("const int16_t kSlots", [str(s) for s in slots], 16)
    )


def table_source(
    package: TzdataPackage,
    names: list[str],
    datas: list[ZoneData],
    zone_data: list[int],
    daylight_rules: list[PosixRule],
) -> str:
    """zone_table.cpp: the definitions zone_table.h declares."""
    displacements, slots = build_perfect_hash(names)
    lines = [
        f"// Generated by tools/gen_zone_table.py from tzdata {package.version}. Do not edit.",
        '#include "time/zone_table.h"',
        "",
        "#include <cstdint>",
        "",
        "namespace qt::zone_table {",
        "",
        f"const char kIanaVersion[] = {c_string(package.iana_version)};",
        "",
    ]
    lines += names_section(names, zone_data)
    lines += transitions_section(datas)
    lines += records_section(datas, daylight_rules)
    lines += hash_section(displacements, slots)
    lines += ["}  // namespace qt::zone_table", ""]
    return "\n".join(lines)


def size_header(names: list[str]) -> str:
    """zone_table_size.h: the sizes zone_table.h declares its arrays with."""
    lines = [
        "// Generated by tools/gen_zone_table.py. Do not edit.",
        "#pragma once",
        f"#define QT_ZONE_COUNT {len(names)}",
        f"#define QT_ZONE_UTC {names.index('UTC')}",
        f"#define QT_HASH_SLOTS {HASH_SLOTS}",
        f"#define QT_HASH_BUCKETS {HASH_BUCKETS}",
        "",
    ]
    return "\n".join(lines)


def dst_rules_header(rules: list[PosixRule]) -> str:
    """zone_dst_rules.h: the distinct daylight-saving rules, visible to the
    compiler so that it can work out their change instants for the common
    years ahead of time."""
    lines = [
        "// Generated by tools/gen_zone_table.py. Do not edit.",
        "#pragma once",
        '#include "time/zone_table.h"',
        "",
        "namespace qt::zone_table {",
        "",
        f"inline constexpr int kDstRuleCount = {len(rules)};",
    ]
    # A C++ array cannot be empty: without daylight rules it holds one filler.
    values = [rule_literal(r) for r in rules] or [rule_literal(None)]
    lines += array_definition("inline constexpr PosixRule kDstRules", values, 1)
    lines += ["}  // namespace qt::zone_table", ""]
    return "\n".join(lines)


def generate(out_path: str, package: TzdataPackage) -> int:
    """Writes the table source to out_path and its two headers beside it,
    and returns the number of zones; nothing is written when any zone
    cannot be compiled."""
    names = zone_names(package)
    datas, zone_data = load_zones(package, names)
    daylight_rules = distinct_daylight_rules(datas)
    out_dir = os.path.dirname(os.path.abspath(out_path))
    outputs = {
        out_path: table_source(package, names, datas, zone_data, daylight_rules),
        os.path.join(out_dir, "zone_table_size.h"): size_header(names),
        os.path.join(out_dir, "zone_dst_rules.h"): dst_rules_header(daylight_rules),
    }
    os.makedirs(out_dir, exist_ok=True)
    for path, text in outputs.items():
        write_if_changed(path, text)
    return len(names)


def write_if_changed(path: str, text: str) -> None:
    """Leaves a file that already holds the text untouched, so that the same
    data regenerated (from a new build environment's copy of the package)
    recompiles nothing."""
    try:
        with open(path) as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w") as f:
        f.write(text)


def main(args: list[str]) -> None:
    if len(args) not in (2, 3):
        sys.exit(__doc__)
    out_path, source, *wanted = args
    try:
        package = TzdataPackage(source)
        if wanted and package.version != wanted[0]:
            raise PackageError(f"{source} holds tzdata {package.version}, not the {wanted[0]} this build asks for")
        count = generate(out_path, package)
    except (PackageError, ValueError) as error:
        sys.exit(f"gen_zone_table.py: cannot compile the zone table from {source}: {error}")
    print(f"zone table: {count} zones of IANA release {package.iana_version} (tzdata {package.version})")


if __name__ == "__main__":
    main(sys.argv[1:])
