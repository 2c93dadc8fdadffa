#!/usr/bin/env bash
# The window program's screenshot tour plays the user's guide example to its end as a fresh user:
# it sizes a cooler without a message, saves every picture and quits by itself.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" AIRCOOLER_SCREENSHOT_DIR="$work/shots" \
    QT_QPA_PLATFORM=offscreen timeout 60 "$program"
for picture in start selection print-setup heatload dimensions language about; do
    if ! file "$work/shots/$picture.png" | grep -q 'PNG image data'; then
        echo "the tour saved no picture $picture.png"
        exit 1
    fi
done
echo "the tour saved its seven pictures"
