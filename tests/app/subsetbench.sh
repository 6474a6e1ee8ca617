#!/bin/bash
# The benchmark's native baseline: full-size generated files (an apt.dat of
# 250,000 lines, a nav.dat of 25,000 and a fix.dat of 120,000), subset for
# the whole world by subset.awk, timed. The application's own figures (the
# start window's reading time, the time of a whole-world save, peak memory)
# are taken against the same files once it runs under Wine.
#
#   tests/app/subsetbench.sh [build folder]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
generator="$build/host/bin/navdatagen"
[ -x "$generator" ] || { echo "subsetbench: build first (scripts/build.sh)" >&2; exit 1; }

data="$build/bench/data"
out="$build/bench/awk"
mkdir -p "$data" "$out"
"$generator" world "$data"
input=$(cat "$data"/apt.dat "$data"/nav.dat "$data"/fix.dat | wc -c)
echo "input: $(wc -l < "$data/apt.dat") + $(wc -l < "$data/nav.dat") + $(wc -l < "$data/fix.dat") lines, $input bytes"

seconds() { date +%s.%N; }
start=$(seconds)
for kind in apt nav fix; do
    LC_ALL=C awk -v kind=$kind -v maxlat=90 -v minlat=-90 -v maxlon=180 -v minlon=-180 -v xpready=1 \
        -f "$here/subset.awk" "$data/$kind.dat" > "$out/new_$kind.dat"
done
end=$(seconds)
awk -v s="$start" -v e="$end" 'BEGIN { printf "awk, reading and writing the whole world: %.2f s\n", e - s }'
wc -l "$out"/new_*.dat
