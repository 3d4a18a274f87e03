#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Windows installer as a user meets it, under Wine, in a Wine
# prefix and an X server (Xvfb) of its own that are thrown away afterwards.
#   check_installer.sh SETUP.exe [VERSION]
#
# VERSION is what Add/Remove Programs must show; without it, it is read from
# a name like merovant-1.0.0-setup.exe. WINE and WINESERVER name other Wine
# programs than the ones on the PATH.
#
# - `SETUP.exe /S` installs without a word and ends with status 0.
# - The program, its home page beside it, the GPL and the uninstaller are in
#   Program Files\Merovant; the Start menu of all users has Merovant.lnk,
#   which points at the program.
# - The 64-bit registry has the Add/Remove Programs entry, with the version
#   asked for and a size that matches the installed files.
# - The installed program opens a window titled Merovant, asks the desktop
#   to show the home page beside it, and Ctrl+Q ends it with status 0.
# - The uninstall command recorded in the registry, run with /S, leaves
#   nothing behind: no folder, no shortcut, no registry key, and Program
#   Files and ProgramData as they were before the installation.
#
# The desktop's opener is a fake xdg-open that only records what it is given,
# so no browser can start, and Wine makes no menu entries for the desktop.
# Every Wine process, the X server and the temporary folder go on every way
# out. Exits 0 when all is well, 1 when not, 77 when a tool is missing
# (apt-get install wine wine64 xvfb xdotool).
set -u -o pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../support/driving.sh"

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "check_installer: FAILED: usage: check_installer.sh SETUP.exe [VERSION]"
    exit 1
fi
setup=$1
version=${2:-}
if [ -z "$version" ]; then
    version=$(basename "$setup" | sed -n 's/^.*-\([0-9][0-9.]*[0-9]\)-setup\.exe$/\1/p')
    if [ -z "$version" ]; then
        echo "check_installer: FAILED: cannot tell the version from the name $setup; give it after the name"
        exit 1
    fi
fi
wine=${WINE:-wine}
wineserver=${WINESERVER:-wineserver}

for tool in Xvfb xdotool "$wine" "$wineserver" timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_installer: SKIPPED: $tool is not installed (apt-get install wine wine64 xvfb xdotool)"
        exit 77
    fi
done
[ -f "$setup" ] || { echo "check_installer: FAILED: $setup does not exist"; exit 1; }
setup=$(realpath "$setup")

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-installer.XXXXXX") || exit 1
program_pid=
bounded_pid=
xvfb_pid=

fail() {
    echo "check_installer: FAILED: $*"
    exit 1
}

cleanup() {
    stop "$program_pid"
    stop "$bounded_pid"
    if [ -d "$work/prefix" ]; then
        "$wineserver" -k >/dev/null 2>&1
        timeout 20 "$wineserver" -w >/dev/null 2>&1
    fi
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Runs a command for at most SECONDS and returns its status, 124 when the
# time ran out. It runs in the background, so that a signal to this script
# is seen at once rather than when the command ends.
bounded() {
    local seconds=$1 status
    shift
    timeout -k 5 "$seconds" "$@" &
    bounded_pid=$!
    wait "$bounded_pid"
    status=$?
    bounded_pid=
    return "$status"
}

# reached WHAT: says what the check has reached, with the time since it
# began (windows.sh's step() gives the time of each step alone).
started=$(now)
reached() { awk -v a="$started" -v b="$(now)" -v what="$*" 'BEGIN { printf "%6.1f s  %s\n", b - a, what }'; }

start_xvfb "$work" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }

# The opener records what it is given and opens nothing. Wine hands a
# document it has no program for to the desktop's xdg-open.
fake_opener "$work"
mkdir -p "$work/home"

# Wine's own files, and the menu entries it would otherwise write for the
# desktop, stay in the temporary folder; nothing may offer to download
# anything.
export PATH="$work/bin:$PATH"
export HOME="$work/home"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache"

use_wine_prefix "$work/prefix"
export LANG=C.UTF-8
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
reached "X server $DISPLAY started"

bounded 240 "$wine" wineboot --init >"$work/wineboot.log" 2>&1
bounded 240 "$wineserver" -w || fail "the Wine prefix was not ready within 240 s"
drive_c="$WINEPREFIX/drive_c"
[ -d "$drive_c/Program Files" ] || { cat "$work/wineboot.log"; fail "Wine made no prefix"; }
# Web pages open in the browser, as on any Windows. A prefix without Wine's
# HTML engine (kept out above) has no program for them; Wine's own browser
# launcher then hands them on to the fake opener.
bounded 60 "$wine" reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1 || fail "cannot associate .html with the browser"
reached "Wine prefix ready"

# Program Files, ProgramData and the list of uninstall entries, to compare
# with what the uninstaller leaves.
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
reg_query() { bounded 60 "$wine" reg query "$@" /reg:64 2>/dev/null | tr -d '\r'; }
snapshot() {
    (cd "$drive_c" && find "Program Files" "Program Files (x86)" ProgramData 2>/dev/null | sort)
    reg_query "$uninstall_key" | grep -i '^HKEY'
}
snapshot >"$work/before"

# Installation: `wine` waits for the installer to end.
bounded 180 "$wine" "$setup" /S >"$work/setup.log" 2>&1
status=$?
[ "$status" -eq 124 ] && fail "the installer did not end within 180 s"
[ "$status" -eq 0 ] || fail "the installer ended with status $status"
reached "installed silently"

install_dir="$drive_c/Program Files/Merovant"
install_win='C:\Program Files\Merovant'
for file in merovant.exe index.html licenses/GPL-3.0-or-later.txt uninstall.exe; do
    [ -f "$install_dir/$file" ] || fail "Program Files\\Merovant has no $file"
done
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Merovant.lnk"
[ -f "$shortcut" ] || fail "the Start menu of all users has no Merovant.lnk"
# A shell link holds its target's full path in the local code page.
grep -a -q -F "$install_win\\merovant.exe" "$shortcut" ||
    fail "Merovant.lnk does not point at $install_win\\merovant.exe"
reached "files in place: $(cd "$install_dir" && find . -type f | wc -l) in Program Files\\Merovant, $(find "$install_dir/licenses" -type f | wc -l) licences, Start-menu shortcut"

key="$uninstall_key\\Merovant"
reg_query "$key" >"$work/key" || fail "the registry has no $key"
# `reg query` shows a value as NAME, TYPE and DATA, four spaces apart.
value() { awk -F '    ' -v name="$1" '$2 == name { print $4; found = 1 } END { exit !found }' "$work/key"; }
for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString \
    EstimatedSize NoModify NoRepair; do
    value "$name" >/dev/null || fail "$key has no $name"
done
expect() {
    [ "$(value "$1")" = "$2" ] || fail "$key: $1 is '$(value "$1")', not '$2'"
}
expect DisplayName Merovant
expect DisplayVersion "$version"
expect Publisher "Merovant developers"
expect DisplayIcon "$install_win\\merovant.exe,0"
expect UninstallString "\"$install_win\\uninstall.exe\""
expect QuietUninstallString "\"$install_win\\uninstall.exe\" /S"
expect NoModify 0x1
expect NoRepair 0x1
size=$(($(value EstimatedSize)))
files=$(du -s -k --apparent-size "$install_dir" | cut -f 1)
if [ "$size" -lt $((files * 9 / 10)) ] || [ "$size" -gt $((files * 11 / 10 + 8)) ]; then
    fail "$key: EstimatedSize is $size KB, but the files take $files KB"
fi
reached "Add/Remove Programs entry: version $version, $size KB"

# The program, started by the path the shortcut holds. Starting the shortcut
# itself would not do: Wine's `start /wait` then returns at once, without
# the program's exit status.
(cd "$work" && exec "$wine" "$install_win\\merovant.exe" >"$work/program.log" 2>&1) &
program_pid=$!
await_window "$program_pid" 60 || fail "$failure"
reached "window titled Merovant appeared"

wait_until 30 test -s "$work/opened" || fail "the home page was never opened"
address=$(head -n 1 "$work/opened")
page=${address#file://}
page=$(printf '%b' "${page//%/\\x}")
if [ ! -f "$page" ] || [ "$(realpath "$page")" != "$(realpath "$install_dir/index.html")" ]; then
    fail "the desktop was asked to open $address, not the installed index.html"
fi
reached "home page asked for: $address"

# Sent to the window itself, so no window manager is needed to focus it.
xdotool key --window "$window" ctrl+q 2>/dev/null
await_exit "$program_pid" 30 || fail "Ctrl+Q did not end the program within 30 s"
program_pid=
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after Ctrl+Q"
reached "Ctrl+Q ended the program with status 0"

# Uninstallation, by the command Add/Remove Programs would run. The
# uninstaller copies itself to the temporary folder, starts the copy and
# returns at once, so that the copy can delete the original; the copy is done
# when the last Wine process has ended, which `wineserver -w` waits for.
uninstaller=$(value UninstallString | tr -d '"')
bounded 60 "$wine" "$uninstaller" /S >"$work/uninstall.log" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "the uninstaller ended with status $status"
bounded 120 "$wineserver" -w || fail "the uninstaller was still at work after 120 s"
reached "uninstalled silently"

[ -e "$install_dir" ] && fail "Program Files\\Merovant is still there: $(cd "$install_dir" && find . | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
reg_query "$key" >/dev/null && fail "the registry still has $key"
snapshot >"$work/after"
diff -u "$work/before" "$work/after" >"$work/left" ||
    fail "the uninstaller left the machine otherwise than it was: $(grep '^[-+][^-+]' "$work/left" | tr '\n' ' ')"
reached "nothing left: no folder, no shortcut, no registry key"

echo "check_installer: PASSED"
