#!/usr/bin/env bash
# Builds the module with clang 19 and libc++ and runs the test suite against that build.
# macOS compiles with clang and libc++, not g++ and libstdc++; this build shows here what
# only that pair refuses, warns about or does differently.
#
#   tools/clang_libcxx.sh [pytest arguments]
#
# Needs Debian's clang-19, libc++-19-dev and libc++abi-19-dev. Extra CMake arguments come
# from CMAKE_ARGS, as they do for pip builds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/clang
python=${PYTHON:-python3}
cxx=clang++-19
command -v "$cxx" >/dev/null ||
    { echo "clang_libcxx.sh: no $cxx (Debian: apt-get install clang-19 libc++-19-dev libc++abi-19-dev)" >&2; exit 1; }
read -ra cmake_args <<<"${CMAKE_ARGS:-}"
cmake -S . -B "$build" -G Ninja -DPython_EXECUTABLE="$(command -v "$python")" \
      -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS=-stdlib=libc++ "${cmake_args[@]}" >/dev/null
cmake --build "$build" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
# Linked against libstdc++ by mistake, the run would test the other standard library.
# grep reads all of ldd's output: with -q it may stop early, and ldd's broken pipe
# would then fail the pipeline.
ldd "$build"/quendreltime*.so | grep 'libc++\.so' >/dev/null ||
    { echo "clang_libcxx.sh: the module is not linked against libc++" >&2; exit 1; }
PYTHONPATH="$build" "$python" -m pytest -q -p no:cacheprovider "$@"
