#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real program with no display at all, as a terminal user or a
# package's build would: --version and --help print and exit 0, an unknown
# option exits 2 with the usage, and without a display, or with one that
# cannot be reached, the program says so in one line and exits 1 rather
# than aborting.
#   check_command_line.sh PROGRAM VERSION
set -u
if [ $# -ne 2 ]; then
    echo "usage: check_command_line.sh PROGRAM VERSION" >&2
    exit 2
fi
program=$1
version=$2

out=$(mktemp) err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
failed=0

matches() { if [ -z "$1" ]; then [ ! -s "$2" ]; else grep -Eq "$1" "$2"; fi; }

# expect NAME STATUS STDOUT-PATTERN STDERR-PATTERN STDERR-LINES [VAR=VALUE...] -- ARGS...
# (an empty pattern: nothing may be printed there; STDERR-LINES -: any number)
expect() {
    local name=$1 status=$2 out_pattern=$3 err_pattern=$4 err_lines=$5 environment=()
    shift 5
    while [ "$1" != -- ]; do environment+=("$1"); shift; done
    shift
    # The sanitizers' settings of a sanitizer build pass through.
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [ -z "${!name:-}" ] || environment+=("$name=${!name}")
    done
    timeout 20 env -i PATH=/usr/bin:/bin HOME="${TMPDIR:-/tmp}" LANG=C.UTF-8 "${environment[@]}" \
        "$program" "$@" >"$out" 2>"$err" </dev/null
    local got=$?
    if [ "$got" -ne "$status" ] || ! matches "$out_pattern" "$out" ||
        ! matches "$err_pattern" "$err" || { [ "$err_lines" != - ] && [ "$(wc -l <"$err")" -ne "$err_lines" ]; }; then
        echo "check_command_line: FAILED: $name: exit status $got (expected $status)"
        echo "--- standard output:"; cat "$out"
        echo "--- standard error:"; cat "$err"
        failed=1
    fi
}

escaped=${version//./\\.}
expect "--version" 0 "^Merovant $escaped\$" '' 0 -- --version
expect "--help" 0 '^Usage: merovant ' '' 0 -- --help
expect "an unknown option" 2 '' '^Usage: merovant ' 2 -- --fullscreen
expect "no display" 1 '' '^merovant: no display' 1 --
# A display that no server answers on.
expect "an unreachable display" 1 '' '^merovant: cannot open the display' 1 DISPLAY=:4711 --

[ "$failed" -eq 0 ] || exit 1
echo "check_command_line: PASSED ($program, version $version)"
