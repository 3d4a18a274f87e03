#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs hear_uia.py on an X server of its own, which ends with it, in a
# clean environment with a Wine prefix of its own.
#   hear_uia.sh MEROVANT.EXE STANDIN_DIR LANGUAGE
# Exits 77 when Wine, Xvfb or xdotool is missing.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../support/driving.sh"

for tool in wine wineserver winepath Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "hear_uia: SKIPPED: $tool is not installed (./windows.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/merovant-uia-x.XXXXXX") || exit 1
xvfb_pid=
cleanup() {
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

start_xvfb "$work" || { cat "$work/xvfb.log"; exit 1; }
clean_environment "$work"
use_wine_prefix "$work/prefix"
# hear_uia.py puts the stand-in into the prefix, to be taken before Wine's own.
environment+=(WINEPREFIX="$WINEPREFIX" WINEDEBUG="$WINEDEBUG"
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uiautomationcore=n")
env -i "${environment[@]}" /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/hear_uia.py" "$@" "$work"
