# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Waiting and stopping, shared by the drivers that play the real program:
over AT-SPI, with Orca, and under Wine with UI Automation's stand-in. Plain
Python: nothing here needs a desktop.
"""

import contextlib
import ctypes
import os
import signal
import subprocess
import time


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, what, seconds=20, retry_on=()):
    """The first true value probe returns within SECONDS; an exception of a
    type in retry_on, other than a Failure, counts as not yet (a tree that is
    still being built)."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except Failure:
            raise
        except retry_on:
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("gave up waiting for %s" % what)
        time.sleep(0.05)


@contextlib.contextmanager
def time_limit(seconds):
    """Fails what runs inside after SECONDS: well inside CTest's limit, so that
    a hang still ends in the driver, with its cleanup."""
    def out_of_time(*_):
        raise Failure("the whole run took over %d s" % seconds)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(seconds)
    try:
        yield
    finally:
        signal.alarm(0)


def die_with_parent():
    """Given to Popen as preexec_fn: should the driver be killed, what it
    started must not outlive it."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def stop(process):
    """Asks the process to end, then makes it, and waits for it."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def environment_in(language):
    """This environment with the program's language set to LANGUAGE, whatever
    the test's own environment says."""
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    environment["LANG"] = "C.UTF-8"
    if language != "en":
        environment["LANGUAGE"] = language
    return environment
