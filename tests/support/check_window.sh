#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Merovant in an X server of its own and checks its main window as a
# player meets it, black-box: the Linux program as it is, or the Windows
# program (a name ending in .exe) under Wine, in a fresh Wine prefix.
#   check_window.sh [--home-under DIR] [--screenshot FILE.png] PROGRAM GRAB_WINDOW
#
# - One viewable window is titled "Merovant". Its table is 475 x 226 pixels
#   below the menu bar. Qt draws the menu bar inside the window and gives
#   widgets no X windows of their own, so the X server only knows the whole.
#   The result line is the one thing in light cyan (#80FFFF), 168 pixels
#   below the top of the table and 16 from its left; finding it in a grab of
#   the window tells where the table starts, so the menu bar's height is
#   measured, not assumed, and the table must fill the rest of the window.
# - The Linux program's window is fixed in size, and at start-up it asked the
#   desktop, once, to open a file:// address of an existing index.html
#   (under DIR with --home-under); a click on New Game deals four faces,
#   mostly white. The Windows program deals them on F2.
# - 1 + 2 + 3 + 4 plays the deal to its verdict: the result line changes, and
#   exactly one of the won and lost counts with it.
# - F1 shows Help's message box, a second window, and Return dismisses it.
# - The Linux program ends with exit status 0 on a click on Quit, the first
#   command on the menu bar; the Windows program on Ctrl+Q.
#
# Prints the time from the start to the first paint of the result line. The
# desktop's opener is a fake that only records what it is given, and the
# program sees no desktop session, so no browser can start. The program, the
# X server and Wine's server are stopped on every way out. Exits 77 when the
# X tools are missing.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/driving.sh"

usage="usage: check_window.sh [--home-under DIR] [--screenshot FILE.png] PROGRAM GRAB_WINDOW"
home_under=
screenshot=
while [ $# -gt 0 ]; do
    case $1 in
    --home-under) home_under=$2; shift 2 ;;
    --screenshot) screenshot=$2; shift 2 ;;
    *) break ;;
    esac
done
[ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
program=$1
grab_window=$2
wine=false
case $program in *.exe) wine=true ;; esac

for tool in Xvfb xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_window: SKIPPED: $tool is not installed (./test.sh and ./windows.sh install it)"
        exit 77
    fi
done

# The table's geometry, in pixels: the whole table, the result line, New
# Game's centre, and the counts of won (Label2) and lost (Label9) deals as
# left, top, width and height.
table_width=475
table_height=226
result_left=16
result_top=168
result_width=313
result_height=33
new_game_x=396
new_game_y=32
won_count=(424 112 41 25)
lost_count=(424 136 33 25)

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-window.XXXXXX") || exit 1
program_pid=
xvfb_pid=

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

checks_started=$(now)
start_xvfb "$work" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
clean_environment "$work"
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
command=("$program")
if $wine; then
    # Wine's own start-up is not the program's: the prefix is made first.
    use_wine_prefix "$work/prefix"
    environment+=(WINEPREFIX="$WINEPREFIX" WINEDEBUG="$WINEDEBUG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES")
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

await_window "$program_pid" 60 || fail "$failure"
echo "window $window appeared after $(since "$started")"

# Grabs the window; sets `grab` to what grab_window reports.
grab_now() {
    grab=$(env -i "${environment[@]}" "$grab_window" --find 80ffff --find ffffff "$@" "$window") ||
        fail "cannot grab the window"
}
field() { awk -v what="$1" -v n="$2" '$1 == "found" && $2 == what { print $n }' <<<"$grab"; }
region() { awk -v x="$1" -v y="$2" '$1 == "region" && $2 == x && $3 == y { print $6 }' <<<"$grab"; }

# The window may be mapped before its first paint.
painted() { grab_now && [ "$(field 80ffff 3)" -gt 0 ]; }
wait_until 10 painted
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

if ! $wine; then
    title=$(xprop -id "$window" _NET_WM_NAME)
    [ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Merovant"' ] || fail "title: $title"
    grep -q 'Map State: IsViewable' <<<"$info" || fail "the window is not viewable"
    # Fixed in size: the window manager is told the least and the most it may be.
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    grep -q "minimum size: $width by $height" <<<"$hints" &&
        grep -q "maximum size: $width by $height" <<<"$hints" ||
        fail "the window can be resized: $hints"

    # The home page, asked for during start-up.
    wait_until 10 test -s "$work/opened" || fail "the home page was never opened"
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
fi

# Keys go where a player's would: to the focused window.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
counts=(--region "${won_count[0]}" $((menu_bar + won_count[1])) "${won_count[2]}" "${won_count[3]}"
    --region "${lost_count[0]}" $((menu_bar + lost_count[1])) "${lost_count[2]}" "${lost_count[3]}"
    --region "$result_left" "$cyan_y" "$result_width" "$result_height")
count_regions() { echo "$(region "${won_count[0]}" $((menu_bar + won_count[1]))) $(region "${lost_count[0]}" $((menu_bar + lost_count[1])))"; }
result_region() { region "$result_left" "$cyan_y"; }

# Four faces, mostly white, appear.
blank_white=$(field ffffff 3)
if $wine; then
    deal="F2"
    xdotool key F2
else
    deal="New Game"
    xdotool mousemove --window "$window" "$new_game_x" "$((menu_bar + new_game_y))" click 1
    xdotool mousemove 1000 750
fi
dealt() { grab_now "${counts[@]}" && [ "$(field ffffff 3)" -gt $((blank_white + 4 * 3000)) ]; }
wait_until 10 dealt ||
    fail "$deal dealt no faces ($blank_white white pixels before, $(field ffffff 3) after)"
echo "$deal dealt four faces ($blank_white white pixels before, $(field ffffff 3) after)"
if [ -n "$screenshot" ]; then
    # One more grab, so that the pointer's leaving New Game has been drawn.
    sleep 0.3
    grab_now --save "$screenshot"
    echo "screenshot: $screenshot"
    grab_now "${counts[@]}"
fi

# Every card once, with an operator between: the deal reaches its verdict.
read -r won_before lost_before <<<"$(count_regions)"
result_before=$(result_region)
xdotool windowfocus "$window" 2>/dev/null
xdotool key 1 plus 2 plus 3 plus 4
counted() {
    grab_now "${counts[@]}"
    read -r won_after lost_after <<<"$(count_regions)"
    [ "$won_after" != "$won_before" ] || [ "$lost_after" != "$lost_before" ]
}
wait_until 10 counted
[ "$(result_region)" != "$result_before" ] || fail "the result line did not change in play"
if [ "$won_after" != "$won_before" ] && [ "$lost_after" = "$lost_before" ]; then
    echo "the deal was played to its verdict: won"
elif [ "$lost_after" != "$lost_before" ] && [ "$won_after" = "$won_before" ]; then
    echo "the deal was played to its verdict: lost"
else
    fail "no verdict: the won count $won_before -> $won_after, the lost count $lost_before -> $lost_after"
fi

# Help: its message box is a window of its own, over the game's.
windows_shown() { [ "$(merovant_windows | wc -l)" -eq "$1" ]; }
xdotool key F1
wait_until 10 windows_shown 2 || fail "F1 showed no message box"
box=$(merovant_windows | grep -vx "$window")
xdotool windowfocus "$box" 2>/dev/null
xdotool key Return
wait_until 10 windows_shown 1 || fail "Return did not dismiss Help's message box"
echo "F1 showed Help's message box, and Return dismissed it"

if $wine; then
    quit="Ctrl+Q"
    xdotool windowfocus "$window" 2>/dev/null
    xdotool key ctrl+q
else
    quit="Quit"
    xdotool mousemove --window "$window" 20 "$((menu_bar / 2))" click 1
fi
await_exit "$program_pid" 30 || fail "$quit did not end the program"
program_pid=
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after $quit"
echo "$quit ended the program with status 0; all checks took $(since "$checks_started")"
echo "check_window: PASSED"
