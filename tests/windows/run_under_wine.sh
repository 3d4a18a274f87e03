#!/bin/sh

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Qt Test suite built for Windows under Wine: CTest's emulator for the
# Windows build.
#   run_under_wine.sh PREFIX SUITE.exe [ARGUMENTS...]
# The Wine prefix PREFIX is made on first use and kept for the next suites.
# Wine loses what a Windows program writes to a pipe, so the suite writes its
# report to a file, shown afterwards.
set -u
prefix=$1
suite=$2
shift 2

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# Nothing may offer to download or install anything.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
        wine wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
) 9>"$prefix.lock"

report=$(mktemp "${TMPDIR:-/tmp}/merovant-suite.XXXXXX") || exit 1
trap 'rm -f "$report"' EXIT
wine "$suite" -o "$(winepath -w "$report"),txt" "$@"
status=$?
cat "$report"
exit "$status"
