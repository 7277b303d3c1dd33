#!/usr/bin/env bash
# Runs every fuzz harness in turn against an AddressSanitizer and
# UndefinedBehaviorSanitizer build of the module.
#
#   tools/fuzz/run.sh [seconds-per-harness] [harness...]
#
# Harnesses: parse, format, arith, batch (all when none are named). Each
# starts from its seed corpus in tools/fuzz/corpus/<harness>/; inputs found
# on the way go to build/fuzz/corpus/<harness>/, failing inputs to
# build/fuzz/artifacts/. Installs atheris when the interpreter lacks it.
#
# As in tools/sanitize.sh the interpreter is not instrumented and the
# sanitizer runtimes are preloaded. The C++ code is compiled with
# comparison tracing, so libFuzzer learns the constants the parsers compare
# against. Python objects go through malloc (PYTHONMALLOC=malloc), so that
# the sanitizer sees a freed one read. A libFuzzer runtime from clang (libclang_rt.fuzzer_no_main, Debian
# package libclang-rt-14-dev) is preloaded ahead of them when present:
# otherwise the sanitizer runtime's empty coverage hooks shadow atheris's,
# and the harnesses run without coverage feedback.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
shift || true
harnesses=(parse format arith batch)
[ $# -gt 0 ] && harnesses=("$@")
build=build/fuzz
# The interpreter binary itself: a launcher script would take the preload.
python=$("${PYTHON:-python3}" -c 'import sys; print(sys.executable)')
"$python" -c 'import atheris' 2>/dev/null || "$python" -m pip install -q atheris

runtime=$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer_no_main-x86_64.a 2>/dev/null | tail -n1 || true)
flags=
if [ -n "$runtime" ]; then
    flags=-fsanitize-coverage=trace-cmp
else
    echo "run.sh: no libFuzzer runtime from clang found; fuzzing without coverage feedback" >&2
fi
cmake -S . -B "$build" -G Ninja -DPython_EXECUTABLE="$python" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQT_SANITIZE=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-2}"

preload="$(g++ -print-file-name=libasan.so):$(g++ -print-file-name=libubsan.so)"
if [ -n "$runtime" ]; then
    if [ ! -f "$build/libfuzzer.so" ] || [ "$runtime" -nt "$build/libfuzzer.so" ]; then
        # libFuzzer has no hooks for floating-point comparisons, which g++
        # traces as well; they carry nothing it could use.
        printf '%s\n' 'extern "C" void __sanitizer_cov_trace_cmpf(float, float) {}' \
            'extern "C" void __sanitizer_cov_trace_cmpd(double, double) {}' > "$build/float_hooks.cpp"
        g++ -shared -fPIC -o "$build/libfuzzer.so" "$build/float_hooks.cpp" \
            -Wl,--whole-archive "$runtime" -Wl,--no-whole-archive -lpthread -ldl
    fi
    preload="$PWD/$build/libfuzzer.so:$preload"
fi

mkdir -p "$build/artifacts"
for harness in "${harnesses[@]}"; do
    mkdir -p "$build/corpus/$harness"
    echo "== $harness: ${seconds}s"
    env LD_PRELOAD="$preload" PYTHONPATH="$build" PYTHONMALLOC=malloc \
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:verify_asan_link_order=0:quarantine_size_mb=64 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$python" "tools/fuzz/fuzz_$harness.py" -max_total_time="$seconds" -timeout=20 -max_len=512 -rss_limit_mb=4096 \
        -use_value_profile=1 -print_final_stats=1 -artifact_prefix="$build/artifacts/$harness-" \
        "$build/corpus/$harness" "tools/fuzz/corpus/$harness" 2>&1 |
        { grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' || true; }
done
