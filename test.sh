#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Merovant and runs every test without a display.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  the same suite built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer, in build-sanitize/, but
#                         for the Windows code and Orca's speech
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
. scripts/common.sh

# Benchmarks; a cross compiler and Wine to run the Windows registry code for real;
# an X server of the tests' own for the real window; a session bus, the AT-SPI
# registry and Python's pyatspi to drive that window as a screen reader does;
# Debian's screen reader itself, Orca, with speech-dispatcher (its dummy output
# speaks nowhere), and a window manager to hand the focus back as a desktop does.
TEST_PACKAGES=(libbenchmark-dev g++-mingw-w64-x86-64 wine64 "${DESKTOP_CHECK_PACKAGES[@]}"
    xvfb dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher python3-speechd openbox)

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

if [ "${1:-}" = "--sanitize" ]; then
    build_tree build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMEROVANT_SANITIZE=ON -DMEROVANT_BENCHMARKS=OFF
    # Leaks inside the system's font and graphics libraries are not ours.
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # The Windows code cross-compiled for Wine is the same in both builds:
    # once is enough. What Orca says tests speech, not memory; the AT-SPI
    # checks drive the same code under the sanitizers.
    ctest --test-dir build-sanitize --output-on-failure --label-exclude "wine|orca"
else
    build_tree build
    ctest --test-dir build --output-on-failure
fi
