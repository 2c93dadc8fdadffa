#!/usr/bin/env bash
# One `aircooler-cli select` as a process of its own, against the floor of a Qt Core program
# that prints a line, measured side by side (the runs alternate) from an optimised build in
# build-bench/. The median of the runs counts. Exits with status 1 when the ratio misses its
# target of 1.3.
#
#   bench/app/select-startup.sh          # 200 runs of each
#   RUNS=50 bench/app/select-startup.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-bench"
runs="${RUNS:-200}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DAIRCOOLER_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target aircooler-cli core_line -j2 >/dev/null 2>&1

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

cli="$build/bin/aircooler-cli"
floor="$build/bench/core_line"
select=(select --series VAM --oil "ISO VG 46" --flow 100 --max-oil-temp 60 --air-temp 30
        --altitude 0 --heat 20 --json)
"$cli" "${select[@]}" >/dev/null # the files are in the cache before the first measured run

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for ((r = 0; r < runs; r++)); do
    start=${EPOCHREALTIME/[.,]/}
    "$floor" >/dev/null
    echo $((${EPOCHREALTIME/[.,]/} - start)) >>"$work/floor"
    start=${EPOCHREALTIME/[.,]/}
    "$cli" "${select[@]}" >/dev/null
    echo $((${EPOCHREALTIME/[.,]/} - start)) >>"$work/select"
done

floor_us=$(median <"$work/floor")
select_us=$(median <"$work/select")
awk -v f="$floor_us" -v s="$select_us" 'BEGIN {
    printf "Qt Core program printing a line  %6.2f ms\n", f / 1000
    printf "aircooler-cli select --json      %6.2f ms   %.2f x   (target 1.3 x)\n", s / 1000, s / f
    exit (s / f <= 1.3) ? 0 : 1
}'
