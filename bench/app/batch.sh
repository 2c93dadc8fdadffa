#!/usr/bin/env bash
# Batch sizing: a table of mixed operating points over every series and unit, sized with
# --jobs 1 and --jobs 2, against the targets of 20 us a row on one thread and 1.7 times as fast
# on two (on a quiet machine), with the bound the start-up of a batch sets on that; the same for
# ten times the rows, and their peak memory, against 30 MB, which must not grow with the table;
# beside it the time one select takes as a process of its own. Runs the programs of build/
# (./test or tools/build.sh makes them). Reports; times nothing as a test.
#
#   bench/app/batch.sh             # 10,000 rows, each measurement the best of 3
#   ROWS=2000 RUNS=1 bench/app/batch.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${CLI:-$root/build/bin/aircooler-cli}"
rows="${ROWS:-10000}"
runs="${RUNS:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The same mix on every run: the series in turn, each oil flow, temperature, altitude and heat
# in a unit drawn from its list, and a few models picked by hand.
awk -v rows="$rows" 'BEGIN {
    srand(16)
    split("VAM VDM VHM VCS", series, " ")
    split("ISO VG 22|ISO VG 32|ISO VG 46|ISO VG 68|ISO VG 100|ISO VG 150|ISO VG 220", oils, "|")
    split("m³/h|l/min|kg/s|ft³/h|US gpm|lb/h", flowUnits, "|")
    split("0.06 1 0.014831461 2.118644 0.264201 117.71", flowFactors, " ")
    split("W|kW|kcal/hr|Btu/hr|HP", heatUnits, "|")
    split("1000 1 860.4 3412 1.341", heatFactors, " ")
    split("20 10 20", flowLow, " "); split("250 80 200", flowHigh, " ")
    split("60 8 60", heatHigh, " ")
    print "series,oil,flow,flow-unit,max-oil-temp,oil-temp-unit,air-temp,air-temp-unit,altitude,altitude-unit,heat,heat-unit,model"
    for (i = 0; i < rows; i++) {
        s = i % 4 + 1
        flow = ""; flowUnit = ""
        if (s < 4) {
            f = int(rand() * 6) + 1
            q = flowLow[s] + rand() * (flowHigh[s] - flowLow[s])
            flow = sprintf("%.4g", q * flowFactors[f]); flowUnit = flowUnits[f]
        }
        oil = 50 + rand() * 30; air = 15 + rand() * 25
        fahrenheit = rand() < 0.3
        if (fahrenheit) { oilText = sprintf("%.1f", oil * 1.8 + 32); airText = sprintf("%.1f", air * 1.8 + 32); tempUnit = "°F" }
        else { oilText = sprintf("%.1f", oil); airText = sprintf("%.1f", air); tempUnit = "°C" }
        feet = rand() < 0.3
        altitude = int(rand() * 2000)
        altitudeText = feet ? int(altitude / 0.3048) : altitude
        h = int(rand() * 5) + 1
        heat = 1 + rand() * ((s == 4 ? 30 : heatHigh[s]) - 1)
        model = (s == 1 && rand() < 0.1) ? "KVAM 400-B" : ""
        printf "%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%.4g,%s,%s\n", series[s], oils[int(rand() * 7) + 1], \
            flow, flowUnit, oilText, tempUnit, airText, tempUnit, altitudeText, feet ? "ft" : "m", \
            heat * heatFactors[h], heatUnits[h], model
    }
}' >"$work/points.csv"

# The best seconds of --jobs 1 and of --jobs 2 on a table, the runs taking turns so that a
# machine busy for a while weighs on both alike: "ONE TWO".
best_pair() {
    local table="$1" one="" two=""
    for ((r = 0; r < runs; r++)); do
        for jobs in 1 2; do
            local start=${EPOCHREALTIME/[.,]/}
            "$cli" select --batch "$table" --out "$work/jobs$jobs.csv" --jobs "$jobs" \
                >/dev/null 2>&1 || true
            local took=$((${EPOCHREALTIME/[.,]/} - start))
            if ((jobs == 1)) && { [ -z "$one" ] || ((took < one)); }; then one=$took; fi
            if ((jobs == 2)) && { [ -z "$two" ] || ((took < two)); }; then two=$took; fi
        done
    done
    cmp -s "$work/jobs1.csv" "$work/jobs2.csv" ||
        { echo "--jobs 2 wrote other rows than --jobs 1" >&2; exit 1; }
    awk -v one="$one" -v two="$two" 'BEGIN { printf "%.3f %.3f\n", one / 1e6, two / 1e6 }'
}

read -r one two < <(best_pair "$work/points.csv")
cp "$work/jobs1.csv" "$work/one.csv"
# What a batch of one row costs: the process, Qt and the catalogue read by each thread. No
# number of threads shares it, so it bounds the speed-up of a short table.
head -n 2 "$work/points.csv" >"$work/first.csv"
start_up=$(for ((r = 0; r < 10; r++)); do
    start=${EPOCHREALTIME/[.,]/}
    "$cli" select --batch "$work/first.csv" --out "$work/first-out.csv" --jobs 1 >/dev/null 2>&1 || true
    echo $((${EPOCHREALTIME/[.,]/} - start))
done | sort -n | head -n 1)
single_runs=20
start=${EPOCHREALTIME/[.,]/}
for ((r = 0; r < single_runs; r++)); do
    "$cli" select --series VAM --oil "ISO VG 46" --flow 100 --max-oil-temp 60 --air-temp 30 \
        --altitude 0 --heat 20 --json >/dev/null
done
single=$(((${EPOCHREALTIME/[.,]/} - start) / single_runs))

# Ten times the table, as one file: the memory of a batch must not grow with its rows, and the
# threads share out a long table as they do a short one.
for ((copy = 0; copy < 10; copy++)); do tail -n +2 "$work/points.csv"; done |
    cat <(head -n 1 "$work/points.csv") - >"$work/many.csv"
# A row without a result makes the status 1, which is no failure here.
peak_kb=$({ /usr/bin/time -f '%M' "$cli" select --batch "$work/many.csv" --out "$work/many-out.csv" \
    2>&1 >/dev/null || true; } | tail -n 1)
read -r many_one many_two < <(best_pair "$work/many.csv")

sized=$(awk -F, 'NR > 1 && $(NF - 1) == "0"' "$work/one.csv" | wc -l)
awk -v rows="$rows" -v sized="$sized" -v one="$one" -v two="$two" -v single="$single" \
    -v start_up="$start_up" -v peak="$peak_kb" -v many_one="$many_one" -v many_two="$many_two" 'BEGIN {
    start_up /= 1e6
    printf "batch sizing of %d mixed rows (%d with a result), best of the runs\n", rows, sized
    printf "  --jobs 1        %7.3f s   %6.1f us a row   (target 20 us)\n", one, one * 1e6 / rows
    printf "  --jobs 2        %7.3f s   speed-up %.2f     (target 1.7)\n", two, one / two
    printf "  a batch of one row takes %.1f ms: rows shared out perfectly, two threads would give %.2f\n",
        start_up * 1000, one / (start_up + (one - start_up) / 2)
    printf "  %d rows        --jobs 1 %.3f s, --jobs 2 %.3f s: speed-up %.2f\n", rows * 10, many_one,
        many_two, many_one / many_two
    printf "  %d rows        peak %.1f MB          (target 30 MB)\n", rows * 10, peak / 1024
    printf "one select as a process of its own: %.1f ms\n", single / 1000
}'
