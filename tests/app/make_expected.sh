#!/bin/bash
# Writes the expected subsets of every case with subset.awk: the files that
# the end-to-end tests compare byte for byte with what Tessel21.exe writes.
# Each case folder holds corners (the four typed fields and the check box),
# messages (the texts of the message boxes the program shows on the way, in
# order) and data/ with its input files; the sample case reads the bundled
# data/. Without apt.dat or nav.dat the program ends after its messages and
# writes nothing; without fix.dat the fix subset has only its header.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for case in "$here"/cases/*/; do
    data="$case/data"
    [ -d "$data" ] || data="$here/../../data"
    eval "$(cat "$case/corners")"
    [ -f "$data/apt.dat" ] && [ -f "$data/nav.dat" ] || continue
    mkdir -p "$case/expected"
    for kind in apt nav fix; do
        input="$data/$kind.dat"
        [ -f "$input" ] || input=/dev/null
        LC_ALL=C awk -v kind=$kind -v maxlat="$maxlat" -v minlat="$minlat" -v maxlon="$maxlon" \
            -v minlon="$minlon" -v xpready="$xpready" -f "$here/subset.awk" "$input" \
            > "$case/expected/new_$kind.dat"
    done
done
