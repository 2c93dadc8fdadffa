#!/usr/bin/env bash
# Runs one fuzz target of the sanitizer tree for a while:
#
#   tools/fuzz.sh TARGET SECONDS     e.g. tools/fuzz.sh data_file 14400
#
# TARGET is one of the names in tests/fuzz/CMakeLists.txt (the programs build-sanitize/fuzz/
# fuzz_*). It starts from the seed corpus tests/fuzz/corpus/TARGET/ and from what earlier runs
# found (build-sanitize/fuzz-corpus/TARGET/, kept between runs). A crash is written into the
# seed corpus as crash-<hash>: fix its cause, then commit it there as a regression input, which
# ./test --sanitize replays ever after. Build the tree first with tools/build-sanitize.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -ne 2 ]; then
    echo "usage: tools/fuzz.sh TARGET SECONDS" >&2
    exit 2
fi
target="$1"
seconds="$2"
program="$root/build-sanitize/fuzz/fuzz_$target"
seeds="$root/tests/fuzz/corpus/$target"
found="$root/build-sanitize/fuzz-corpus/$target"
if [ ! -x "$program" ] || [ ! -d "$seeds" ]; then
    echo "no fuzz target \"$target\"; there are:" $(cd "$root/tests/fuzz/corpus" && ls) >&2
    exit 2
fi
source "$root/tools/sanitizer-env.sh"
mkdir -p "$found"
# An input that runs over ten seconds is a hang and is kept like a crash.
exec "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$seeds/" "$found" "$seeds"
