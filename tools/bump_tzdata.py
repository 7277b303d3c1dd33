#!/usr/bin/env python3
"""Move the pinned tzdata release to another one, in one command.

Usage: python tools/bump_tzdata.py NEW [--from OLD] [--years FIRST LAST] [--compare-only]

1. Fetches the wheels of the pinned release (or OLD) and of NEW with pip.
2. Prints the zones whose answers differ between them: each zone's offset,
   read with zoneinfo from each release's own files, compared hourly over
   the years FIRST to LAST (by default last year and the ten after it), as a
   table of the first instant that differs; then the names one release has
   and the other lacks, and the zones whose data differs only outside the years.
3. Replaces the pin in pyproject.toml and README.md (with its IANA release
   and zone count).
4. Reinstalls the module with its test extra into this interpreter's
   environment, which compiles the new release and installs it as the
   tests' oracle, and runs the test suite.

With --compare-only it stops after step 2 and changes nothing.
"""

from __future__ import annotations

import argparse
import datetime as dt
import io
import pathlib
import re
import subprocess
import sys
import tempfile
import zipfile
import zoneinfo
from dataclasses import dataclass

ROOT = pathlib.Path(__file__).resolve().parent.parent
PYPROJECT = ROOT / "pyproject.toml"
README = ROOT / "README.md"
PIN = re.compile(r'"tzdata==([^"]+)"')
HOUR = 3600


@dataclass
class Release:
    """One tzdata release, read from its wheel."""

    version: str
    iana_version: str
    zones: dict[str, bytes]  # name -> TZif file, "Factory" left out

    @classmethod
    def fetch(cls, version: str, into: pathlib.Path) -> Release:
        dest = into / version
        subprocess.run([sys.executable, "-m", "pip", "download", "--quiet", "--no-deps", "--only-binary=:all:",
                        "--dest", str(dest), f"tzdata=={version}"], check=True)
        with zipfile.ZipFile(next(dest.glob("tzdata-*.whl"))) as wheel:
            init = wheel.read("tzdata/__init__.py").decode()
            names = [n for n in wheel.read("tzdata/zones").decode().split() if n != "Factory"]
            zones = {name: wheel.read(f"tzdata/zoneinfo/{name}") for name in names}
        iana_version = re.search(r"IANA_VERSION\s*=\s*[\"']([^\"']+)", init).group(1)
        return cls(version, iana_version, zones)

    def zone(self, name: str) -> zoneinfo.ZoneInfo:
        return zoneinfo.ZoneInfo.from_file(io.BytesIO(self.zones[name]), key=name)


def offset_text(offset: dt.timedelta) -> str:
    minutes = offset // dt.timedelta(minutes=1)
    sign = "-" if minutes < 0 else "+"
    return f"{sign}{abs(minutes) // 60:02d}:{abs(minutes) % 60:02d}"


def first_difference(old: zoneinfo.ZoneInfo, new: zoneinfo.ZoneInfo, start: int, end: int):
    """(UTC instant, old offset, new offset) of the first hour in [start, end)
    at which the two read differently, or None."""
    for seconds in range(start, end, HOUR):
        instant = dt.datetime.fromtimestamp(seconds, dt.timezone.utc)
        before, after = instant.astimezone(old).utcoffset(), instant.astimezone(new).utcoffset()
        if before != after:
            return instant, before, after
    return None


def compare(old: Release, new: Release, first_year: int, last_year: int) -> None:
    """Prints which zones' answers changed from one release to the other."""
    start = int(dt.datetime(first_year, 1, 1, tzinfo=dt.timezone.utc).timestamp())
    end = int(dt.datetime(last_year + 1, 1, 1, tzinfo=dt.timezone.utc).timestamp())
    changed: dict[tuple, list[str]] = {}
    elsewhere = []
    for name in new.zones:
        if name not in old.zones or old.zones[name] == new.zones[name]:
            continue
        found = first_difference(old.zone(name), new.zone(name), start, end)
        if found:
            changed.setdefault(found, []).append(name)
        else:
            elsewhere.append(name)
    count = sum(len(names) for names in changed.values())
    print(f"\ntzdata {old.version} (IANA {old.iana_version}) -> {new.version} (IANA {new.iana_version}): "
          f"answers differ in {count} of {len(new.zones)} zones, hourly over {first_year}-{last_year}")
    if changed:
        print(f"\n| zones | first difference (UTC) | {old.iana_version} offset -> {new.iana_version} |\n|---|---|---|")
        for (instant, before, after), names in sorted(changed.items()):
            print(f"| {', '.join(names)} | {instant:%Y-%m-%d %H:%M} | {offset_text(before)} -> {offset_text(after)} |")
    for label, names in (
        (f"zones only in {new.version}", [n for n in new.zones if n not in old.zones]),
        (f"zones only in {old.version}", [n for n in old.zones if n not in new.zones]),
        (f"data changed outside {first_year}-{last_year} only", elsewhere),
    ):
        if names:
            print(f"\n{label}: {', '.join(names)}")


def pinned_release() -> str:
    pins = set(PIN.findall(PYPROJECT.read_text()))
    if len(pins) != 1:
        sys.exit(f"pyproject.toml should pin one tzdata release; it pins {sorted(pins)}")
    return pins.pop()


def move_pin(old: Release, new: Release) -> None:
    """The new release in pyproject.toml's requirements and in the README."""
    PYPROJECT.write_text(PYPROJECT.read_text().replace(f'"tzdata=={old.version}"', f'"tzdata=={new.version}"'))
    text = README.read_text(encoding="utf-8").replace(f"tzdata=={old.version}", f"tzdata=={new.version}")
    text = text.replace(f"release {old.iana_version}", f"release {new.iana_version}")
    text = re.sub(rf"\b{len(old.zones)} zone", f"{len(new.zones)} zone", text)
    README.write_text(text, encoding="utf-8")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("new", help="the tzdata release to pin, e.g. 2026.7")
    parser.add_argument("--from", dest="old", help="the release to compare with (default: the pinned one)")
    this_year = dt.date.today().year
    parser.add_argument("--years", nargs=2, type=int, default=[this_year - 1, this_year + 9], metavar=("FIRST", "LAST"))
    parser.add_argument("--compare-only", action="store_true", help="print the comparison and change nothing")
    args = parser.parse_args()
    pinned = pinned_release()
    if not args.compare_only and args.new == pinned:
        sys.exit(f"tzdata {pinned} is already pinned")
    if not args.compare_only and args.old not in (None, pinned):
        sys.exit(f"the pin moves from the pinned release, {pinned}: --from goes with --compare-only")
    with tempfile.TemporaryDirectory() as tmp:
        old = Release.fetch(args.old or pinned, pathlib.Path(tmp))
        new = Release.fetch(args.new, pathlib.Path(tmp))
    compare(old, new, *args.years)
    if args.compare_only:
        return 0
    move_pin(old, new)
    print(f"\npinned tzdata {new.version} in pyproject.toml and README.md; rebuilding and testing", flush=True)
    subprocess.run([sys.executable, "-m", "pip", "install", "--quiet", ".[test]"], cwd=ROOT, check=True)
    tests = subprocess.run([sys.executable, "-m", "pytest", "-q"], cwd=ROOT)
    verdict = "pass" if tests.returncode == 0 else "FAIL"
    print(f"\nthe tests {verdict} against tzdata {new.version} (IANA {new.iana_version})")
    return tests.returncode


if __name__ == "__main__":
    sys.exit(main())
