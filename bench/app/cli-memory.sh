#!/usr/bin/env bash
# Peak resident memory of aircooler-cli for its heaviest commands, against the targets: 30 MB,
# and 60 MB for the commands that render pages or pictures (report, diagram, motor-table --pdf).
# Runs the programs of build/ (./test or tools/build.sh makes them).
#
#   bench/app/cli-memory.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${CLI:-$root/build/bin/aircooler-cli}"
status=0
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# A batch of every series, repeated: the memory of a batch must not grow with its rows.
{
    echo "series,oil,flow,max-oil-temp,air-temp,altitude,heat"
    for i in $(seq 500); do
        echo "VAM,ISO VG 46,100,60,30,0,20"
        echo "VDM,ISO VG 32,40,55,25,300,3.5"
        echo "VHM,ISO VG 68,150,70,35,500,40"
        echo "VCS,ISO VG 46,,65,35,0,16"
    done
} >"$out/points.csv"

peak_kb() { /usr/bin/time -f '%M' "$cli" "$@" 2>&1 >/dev/null | tail -n 1; }

while IFS= read -r line; do
    eval "args=($line)"
    kb=$(peak_kb "${args[@]}")
    limit=30
    case "$line" in report* | diagram* | *--pdf*) limit=60 ;; esac
    verdict="ok (${limit})"
    if [ "$kb" -ge $((limit * 1024)) ]; then verdict="over $limit MB"; status=1; fi
    printf '%7.1f MB  %-12s aircooler-cli %s\n' "$(awk -v k="$kb" 'BEGIN{print k/1024}')" "$verdict" "$line"
done <<'COMMANDS'
convert flow 10 "US gpm" "l/min"
demo
select --series VCS --oil "ISO VG 46" --max-oil-temp 60 --air-temp 30 --altitude 0 --heat 20 --json
select --series VHM --oil "ISO VG 680" --flow 200 --max-oil-temp 70 --air-temp 20 --altitude 2000 --heat 60 --language GERMAN
report --series VAM --oil "ISO VG 46" --flow 100 --max-oil-temp 60 --air-temp 30 --altitude 0 --heat 20 --out "$out/report.odt"
report --series VAM --oil "ISO VG 46" --flow 100 --max-oil-temp 60 --air-temp 30 --altitude 0 --heat 20 --report-language SPANISH --out "$out/report.pdf"
models --series VCS --json
motor-table --json
motor-table --pdf /dev/null
diagram --series VAM --oil "ISO VG 46" --flow 100 --max-oil-temp 60 --air-temp 30 --altitude 0 --heat 20 --out "$out/diagram.png" --json
select --batch "$out/points.csv" --out "$out/results.csv"
COMMANDS
exit "$status"
