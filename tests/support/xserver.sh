# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the checks that run the program on an X server of their own.

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

# await_window PID SECONDS: waits at most SECONDS for the process to show a
# window titled "Merovant" and sets window to its id. Fails, with what went
# wrong in failure, when the process ends first, when no such window comes,
# or when more than one does.
await_window() {
    local pid=$1 seconds=$2
    window=
    for _ in $(seq $((seconds * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            failure="the program ended before showing its window"
            return 1
        fi
        window=$(xdotool search --onlyvisible --name '^Merovant$' 2>/dev/null)
        [ -n "$window" ] && break
        sleep 0.05
    done
    if [ -z "$window" ]; then
        failure="no window titled Merovant appeared within $seconds s"
        return 1
    fi
    if [ "$(wc -w <<<"$window")" -ne 1 ]; then
        failure="more than one window titled Merovant: $window"
        return 1
    fi
}

# await_exit PID SECONDS: waits at most SECONDS for the process to end and
# sets exit_status to its exit status. Fails while it still runs.
await_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && return 1
    wait "$pid"
    exit_status=$?
}
