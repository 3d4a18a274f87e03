#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Times Windows programs from their start to their first paint under Wine,
# in one Wine prefix on an X server of its own, round after round, each
# program in turn; prints each one's median and its ratio to the last one's.
#   first_paint.sh GRAB_WINDOW ROUNDS PROGRAM.exe...
# A program has painted once a grab of its window shows light cyan
# (#80FFFF); its window is titled "Merovant" or "Bare window". The Wine
# server is started once and kept, as a desktop keeps it: its start is
# Wine's, not a program's; a first start of each program, uncounted, warms
# Wine's caches. The home page's opener is a stand-in that opens nothing.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../support/driving.sh"
if [ $# -lt 3 ]; then
    echo "usage: first_paint.sh GRAB_WINDOW ROUNDS PROGRAM.exe..." >&2
    exit 2
fi
grab_window=$1
rounds=$2
shift 2

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-paint.XXXXXX") || exit 1
program_pid=
xvfb_pid=
cleanup() {
    stop "$program_pid"
    wineserver -k 2>/dev/null
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

start_xvfb "$work" || { cat "$work/xvfb.log"; exit 1; }
fake_opener "$work"
export PATH="$work/bin:$PATH"
use_wine_prefix "$work/prefix"
wine wineboot --init >/dev/null 2>&1
wineserver -w
wineserver -p

# painted PID: whether the program's window shows its cyan, or the program
# has ended, when there is nothing more to wait for.
painted() {
    local window
    ended "$1" && return 0
    window=$(xdotool search --onlyvisible --name '^(Merovant|Bare window)$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && "$grab_window" --find 80ffff "$window" 2>/dev/null |
        awk '$1 == "found" && $3 > 0 { ok = 1 } END { exit !ok }'
}

# first_paint PROGRAM: prints the milliseconds to its first paint, or
# nothing when it does not paint within 30 s.
first_paint() {
    local started elapsed
    started=$(date +%s%N)
    wine "$1" >/dev/null 2>&1 &
    program_pid=$!
    if wait_until --every 0.01 30 painted "$program_pid"; then
        elapsed=$((($(date +%s%N) - started) / 1000000))
        ended "$program_pid" || echo "$elapsed"
    fi
    stop "$program_pid"
    program_pid=
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Each program's first start fills Wine's caches for it; it is not counted.
for program in "$@"; do
    first_paint "$program" >/dev/null
done
declare -A times
for _ in $(seq "$rounds"); do
    for program in "$@"; do
        times[$program]+="$(first_paint "$program") "
    done
done
last=${*: -1}
base=$(tr ' ' '\n' <<<"${times[$last]}" | grep . | median)
for program in "$@"; do
    ms=$(tr ' ' '\n' <<<"${times[$program]}" | grep . | median)
    if [ -z "$ms" ]; then
        printf '  first paint under Wine, %-30s did not paint\n' "$(basename "$program"):"
        continue
    fi
    printf '  first paint under Wine, %-30s %5.0f ms, median of %d, ratio %.2f\n' \
        "$(basename "$program"):" "$ms" "$rounds" "$(awk -v a="$ms" -v b="$base" 'BEGIN { print b ? a / b : 0 }')"
done
