#!/usr/bin/env bash
# Takes the pictures of the user's guide (README.md) again, for both editions: the US edition
# built in build/, the European one in build-eu/. Each window program plays the guide's worked
# example under a virtual display as a fresh user (app/window/ScreenshotTour.cpp) and saves a
# picture of each step; the command-line tool writes the selection report of the same operating
# point, whose first page, and the chosen model's drawing and ordering key, are turned into
# pictures too. Everything lands in docs/screenshots/us/ and docs/screenshots/eu/.
#
#   tools/screenshots.sh
#
# Needs what ./run needs (installed when missing) and poppler-utils' pdftoppm, which the
# report's tests need as well. CI does not run it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
source tools/ensure-packages.sh

tools/build.sh >/dev/null
cmake -S "$root" -B "$root/build-eu" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DAIRCOOLER_EUROPEAN_EDITION=ON >/dev/null
cmake --build "$root/build-eu" -j2 --target aircooler aircooler-cli >/dev/null

# The same pictures on every machine: a point as decimal sign, the dates in one layout.
export LC_ALL=C.UTF-8
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A fresh user's runtime folder, as a desktop session gives one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The worked example's operating point as each edition's pages show it, exactly as the window
# program's tour types it (100 l/min, 60 °C, 30 °C, 0 m, 20 kW).
us_point=(--flow 26.4 --flow-unit "US gpm" --max-oil-temp 140 --oil-temp-unit F
          --air-temp 86 --air-temp-unit F --altitude 0 --altitude-unit ft
          --heat 68200 --heat-unit Btu/hr)
eu_point=(--flow 100 --flow-unit l/min --max-oil-temp 60 --oil-temp-unit C
          --air-temp 30 --air-temp-unit C --altitude 0 --altitude-unit m
          --heat 20 --heat-unit kW)

# The first page of a PDF file as a PNG picture about as wide as the window's pictures.
first_page_png() {
    pdftoppm -png -r 96 -f 1 -l 1 -singlefile "$1" "${2%.png}"
}

take() {
    local edition="$1" build="$2"
    shift 2
    local point=(--series VAM --oil "ISO VG 46" "$@")
    local shots="$root/docs/screenshots/$edition"
    rm -rf "$shots"
    mkdir -p "$shots" "$work/$edition/config"

    XDG_CONFIG_HOME="$work/$edition/config" AIRCOOLER_SCREENSHOT_DIR="$shots" \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/aircooler"

    "$build/bin/aircooler-cli" report "${point[@]}" --your-ref "Press line 4" \
        --our-ref "Offer 2612" --out "$work/$edition/report.pdf" >/dev/null
    first_page_png "$work/$edition/report.pdf" "$shots/report.png"

    # The model the selection chose, and the data sheets its dimensions page opens.
    local model drawing key
    model="$("$build/bin/aircooler-cli" select "${point[@]}" | sed -n 's/^Calculated data: //p')"
    drawing="$("$build/bin/aircooler-cli" models --series VAM |
        awk -v model="$model" 'index($0, model "  [") == 1 { found = 1 }
                                found && /\.pdf$/ { sub(/^ +/, ""); print; exit }')"
    key="$("$build/bin/aircooler-cli" models --series VAM | tail -n 1)"
    first_page_png "$drawing" "$shots/drawing.png"
    first_page_png "$key" "$shots/ordering-key.png"
    ls "$shots"
}

take us "$root/build" "${us_point[@]}"
take eu "$root/build-eu" "${eu_point[@]}"
