# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the checks that run a program on an X server of their own.

# stop PID: asks the process to end, then makes it, and waits for it.
stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# start_xvfb DIR: starts Xvfb on a display number that it picks itself and
# tells on a pipe, sets xvfb_pid and exports DISPLAY. Fails, its output in
# DIR/xvfb.log, when the server does not come up.
start_xvfb() {
    local dir=$1 display_fd display
    exec {display_fd}>"$dir/display"
    Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec {display_fd}>&-
    for _ in $(seq 150); do
        grep -q '^[0-9]' "$dir/display" 2>/dev/null && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    display=$(head -n 1 "$dir/display" 2>/dev/null)
    [ -n "$display" ] || return 1
    export DISPLAY=":$display"
}
