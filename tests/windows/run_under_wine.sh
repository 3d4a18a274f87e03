#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Qt Test suite built for Windows under Wine, with Qt's windows
# platform on an X server of its own: CTest's emulator for the Windows build.
#   run_under_wine.sh PREFIX SUITE.exe [ARGUMENTS...]
# The Wine prefix PREFIX is made on first use and kept for the next suites,
# which take turns in it: Wine's server, tied to this suite's X server, ends
# with the suite. Wine
# loses what a Windows program writes to a pipe, so the suite writes its
# report to a file, shown afterwards.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../support/driving.sh"
prefix=$1
suite=$2
shift 2

use_wine_prefix "$prefix"

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-suite.XXXXXX") || exit 1
xvfb_pid=
locked=false
cleanup() {
    ! $locked || wineserver -k 2>/dev/null
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

start_xvfb "$work" || { cat "$work/xvfb.log"; exit 1; }

# One suite at a time in the prefix, whose server ends with each.
mkdir -p "$(dirname "$prefix")"
exec {lock_fd}>"$prefix.lock"
flock "$lock_fd"
locked=true
if [ ! -f "$prefix/system.reg" ]; then
    wine wineboot --init >/dev/null 2>&1
    wineserver -w
fi
# One server for all of the suite's Wine programs: one that ends by itself
# between two of them can leave the second talking to a server on its way
# out ("recvmsg: Connection reset by peer", with Wine 10).
wineserver -p

wine "$suite" -o "$(winepath -w "$work/report.txt"),txt" "$@"
status=$?
cat "$work/report.txt"
exit "$status"
