#!/bin/bash
# Builds everything and runs Airport Tessel (Tessel21.exe with its image
# appended) under Wine on the bundled sample data in data/.
#
# With an X display the program is yours to use. Without one it runs on a
# virtual display, where a driver does one whole session as a person would:
# it clicks the splash, waits for the reading, presses Proceed, types the
# corners of the Low Countries, ticks "Make it XP ready", answers the three
# save dialogs and presses Done. The three subsets and a picture of each
# window land in build/session.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

program="$build/win32/app/Tessel21.exe"
export WINEPREFIX="$build/win32/wineprefix" WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
    # The program reads its files from the folder data beside it.
    run="$build/run"
    mkdir -p "$run/data"
    cp "$program" "$run/"
    cp "$root"/data/*.dat "$run/data/"
    cd "$run"
    exec "$build/win32/wine-run" Tessel21.exe
fi

output="$build/session"
rm -rf "$output"
echo "No X display: running one session on a virtual display; results go to $output" >&2
winpath() { echo "Z:$1" | tr / '\\'; }
xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/win32/wine-run" "$build/win32/tests/app/tessel_session.exe" \
    "$(winpath "$program")" "$(winpath "$root/data")" "$(winpath "$output")"
for picture in "$output"/*.bmp; do
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
echo "Subsets: $output/new_apt.dat, new_nav.dat, new_fix.dat; pictures of the windows: $output/*.png"
