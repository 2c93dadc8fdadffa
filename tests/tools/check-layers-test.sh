#!/usr/bin/env bash
# The layer check passes a clean tree and names the file, line and include of each breach.
set -uo pipefail
check="$1"
fixtures="$(cd "$(dirname "$0")" && pwd)/layers"
failures=0

expect() { # tree, expected exit status, expected text in the output
    local out status
    out=$("$check" "$fixtures/$1" 2>&1)
    status=$?
    if [ "$status" -ne "$2" ] || ! grep -qF -- "$3" <<<"$out"; then
        echo "FAIL $1: status $status, output:"
        echo "$out"
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}

expect clean 0 "every include stays within its layer"
expect upward 1 'core/Vocabulary.h:1: core/ may not include "engine/CoolerSeries.h"'
expect sibling 1 'pages/heatload/HeatLoadController.h:1: pages/heatload/ may not include "pages/selection/SelectionView.h"'
expect widgets 1 'engine/Catalogue.cpp:1: engine/ may not use #include <QWidget>'
expect charts 1 'pages/selection/Diagram.cpp:1: pages/selection/ may not use #include <QChartView>'
exit $failures
