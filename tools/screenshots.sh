#!/usr/bin/env bash
# Takes a picture of each page of the window program under a virtual display and keeps them in
# docs/screenshots/ (page-0.png for the start page to page-4.png for the language page).
# The program runs as a fresh user, so the pictures show the installation's defaults.
#
#   tools/screenshots.sh                     # builds in build/ first
#   BUILD_DIR=build-debug tools/screenshots.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
if [ -z "${BUILD_DIR:-}" ]; then
    "$root/tools/build.sh" >/dev/null
fi

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" AIRCOOLER_SCREENSHOT_DIR="$root/docs/screenshots" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/aircooler"
ls "$root"/docs/screenshots/page-*.png
