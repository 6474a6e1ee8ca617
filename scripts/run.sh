#!/bin/bash
# Builds everything and runs Tessel21.exe under Wine with its image appended.
# Uses the current X display, or a virtual one (with a screenshot written to
# build/screenshot.png) when there is none.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

program="$build/win32/app/Tessel21.exe"
cd "$(dirname "$program")"
if [ -n "${DISPLAY:-}" ]; then
    exec "$build/win32/wine-run" "$program"
fi
echo "No X display: running on a virtual one; see $build/screenshot.png" >&2
export build program
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    run() { "$build/win32/wine-run" "$@"; }
    run cmd /c exit                       # the Wine prefix exists from here on
    run "$program" &
    run "$build/win32/tests/answerbox.exe" --wait 60 &&
        import -window root "$build/screenshot.png"
    run "$build/win32/tests/answerbox.exe" 5 || true
    wait'
