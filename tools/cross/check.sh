#!/usr/bin/env bash
# Cross-compilation checks with zig's clang and libc++ (pip install ziglang ninja):
#   1. the portability lint of src/ (tools/cross/portability_lint.py);
#   2. every source file compiled for x86_64-linux-gnu, aarch64-linux-gnu,
#      x86_64-windows-gnu, x86_64-macos and aarch64-macos, the module's files against
#      the limited API of 3.11 (Py_LIMITED_API=0x030B0000) with this interpreter's
#      headers (for Windows with the stand-in pyconfig.h of tools/cross/windows);
#   3. per target, the core, the generated zone table and tools/cross/core_check.cpp
#      linked into a check program, which compares the core's results with the test
#      suite's oracle (tools/cross/expected_values.py);
#   4. the check program run: natively, under qemu-aarch64-static (Debian:
#      qemu-user-static, libc6-arm64-cross) and under Wine (Debian: wine64); the macOS
#      programs are only checked to be Mach-O executables for their CPU.
#
#   tools/cross/check.sh
#
# Runs in the test environment (the oracle needs the suite's imports and the pinned tzdata).
set -euo pipefail
cd "$(dirname "$0")/../.."
python=${PYTHON:-python3}
out=build/cross
targets=(x86_64-linux-gnu aarch64-linux-gnu x86_64-windows-gnu x86_64-macos aarch64-macos)
fail() { printf 'cross check: %s\n' "$1" >&2; exit 1; }

"$python" tools/cross/portability_lint.py src

mkdir -p "$out/generated"
# The zones of the tzdata the oracle reads, so that both are one release.
tzdata_dir=$("$python" -c 'import os, tzdata; print(os.path.dirname(tzdata.__file__))')
"$python" tools/gen_zone_table.py "$out/generated/zone_table.cpp" "$tzdata_dir"
"$python" tools/docgen.py header "$out/generated/method_docs.h"
"$python" tools/cross/expected_values.py "$out/generated/cross_expected.h"
pyinc=$("$python" -c 'import sysconfig; print(sysconfig.get_paths()["include"])')
# Python.h includes "pyconfig.h" from its own folder, so Windows gets a copy of the
# headers with the stand-in beside them.
rm -rf "$out/windows-python" && cp -r "$pyinc" "$out/windows-python"
cp tools/cross/windows/pyconfig.h "$out/windows-python/pyconfig.h"

core=$(find src -name '*.cpp' ! -path 'src/module/*' | sort)
module=$(find src/module -name '*.cpp' | sort)
zig="$(command -v "$python") -m ziglang c++"
{
    echo "builddir = $out"
    echo "flags = -std=c++23 -O1 -Wall -Wextra -Wpedantic -Werror -Isrc -I$out/generated"
    for t in "${targets[@]}"; do
        inc=$pyinc
        [[ $t == *windows* ]] && inc=$out/windows-python
        echo "rule cc_$t"
        echo "  command = $zig -target $t \$flags \$extra -MD -MF \$out.d -c \$in -o \$out"
        echo "  depfile = \$out.d"
        echo "  description = $t \$in"
        echo "rule link_$t"
        echo "  command = $zig -target $t \$in -o \$out"
        echo "  description = link $t"
        objs=()
        for f in $core "$out/generated/zone_table.cpp" tools/cross/core_check.cpp; do
            echo "build $out/$t/${f#"$out/"}.o: cc_$t $f"
            objs+=("$out/$t/${f#"$out/"}.o")
        done
        for f in $module; do
            echo "build $out/$t/$f.o: cc_$t $f"
            echo "  extra = -DPy_LIMITED_API=0x030B0000 -isystem $inc"
        done
        exe=$out/$t/core_check
        [[ $t == *windows* ]] && exe=$exe.exe
        echo "build $exe: link_$t ${objs[*]}"
    done
} >"$out/build.ninja"
ninja -C . -f "$out/build.ninja" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-2}"

echo "== x86_64-linux-gnu"
"$out/x86_64-linux-gnu/core_check"
echo "== aarch64-linux-gnu under QEMU"
command -v qemu-aarch64-static >/dev/null || fail "no qemu-aarch64-static (Debian: qemu-user-static)"
[[ -d /usr/aarch64-linux-gnu/lib ]] || fail "no aarch64 glibc in /usr/aarch64-linux-gnu (Debian: libc6-arm64-cross)"
qemu-aarch64-static -L /usr/aarch64-linux-gnu "$out/aarch64-linux-gnu/core_check"
echo "== x86_64-windows-gnu under Wine"
wine=$(command -v wine64 || command -v wine || ls /usr/lib/wine/wine64 2>/dev/null) || fail "no Wine (Debian: wine64)"
WINEPREFIX=$PWD/$out/wineprefix WINEDEBUG=-all "$wine" "$out/x86_64-windows-gnu/core_check.exe"
# A 64-bit Mach-O begins with cf fa ed fe; its CPU type follows (7 for x86_64, 12 for
# arm64, with the 64-bit flag 0x01000000).
for t in x86_64-macos:07000001 aarch64-macos:0c000001; do
    header=$(od -An -tx1 -N8 "$out/${t%%:*}/core_check" | tr -d ' \n')
    [[ $header == cffaedfe${t##*:} ]] || fail "${t%%:*}/core_check is no Mach-O executable for its CPU ($header)"
    echo "== ${t%%:*}: compiled and linked (Mach-O $header), not run"
done
