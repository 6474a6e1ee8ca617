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
    "$build/win32/wine-run" "$program" &
    sleep 8
    import -window root "$build/screenshot.png"
    "$build/win32/wine-run" "$build/win32/tests/answerbox.exe" 20 || true
    wait'
