"""Fails on constructs in src/ that tie the code to one compiler, one C library or one data
model: compiler builtins and attributes outside the one header that spells them for every
compiler, POSIX and Windows calls and headers, and the C `long`, which is 32 bits on Windows.
Comments and string literals are not read.

    python tools/cross/portability_lint.py [SRC_DIR]
"""

import pathlib
import re
import sys

# (what is refused, why, the one file allowed to hold it)
RULES = [
    (r"__builtin_\w+", "a compiler builtin: use src/time/checked_math.h", "time/checked_math.h"),
    (r"\[\[\s*(gnu|clang|msvc)::|__attribute__|__declspec|__forceinline",
     "a compiler-specific attribute: use src/time/inlining.h", "time/inlining.h"),
    (r"\b(clock_gettime|gettimeofday|CLOCK_REALTIME|GetSystemTime\w*)\b",
     "a platform clock: read the time through current_utc_ms (src/time/clock.h)", None),
    (r"\b(timespec|timespec_get|TIME_UTC)\b",
     "the standard clock call: read the time through current_utc_ms (src/time/clock.h)", "time/clock.cpp"),
    (r"#\s*include\s*<(sys/[\w/.]+|unistd\.h|windows\.h|pthread\.h|dlfcn\.h)>", "a platform header", None),
    (r"__int128|\bssize_t\b", "a type not every compiler or platform has", None),
    (r"(?<!long )\blong\b(?! long)|\bPyLong_As(Unsigned)?Long\b",
     "a C long, 32 bits on Windows: use int64_t, or long long with the Python API", None),
]
COMMENT_OR_STRING = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)


def code_of(text):
    """The text with comments and literals blanked out, line breaks kept."""
    return COMMENT_OR_STRING.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), text)


def main(src):
    root = pathlib.Path(src)
    found = []
    for path in sorted(p for p in root.rglob("*") if p.suffix in (".h", ".cpp")):
        name = path.relative_to(root).as_posix()
        for number, line in enumerate(code_of(path.read_text(encoding="utf-8")).splitlines(), 1):
            for pattern, why, allowed in RULES:
                if name != allowed and (match := re.search(pattern, line)):
                    found.append(f"{root / name}:{number}: {match.group(0)}: {why}")
    print("\n".join(found) or f"portability lint: {root} is clean")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "src"))
