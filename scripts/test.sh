#!/bin/bash
# Builds everything and runs all tests: the native tools' tests, then the
# Windows tests under Wine on a virtual X server (message boxes and windows
# need one).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

ctest --test-dir "$build/host" --output-on-failure

export WINEPREFIX="$build/win32/wineprefix"
run_windows_tests() {
    # One Wine server for the whole run instead of one per test program.
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    ctest --test-dir "$build/win32" --output-on-failure --timeout 600 "$@"
}
export -f run_windows_tests
export build
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'run_windows_tests "$@"' _ "$@"
