# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the checks that run the program on an X server of their own:
# waiting and stopping, the X server, a clean environment, the Wine prefix
# and the program's window. The shell's side of driving.py.

# wait_until [--every STEP] SECONDS COMMAND...: runs COMMAND every STEP
# seconds (0.05 unless told) until it succeeds, for at most SECONDS (whole
# seconds). Fails when it never did; the last try comes once the time is
# up, so a slow machine gets one more chance.
wait_until() {
    local every=0.05
    if [ "$1" = --every ]; then
        every=$2
        shift 2
    fi
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep "$every"
    done
}

# ended PID: whether the process is gone.
ended() { ! kill -0 "$1" 2>/dev/null; }

now() { date +%s.%N; }
# since TIME: the time from that now() to this one, as "1.2 s".
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f s", b - a }'; }

# fake_opener DIR: puts into DIR/bin a desktop opener, xdg-open, that only
# records its arguments in DIR/opened, one a line, and opens nothing.
fake_opener() {
    mkdir -p "$1/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s/opened"\n' "$1" >"$1/bin/xdg-open"
    chmod +x "$1/bin/xdg-open"
}

# clean_environment DIR: sets environment to NAME=value pairs for env -i: no
# desktop session, no session bus, no browser setting, HOME and the runtime
# folder in DIR, and DIR's fake opener first on the PATH. Run it once
# start_xvfb has set DISPLAY.
clean_environment() {
    local dir=$1
    fake_opener "$dir"
    mkdir -p "$dir/home"
    mkdir -m 700 "$dir/runtime"
    environment=(
        PATH="$dir/bin:/usr/local/bin:/usr/bin:/bin"
        HOME="$dir/home"
        XDG_RUNTIME_DIR="$dir/runtime"
        DISPLAY="$DISPLAY"
        LANG=C.UTF-8
        DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/no-bus"
    )
}

# stop PID: asks the process to end, then makes it, and waits for it.
stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    wait_until 5 ended "$pid" || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

# start_xvfb DIR: starts Xvfb on a display number that it picks itself and
# tells on a pipe, sets xvfb_pid and exports DISPLAY. Fails, its output in
# DIR/xvfb.log, when the server does not come up. The server does not reset
# when its last client leaves, as helpers and screen readers come and go.
start_xvfb() {
    local dir=$1 display_fd display
    exec {display_fd}>"$dir/display"
    Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp -noreset \
        >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec {display_fd}>&-
    display_told() { grep -q '^[0-9]' "$1/display" 2>/dev/null || ended "$xvfb_pid"; }
    wait_until 15 display_told "$dir"
    display=$(head -n 1 "$dir/display" 2>/dev/null)
    [ -n "$display" ] || return 1
    export DISPLAY=":$display"
}

# use_wine_prefix PREFIX: exports what every check runs Wine with: its own
# prefix, no debugging output, and nothing that offers to download or
# install anything, nor menu entries for the desktop.
use_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# merovant_windows: the ids of the viewable windows titled "Merovant", one a
# line.
merovant_windows() { xdotool search --onlyvisible --name '^Merovant$' 2>/dev/null; }

# await_window PID SECONDS: waits at most SECONDS for the process to show a
# window titled "Merovant" and sets window to its id. Fails, with what went
# wrong in failure, when the process ends first, when no such window comes,
# or when more than one does.
await_window() {
    local pid=$1 seconds=$2
    window=
    window_or_end() { ended "$1" || window=$(merovant_windows); }
    wait_until "$seconds" window_or_end "$pid"
    if [ -z "$window" ]; then
        failure="no window titled Merovant appeared within $seconds s"
        ended "$pid" && failure="the program ended before showing its window"
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
    local pid=$1
    wait_until "$2" ended "$pid" || return 1
    wait "$pid"
    exit_status=$?
}
