#!/bin/bash
# Builds everything and runs all tests: the native tools' tests, then the
# Windows tests under Wine on a virtual X server (message boxes and windows
# need one).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

ctest --test-dir "$build/host" --output-on-failure

# One Wine server for the whole run instead of one per test program.
export WINEPREFIX="$build/win32/wineprefix" WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/wine-run" cmd /c exit        # creates the prefix on a first run
    wineserver -p
    ctest --test-dir "$1" --output-on-failure --timeout 900 "${@:2}"
    status=$?
    wineserver -k 2>/dev/null
    exit $status' _ "$build/win32" "$@"
