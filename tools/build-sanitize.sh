#!/usr/bin/env bash
# Configures and builds the sanitizer tree in build-sanitize/ with clang 14: the whole test
# suite, the fuzz targets and the operating-range sweep, under AddressSanitizer and
# UndefinedBehaviorSanitizer (two parallel jobs, as on CI).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
extra=()
if [ "${CI:-}" = "true" ]; then extra+=(-DAIRCOOLER_WERROR=ON); fi
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$root/build-sanitize" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAIRCOOLER_SANITIZE=ON "${extra[@]}" "$@"
cmake --build "$root/build-sanitize" -j2 --target all sweep_operating_range
