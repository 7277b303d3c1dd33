#!/usr/bin/env bash
# Runs the test suite against one built wheel on every CPython it is for, each in a
# fresh virtual environment that holds the wheel with its test extra and nothing else.
# One cp311-abi3 wheel serves all of them, so it is the one thing to test.
#
#   tools/test_wheel.sh WHEEL [pytest arguments]
#
# An interpreter is python3.X on PATH or the newest under ~/.pyenv/versions/3.X.*/.
# A missing one fails the run: the wheel claims every version listed here.
set -euo pipefail
versions=(3.11 3.12 3.13)
[[ $# -ge 1 && -f $1 ]] || { echo "usage: tools/test_wheel.sh WHEEL [pytest arguments]" >&2; exit 2; }
wheel=$(realpath "$1")
shift
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the first interpreter found for version $1 that really is that version.
find_python() {
    local candidate
    for candidate in "$(command -v "python$1" || true)" \
                     $(ls -d ~/.pyenv/versions/"$1".*/bin/"python$1" 2>/dev/null | sort -rV); do
        if [[ -n $candidate ]] && [[ $("$candidate" -c 'import sys; print("%d.%d" % sys.version_info[:2])' 2>/dev/null) == "$1" ]]; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

# Every version runs even after one failed, so that one run shows where the wheel breaks.
failed=()
for version in "${versions[@]}"; do
    printf '\n== CPython %s ==\n' "$version"
    if ! python=$(find_python "$version"); then
        echo "test_wheel: no CPython $version found (looked for python$version on PATH and in ~/.pyenv/versions/)" >&2
        failed+=("$version (no interpreter)")
        continue
    fi
    venv=$work/py$version
    "$python" -m venv "$venv"
    "$venv/bin/python" -m pip install -q "$wheel[test]"
    # The checkout is the working directory, so make sure the module comes from the wheel.
    env -u PYTHONPATH "$venv/bin/python" -c \
        'import quendreltime, sys; assert quendreltime.__file__.startswith(sys.prefix), quendreltime.__file__'
    env -u PYTHONPATH "$venv/bin/python" -m pytest -q -p no:cacheprovider "$@" || failed+=("$version")
done
if [[ ${#failed[@]} -gt 0 ]]; then
    printf 'test_wheel: failed on CPython %s\n' "${failed[@]}" >&2
    exit 1
fi
