# Common frame of the end-to-end tests: a private display, a work folder, checks that say
# what went wrong. Each test script sources this file, then calls e2e_begin.

set -u
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../tools/xsession.sh
. "$E2E_ROOT/tools/xsession.sh"

E2E_FAILURES=0
E2E_CHECKS=0

# e2e_begin BINARY: the display, a work folder, and the project root as the current folder.
e2e_begin() {
    E2E_BINARY=$1
    cd "$E2E_ROOT" || exit 1
    E2E_WORK=$(mktemp -d)
    trap 'xs_stop; e2e_keep_artifacts; rm -rf "$E2E_WORK"' EXIT
    xs_start_display || { echo "FAIL: no virtual display"; exit 1; }
}

# Screenshots and transcripts of a failed run are kept for a look afterwards.
e2e_keep_artifacts() {
    [ "$E2E_FAILURES" -eq 0 ] && [ -z "${E2E_KEEP:-}" ] && return
    local keep="$E2E_ROOT/build/e2e-artifacts/$(basename "$0" .sh)"
    mkdir -p "$keep" && cp -r "$E2E_WORK"/. "$keep"/ 2>/dev/null
    echo "artifacts kept in $keep"
}

check() {
    local what=$1
    shift
    E2E_CHECKS=$((E2E_CHECKS + 1))
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

check_eq() {
    local what=$1 expected=$2 actual=$3
    E2E_CHECKS=$((E2E_CHECKS + 1))
    if [ "$expected" = "$actual" ]; then
        echo "ok: $what"
    else
        echo "FAIL: $what: expected [$expected], got [$actual]"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

e2e_end() {
    echo "$((E2E_CHECKS - E2E_FAILURES)) passed, $E2E_FAILURES failed"
    [ "$E2E_FAILURES" -eq 0 ]
}

# The console lines that start-up prints before the speed listing, as the program must
# print them with the data files of this repository.
expected_startup() {
    printf '%s\n' "-------------------------------------------------------" \
        " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  " \
        "-------------------------------------------------------" ""
    local line
    for line in "$@"; do printf '%s\n' "$line"; done
    printf '\n'
    if [ -f "$E2E_ROOT/textury.cfg" ]; then
        printf '%s\n' "SYSTEM: Nacitam textury zapsane v textury.cfg ..."
        tr -s ' \t\r\n' '\n' <"$E2E_ROOT/textury.cfg" | sed '/^$/d' | head -n 28
    fi
    printf '%s\n' "" "Vypis Rasterizacnich rychlosti algoritmu [ms]" ""
}

# The transcript with every time replaced by T, so that runs compare byte for byte.
normalised_transcript() {
    sed -E 's/(: )-?[0-9][0-9.e+-]*/\1T/' "$1"
}
