#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Merovant in an X server of its own and plays it by keys as a player
# would, black-box: the Windows program under Wine, in a fresh Wine prefix,
# or the Linux program as it is.
#   check_window.sh [--screenshot FILE.png] GRAB_WINDOW PROGRAM
#
# - One viewable window is titled "Merovant", its table 475 x 226 pixels below
#   the menu bar. The result line is the one thing in light cyan (#80FFFF),
#   168 pixels below the top of the table and 16 from its left: where it is
#   tells the menu bar's height.
# - F2 deals four faces, mostly white, into the card boxes.
# - 1 + 2 + 3 + 4 plays the deal to its verdict: the result line changes, and
#   exactly one of the won and lost counts with it.
# - F1 shows Help's message box, a second window, and Return dismisses it.
# - Ctrl+Q ends the program with exit status 0.
# Prints the time from the start to the first paint of the result line. The
# program and the X server, and Wine's server, are stopped on every way out.
# Exits 77 when the X tools are missing.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../support/xserver.sh"

screenshot=
if [ "${1:-}" = --screenshot ]; then
    screenshot=$2
    shift 2
fi
if [ $# -ne 2 ]; then
    echo "usage: check_window.sh [--screenshot FILE.png] GRAB_WINDOW PROGRAM" >&2
    exit 2
fi
grab_window=$1
program=$2

for tool in Xvfb xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_window: SKIPPED: $tool is not installed (./windows.sh installs it)"
        exit 77
    fi
done

# Table geometry, in pixels: the whole table, the result line, and the
# counts of won (Label2) and lost (Label9) deals.
table_width=475
table_height=226
result_left=16
result_top=168
result_width=313
result_height=33
won_count=(424 112 41 25)
lost_count=(424 136 33 25)

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-window.XXXXXX") || exit 1
program_pid=
xvfb_pid=
wine=false
case $program in *.exe) wine=true ;; esac

fail() {
    echo "check_window: FAILED: $*"
    if [ -s "$work/program.log" ]; then
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
    exit 1
}
cleanup() {
    stop "$program_pid"
    if $wine; then
        WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
    fi
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f s", b - a }'; }
checks_started=$(now)

start_xvfb "$work" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }

# A clean environment: no desktop session, no session bus, and an opener
# for the home page that opens nothing.
mkdir -p "$work/bin" "$work/home"
mkdir -m 700 "$work/runtime"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
environment=(
    PATH="$work/bin:/usr/local/bin:/usr/bin:/bin"
    HOME="$work/home"
    XDG_RUNTIME_DIR="$work/runtime"
    DISPLAY="$DISPLAY"
    LANG=C.UTF-8
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
)
command=("$program")
if $wine; then
    # Wine's own start-up is not the program's: the prefix is made first.
    environment+=(WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
    env -i "${environment[@]}" wine wineboot --init >/dev/null 2>&1
    env -i "${environment[@]}" wineserver -w
    echo "Wine prefix made in $(since "$checks_started")"
    command=(wine "$program")
else
    environment+=(QT_QPA_PLATFORM=xcb)
fi

started=$(now)
env -i "${environment[@]}" "${command[@]}" >"$work/program.log" 2>&1 &
program_pid=$!

windows() { xdotool search --onlyvisible --name '^Merovant$' 2>/dev/null; }
await_window "$program_pid" 30 || fail "$failure"

# Grabs the window; sets `grab` to what grab_window reports.
grab_now() {
    grab=$(env -i "${environment[@]}" "$grab_window" --find 80ffff --find ffffff "$@" "$window") ||
        fail "cannot grab the window"
}
field() { awk -v what="$1" -v n="$2" '$1 == "found" && $2 == what { print $n }' <<<"$grab"; }
region() { awk -v x="$1" -v y="$2" '$1 == "region" && $2 == x && $3 == y { print $6 }' <<<"$grab"; }

# The window may be mapped before its first paint.
for _ in $(seq 300); do
    grab_now
    [ "$(field 80ffff 3)" -gt 0 ] && break
    sleep 0.02
done
echo "first paint $(since "$started") after the start"
cyan_count=$(field 80ffff 3) cyan_x=$(field 80ffff 4) cyan_y=$(field 80ffff 5)
cyan_w=$(field 80ffff 6) cyan_h=$(field 80ffff 7)
[ "$cyan_count" -gt 0 ] || fail "the result line is not to be seen"
[ "$cyan_x" -eq "$result_left" ] && [ "$cyan_w" -eq "$result_width" ] &&
    [ "$cyan_h" -eq "$result_height" ] ||
    fail "the result line is ${cyan_w}x${cyan_h} at x $cyan_x, not ${result_width}x${result_height} at x $result_left"
menu_bar=$((cyan_y - result_top))
info=$(xwininfo -id "$window")
width=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
echo "window ${width}x${height}: menu bar $menu_bar high, table ${width}x$((height - menu_bar)) below it"
[ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 100 ] || fail "no menu bar above the table ($menu_bar)"
[ "$width" -eq "$table_width" ] || fail "the window is $width wide, not $table_width"
[ "$((height - menu_bar))" -eq "$table_height" ] ||
    fail "the table is $((height - menu_bar)) high below the menu bar, not $table_height"

# Keys go where a player's would: to the focused window.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
counts=(--region "${won_count[0]}" $((menu_bar + won_count[1])) "${won_count[2]}" "${won_count[3]}"
    --region "${lost_count[0]}" $((menu_bar + lost_count[1])) "${lost_count[2]}" "${lost_count[3]}"
    --region "$result_left" "$cyan_y" "$result_width" "$result_height")
count_regions() { echo "$(region "${won_count[0]}" $((menu_bar + won_count[1]))) $(region "${lost_count[0]}" $((menu_bar + lost_count[1])))"; }
result_region() { region "$result_left" "$cyan_y"; }

# F2: four faces, mostly white, appear.
blank_white=$(field ffffff 3)
xdotool key F2
dealt_white=0
for _ in $(seq 100); do
    grab_now "${counts[@]}"
    dealt_white=$(field ffffff 3)
    [ "$dealt_white" -gt $((blank_white + 4 * 3000)) ] && break
    sleep 0.1
done
[ "$dealt_white" -gt $((blank_white + 4 * 3000)) ] ||
    fail "F2 dealt no faces ($blank_white white pixels before, $dealt_white after)"
echo "F2 dealt four faces ($blank_white white pixels before, $dealt_white after)"
if [ -n "$screenshot" ]; then
    grab_now --save "$screenshot"
    echo "screenshot: $screenshot"
    grab_now "${counts[@]}"
fi

# Every card once, with an operator between: the deal reaches its verdict.
read -r won_before lost_before <<<"$(count_regions)"
result_before=$(result_region)
xdotool key 1 plus 2 plus 3 plus 4
for _ in $(seq 100); do
    grab_now "${counts[@]}"
    read -r won_after lost_after <<<"$(count_regions)"
    [ "$won_after" != "$won_before" ] || [ "$lost_after" != "$lost_before" ] && break
    sleep 0.1
done
[ "$(result_region)" != "$result_before" ] || fail "the result line did not change in play"
if [ "$won_after" != "$won_before" ] && [ "$lost_after" = "$lost_before" ]; then
    echo "the deal was played to its verdict: won"
elif [ "$lost_after" != "$lost_before" ] && [ "$won_after" = "$won_before" ]; then
    echo "the deal was played to its verdict: lost"
else
    fail "no verdict: the won count $won_before -> $won_after, the lost count $lost_before -> $lost_after"
fi

# Help: its message box is a window of its own, over the game's.
xdotool key F1
for _ in $(seq 100); do
    [ "$(windows | wc -l)" -eq 2 ] && break
    sleep 0.1
done
[ "$(windows | wc -l)" -eq 2 ] || fail "F1 showed no message box"
box=$(windows | grep -vx "$window")
xdotool windowfocus "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 100); do
    [ "$(windows | wc -l)" -eq 1 ] && break
    sleep 0.1
done
[ "$(windows | wc -l)" -eq 1 ] || fail "Return did not dismiss Help's message box"
echo "F1 showed Help's message box, and Return dismissed it"

xdotool windowfocus "$window" 2>/dev/null
xdotool key ctrl+q
await_exit "$program_pid" 30 || fail "Ctrl+Q did not end the program"
program_pid=
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after Ctrl+Q"
echo "Ctrl+Q ended the program with status 0; all checks took $(since "$checks_started")"
echo "check_window: PASSED"
