#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Merovant in an X server of its own and checks its main window as a
# player meets it.
#   check_window.sh [--home-under DIR] [--screenshot FILE.png] PROGRAM GRAB_WINDOW
#
# - One viewable window is titled "Merovant".
# - Its client area is 475 x 226 pixels below the menu bar. Qt draws the menu
#   bar inside the window and gives widgets no X windows of their own, so the
#   X server only knows the whole: 475 wide and 226 plus the menu bar high.
#   The result line is the one thing in light cyan (#80FFFF), 168 pixels below
#   the top of the table and 16 from its left; finding it in a grab of the
#   window tells where the table starts, so the menu bar's height is measured,
#   not assumed, and the table must fill the rest of the window exactly.
# - At start-up it asked the desktop, once, to open a file:// address of an
#   existing index.html (under DIR with --home-under).
# - A click on New Game deals four faces, and a click on Quit ends the program
#   with exit status 0.
#
# The desktop's opener is a fake xdg-open that only records what it is given,
# and the program sees no desktop session, so no browser can start. The
# program and the X server are stopped on every way out. Exits 77 when the X
# tools are missing.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../support/xserver.sh"

home_under=
screenshot=
while [ $# -gt 0 ]; do
    case $1 in
    --home-under) home_under=$2; shift 2 ;;
    --screenshot) screenshot=$2; shift 2 ;;
    *) break ;;
    esac
done
if [ $# -ne 2 ]; then
    echo "usage: check_window.sh [--home-under DIR] [--screenshot FILE.png] PROGRAM GRAB_WINDOW" >&2
    exit 2
fi
program=$1
grab_window=$2

for tool in Xvfb xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_window: SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

# Table geometry, in pixels.
table_width=475
table_height=226
result_left=16
result_top=168
result_width=313
result_height=33
new_game_x=396 # centre of New Game
new_game_y=32

fail() {
    echo "check_window: FAILED: $*"
    if [ -s "$work/program.log" ]; then
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
    exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-window.XXXXXX") || exit 1
program_pid=
xvfb_pid=

cleanup() {
    stop "$program_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f s", b - a }'; }
started=$(now)

# The opener: records its arguments, one a line, and opens nothing.
mkdir -p "$work/bin" "$work/home"
mkdir -m 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
EOF
chmod +x "$work/bin/xdg-open"

start_xvfb "$work" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }

# A clean environment: no desktop session, no session bus, no browser
# setting, and the fake opener first on the PATH.
environment=(
    PATH="$work/bin:/usr/local/bin:/usr/bin:/bin"
    HOME="$work/home"
    XDG_RUNTIME_DIR="$work/runtime"
    DISPLAY="$DISPLAY"
    QT_QPA_PLATFORM=xcb
    LANG=C.UTF-8
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
)
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
env -i "${environment[@]}" "$program" >"$work/program.log" 2>&1 &
program_pid=$!

await_window "$program_pid" 60 || fail "$failure"
echo "window $window appeared after $(since "$started")"

title=$(xprop -id "$window" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Merovant"' ] || fail "title: $title"

info=$(xwininfo -id "$window")
width=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
grep -q 'Map State: IsViewable' <<<"$info" || fail "the window is not viewable"
# Fixed in size: the window manager is told the least and the most it may be.
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: $width by $height" <<<"$hints" &&
    grep -q "maximum size: $width by $height" <<<"$hints" ||
    fail "the window can be resized: $hints"

# Grabs the window; sets `grab` to what grab_window reports.
grab_now() {
    grab=$(env -i "${environment[@]}" "$grab_window" --find 80ffff --find ffffff "$@" "$window") ||
        fail "cannot grab the window"
}
field() { awk -v what="$1" -v n="$2" '$1 == "found" && $2 == what { print $n }' <<<"$grab"; }

# The window may be mapped before its first paint.
for _ in $(seq 100); do
    grab_now
    [ "$(field 80ffff 3)" -gt 0 ] && break
    sleep 0.1
done
cyan_count=$(field 80ffff 3) cyan_x=$(field 80ffff 4) cyan_y=$(field 80ffff 5)
cyan_w=$(field 80ffff 6) cyan_h=$(field 80ffff 7)
[ "$cyan_count" -gt 0 ] || fail "the result line is not to be seen"
[ "$cyan_x" -eq "$result_left" ] && [ "$cyan_w" -eq "$result_width" ] &&
    [ "$cyan_h" -eq "$result_height" ] ||
    fail "the result line is ${cyan_w}x${cyan_h} at x $cyan_x, not ${result_width}x${result_height} at x $result_left"
menu_bar=$((cyan_y - result_top))
echo "window ${width}x${height}: menu bar $menu_bar high, table ${width}x$((height - menu_bar)) below it"
[ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 100 ] || fail "no menu bar above the table ($menu_bar)"
[ "$width" -eq "$table_width" ] || fail "the window is $width wide, not $table_width"
[ "$((height - menu_bar))" -eq "$table_height" ] ||
    fail "the table is $((height - menu_bar)) high below the menu bar, not $table_height"

# The home page, asked for during start-up.
for _ in $(seq 100); do
    [ -s "$work/opened" ] && break
    sleep 0.1
done
[ -s "$work/opened" ] || fail "the home page was never opened"
[ "$(wc -l <"$work/opened")" -eq 1 ] || fail "the opener was called with: $(cat "$work/opened")"
address=$(cat "$work/opened")
case $address in
file:///*/index.html) ;;
*) fail "the home page address is not a file:// index.html: $address" ;;
esac
page=${address#file://}
page=$(printf '%b' "${page//%/\\x}")
[ -f "$page" ] || fail "the home page $page does not exist"
if [ -n "$home_under" ]; then
    case $(realpath "$page") in
    "$(realpath "$home_under")"/*) ;;
    *) fail "the home page $page is not under $home_under" ;;
    esac
fi
echo "home page asked for: $address"

# New Game, clicked as a player would: four faces, mostly white, appear.
blank_white=$(field ffffff 3)
xdotool mousemove --window "$window" "$new_game_x" "$((menu_bar + new_game_y))" click 1
xdotool mousemove 1000 750
dealt_white=0
for _ in $(seq 100); do
    grab_now
    dealt_white=$(field ffffff 3)
    [ "$dealt_white" -gt $((blank_white + 4 * 3000)) ] && break
    sleep 0.1
done
[ "$dealt_white" -gt $((blank_white + 4 * 3000)) ] ||
    fail "New Game dealt no faces ($blank_white white pixels before, $dealt_white after)"
echo "New Game dealt four faces ($blank_white white pixels before, $dealt_white after)"

if [ -n "$screenshot" ]; then
    # One more grab, so that the pointer's leaving New Game has been drawn.
    sleep 0.3
    grab_now --save "$screenshot"
    echo "screenshot: $screenshot"
fi

# Quit, the first command on the menu bar.
xdotool mousemove --window "$window" 20 "$((menu_bar / 2))" click 1
await_exit "$program_pid" 30 || fail "Quit did not end the program"
program_pid=
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after Quit"
echo "Quit ended the program with status 0; all checks took $(since "$started")"
echo "check_window: PASSED"
