#!/bin/bash
# Builds everything as scripts/build.sh does, then runs the string and number
# benchmark and the text stream benchmark under Wine and prints their figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

"$build/win32/wine-run" "$build/win32/tests/benchmarks/stringbench.exe"
"$build/win32/wine-run" "$build/win32/tests/benchmarks/streambench.exe"
