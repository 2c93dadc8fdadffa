#!/usr/bin/env bash
# Configures and builds the project in build/ (two parallel jobs, as on CI).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
extra=()
if [ "${CI:-}" = "true" ]; then extra+=(-DAIRCOOLER_WERROR=ON); fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" "$@"
cmake --build "$root/build" -j2
