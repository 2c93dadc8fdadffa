#!/usr/bin/env bash
# Peak resident memory of aircooler-cli for its heaviest commands, against the 30 MB target.
# Runs the programs of build/ (./test or tools/build.sh makes them).
#
#   bench/app/cli-memory.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${CLI:-$root/build/bin/aircooler-cli}"
limit_kb=$((30 * 1024))
status=0
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

peak_kb() { /usr/bin/time -f '%M' "$cli" "$@" 2>&1 >/dev/null | tail -n 1; }

while IFS= read -r line; do
    eval "args=($line)"
    kb=$(peak_kb "${args[@]}")
    verdict=ok
    if [ "$kb" -ge "$limit_kb" ]; then verdict="over 30 MB"; status=1; fi
    printf '%7.1f MB  %-10s aircooler-cli %s\n' "$(awk -v k="$kb" 'BEGIN{print k/1024}')" "$verdict" "$line"
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
COMMANDS
exit "$status"
