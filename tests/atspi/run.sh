#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs play_deals.py against the real program on an X server and a session bus
# of its own, with a scratch home, so that nothing of the machine's desktop is
# seen or touched. Everything it starts is gone when it ends, failed or not.
#   run.sh [--script SCRIPT] MEROVANT [ARGUMENTS...]
# SCRIPT, another Python script, runs in play_deals.py's place, with the same
# arguments (tests/orca/hear_game.py).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../support/driving.sh"
script=$here/play_deals.py
if [ "${1:-}" = --script ]; then
    script=$2
    shift 2
fi

scratch=$(mktemp -d)
xvfb_pid=
watchdog_pid=
cleanup() {
    if [ -n "$watchdog_pid" ]; then
        kill "$watchdog_pid" 2>/dev/null || true
    fi
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

mkdir -m 700 "$scratch/home" "$scratch/runtime"
# The program opens its home page at start-up: here that opens nothing.
fake_opener "$scratch"

start_xvfb "$scratch" || {
    echo "Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
}
# Should this script be killed outright, the X server goes too.
(
    while kill -0 $$ 2>/dev/null; do sleep 1; done
    kill "$xvfb_pid" 2>/dev/null
) >/dev/null 2>&1 &
watchdog_pid=$!

status=0
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u SESSION_MANAGER -u WAYLAND_DISPLAY \
    -u AT_SPI_BUS_ADDRESS -u DBUS_SESSION_BUS_ADDRESS \
    -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME \
    HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" PATH="$scratch/bin:$PATH" \
    XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
    XDG_CACHE_HOME="$scratch/home/.cache" \
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- /usr/bin/python3 "$script" "$@" || status=$?
exit "$status"
