#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the cross-compiled System Info test under Wine, in a Wine prefix of its
# own that is thrown away afterwards, without a display.
#   run_under_wine.sh WINE WINESERVER TEST.exe
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../support/driving.sh"
wine=$1
wineserver=$2
test_program=$3

if [ ! -f "$test_program" ]; then
    echo "sysinfo_wine: FAILED: $test_program has not been built"
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-wine.XXXXXX") || exit 1
use_wine_prefix "$work/prefix"
export DISPLAY=
unset WAYLAND_DISPLAY

cleanup() {
    "$wineserver" -k >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

start=$(date +%s)
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
# One server from here on, for the reason in tests/windows/run_under_wine.sh.
"$wineserver" -p
booted=$(date +%s)
echo "Wine prefix ready in $((booted - start)) s"

"$wine" "$test_program"
status=$?
end=$(date +%s)
echo "Test program ran in $((end - booted)) s, $((end - start)) s in all"
if [ "$status" -eq 0 ]; then
    echo "sysinfo_wine: PASSED"
else
    echo "sysinfo_wine: FAILED (exit status $status)"
fi
exit "$status"
