#!/usr/bin/env bash
# The options of every program run from the sanitizer tree (build-sanitize/); sourced by
# ./test --sanitize and tools/fuzz.sh. A finding stops the program with its stack symbolised.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp"
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export QT_QPA_PLATFORM=offscreen
