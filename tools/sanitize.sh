#!/usr/bin/env bash
# Builds the module with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the test suite against that build.
#
#   tools/sanitize.sh [pytest arguments]
#
# Python itself is not instrumented, so the sanitizer runtimes are preloaded;
# leak checking is off because the interpreter keeps memory until exit.
# PYTHONMALLOC=malloc sends Python objects through malloc, where the
# sanitizer sees them: with Python's own allocator a freed object stays in
# its pool and reading it goes unnoticed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/sanitize
python=${PYTHON:-python3}
cmake -S . -B "$build" -G Ninja -DPython_EXECUTABLE="$(command -v "$python")" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQT_SANITIZE=ON >/dev/null
cmake --build "$build" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
asan=$(g++ -print-file-name=libasan.so)
ubsan=$(g++ -print-file-name=libubsan.so)
export LD_PRELOAD="$asan:$ubsan"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export PYTHONMALLOC=malloc
PYTHONPATH="$build" "$python" -m pytest -q -p no:cacheprovider "$@"
