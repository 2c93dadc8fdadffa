#!/usr/bin/env bash
# Start-up time and idle memory of the window program `aircooler`, each against the toolkit's
# floor: a program that shows one empty Qt window. Both run under xvfb-run, from an optimised
# build in build-bench/, as a fresh user whose settings are seeded by a first, unmeasured start.
#
#   bench/ui/startup.sh            # 15 starts of each program
#   RUNS=40 bench/ui/startup.sh
#
# Start-up is the time from launching a program to its first painted window (the programs
# report that moment themselves when AIRCOOLER_QUIT_AFTER_SHOW=1, then quit); the median of
# the runs counts. Idle memory is the resident set size a few seconds after the window showed.
# Exits with status 1 when a ratio misses its target (start-up 1.5, memory 1.3).
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-bench"
runs="${RUNS:-15}"

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# Microseconds from launch to the first painted window. The clock is read without starting a
# process and the program replaces the shell that launches it, so that little but the program's
# own start lies between the two readings.
first_paint_us() {
    local start out painted
    start=${EPOCHREALTIME/[.,]/}
    out=$(AIRCOOLER_QUIT_AFTER_SHOW=1 exec "$1" 2>/dev/null) || true
    painted=$(sed -n 's/^first-paint-ns //p' <<<"$out")
    if [ -z "$painted" ]; then
        echo "$(basename "$1") did not show its window" >&2
        exit 2
    fi
    echo $((painted / 1000 - start))
}

# Resident memory in kB of a program idling a few seconds after its start.
idle_rss_kb() {
    "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local rss
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$rss"
}

measure() {
    local empty="$build/bench/empty_window" program="$build/bin/aircooler"
    first_paint_us "$program" >/dev/null # seeds the fresh user's settings
    first_paint_us "$empty" >/dev/null
    local empty_times=() program_times=()
    for ((i = 0; i < runs; i++)); do
        empty_times+=("$(first_paint_us "$empty")")
        program_times+=("$(first_paint_us "$program")")
    done
    local empty_us program_us empty_kb program_kb
    empty_us=$(printf '%s\n' "${empty_times[@]}" | median)
    program_us=$(printf '%s\n' "${program_times[@]}" | median)
    empty_kb=$(for i in 1 2 3; do idle_rss_kb "$empty"; done | median)
    program_kb=$(for i in 1 2 3; do idle_rss_kb "$program"; done | median)

    awk -v runs="$runs" -v e="$empty_us" -v p="$program_us" -v em="$empty_kb" -v pm="$program_kb" 'BEGIN {
        st = p / e; mem = pm / em
        printf "start-up to the first painted window, median of %d starts\n", runs
        printf "  empty Qt window   %8.1f ms\n", e / 1000
        printf "  aircooler         %8.1f ms\n", p / 1000
        printf "  ratio             %8.2f   (target below 1.5)\n", st
        printf "idle memory, resident set\n"
        printf "  empty Qt window   %8.1f MB\n", em / 1024
        printf "  aircooler         %8.1f MB\n", pm / 1024
        printf "  ratio             %8.2f   (target below 1.3)\n", mem
        exit (st < 1.5 && mem < 1.3) ? 0 : 1
    }'
}

if [ "${1:-}" = "--on-display" ]; then
    measure
    exit
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DAIRCOOLER_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target aircooler empty_window -j2 >/dev/null
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
# A program that cannot start shows a message box and waits; the time limit ends such a run.
timeout 900 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display
