#!/usr/bin/env bash
# Every command and option a program's --help names is described in its manual page, so the
# two cannot drift apart.
set -uo pipefail
cli="$1"
window="$2"
man="$3"
failures=0

# The words of a help text that a manual page must explain: commands and options.
options_in() { grep -oE '(^|[[:space:][])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }

check() { # manual page, words...
    local page="$1"
    shift
    for word in "$@"; do
        if ! grep -qF -- "$word" "$page"; then
            echo "FAIL: $(basename "$page") does not describe \"$word\""
            failures=$((failures + 1))
        fi
    done
}

help_text=$("$cli" --help)
commands=$(sed -n '/^Commands:/,/^$/p' <<<"$help_text" | awk '/^  [a-z]/ {print $1}')
[ -n "$commands" ] || { echo "FAIL: no commands found in aircooler-cli --help"; exit 1; }
check "$man/aircooler-cli.1.md" $commands $(options_in <<<"$help_text")
for command in $commands; do
    check "$man/aircooler-cli.1.md" $("$cli" "$command" --help | options_in)
done
check "$man/aircooler.1.md" $(QT_QPA_PLATFORM=offscreen "$window" --help | options_in)

if [ $failures -eq 0 ]; then
    echo "the manual pages describe every command and option of --help"
fi
exit $failures
