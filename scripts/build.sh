#!/bin/bash
# Builds everything from a clean clone: the native tools (the image builder)
# into build/host, then the Windows side (runtime, application image, tests)
# into build/win32 with the cross compiler.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSEL_BUILD_DIR:-$root/build}"
jobs="$(nproc)"

bash "$root/scripts/setup.sh"

cmake -S "$root/tools" -B "$build/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/host" -j "$jobs"

cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DTESSEL_HOST_TOOLS="$build/host/bin" >/dev/null
cmake --build "$build/win32" -j "$jobs"
