#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Merovant for 64-bit Windows from the same sources, with Debian's
# mingw-w64 and a static Qt built once from Debian's own Qt source: Debian
# 13's, with its mingw-w64 and Qt tools. On an older Debian it runs itself in
# a Debian 13 tree (scripts/debian.sh, as root), and the results land in the
# same build-windows/.
#   ./windows.sh          build-windows/bin/merovant.exe, and in
#                         build-windows/package/ its installer and portable zip
#   ./windows.sh --check  and under Wine: the test suites, the program's window
#                         played by keys, and the installer's install, run and
#                         uninstall; then the figures
# Qt for Windows is cached in ${XDG_CACHE_HOME:-~/.cache}/merovant/, or in
# $MEROVANT_CACHE; the window check takes its window grabber from build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
. scripts/common.sh
. scripts/qt-windows.sh

read_check_option "$@"
if [ "$(. /etc/os-release && echo "${VERSION_ID:-99}")" -lt 13 ]; then
    as_root scripts/debian.sh trixie ./windows.sh "$@"
    exit
fi

# The cross compilers in their POSIX-threads variant, which Qt needs;
# dpkg-source and patch unpack Qt's source, Python collects its licences; the
# host's Qt runs moc, rcc and Linguist for the cross build; NSIS and zip pack.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev patch python3
    nsis zip "${BUILD_PACKAGES[@]}")
# Wine runs what was built, on an X server of the checks' own.
WINDOWS_CHECK_PACKAGES=(wine wine64 xvfb x11-utils xdotool)

if $check; then
    ensure_packages "${WINDOWS_PACKAGES[@]}" "${WINDOWS_CHECK_PACKAGES[@]}"
else
    ensure_packages "${WINDOWS_PACKAGES[@]}"
fi
qt=$(ensure_qt_windows)
step "Qt for Windows in $qt"

build=build-windows
# CMake keeps the Qt that a build folder first found: another Qt starts it
# afresh.
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qF "$qt/lib/cmake/Qt6/qt.toolchain.cmake" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
targets=(--target merovant windows-package)
$check && targets=()
# Qt's toolchain file sets the cross compiler and the host's Qt tools up.
# Debian's Qt leaves out the static plugins (the Windows platform, the style,
# the icon reader) unless asked for them. Compiled for size, and the linker
# drops what nothing calls.
build_tree "$build" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG -ffunction-sections -fdata-sections" \
    -DCMAKE_EXE_LINKER_FLAGS_RELEASE="-s -Wl,--gc-sections" "${targets[@]}"
$check && cmake --build "$build" --target windows-package
step "built $build/bin/merovant.exe and $build/package/"

if $check; then
    build_tree build --target grab_window >/dev/null
    step "built build/bin/grab_window"
    ctest --test-dir "$build" --output-on-failure
    step "checked under Wine"
fi

size() { du -k "$1" | awk -v name="$(basename "$1")" '{ printf "  %-40s %6.1f MB\n", name, $1 / 1024 }'; }
echo "== Figures"
size "$build/bin/merovant.exe"
if [ -f "$build/tests/bare_window.exe" ]; then
    size "$build/tests/bare_window.exe"
    awk -v a="$(stat -c %s "$build/bin/merovant.exe")" -v b="$(stat -c %s "$build/tests/bare_window.exe")" \
        'BEGIN { printf "  merovant.exe beside a bare Qt window: %.1f MB more, size ratio %.3f\n", (a - b) / 1048576, a / b }'
fi
for file in "$build"/package/*.exe "$build"/package/*.zip; do
    size "$file"
done
if $check; then
    # In one Wine prefix, in turn: what the game adds to Qt's own start; of
    # that, what the shell's opening of the home page takes (a copy with no
    # home page beside it skips the call) and what the same controls with
    # text alone take (the bench's anchor).
    no_home=$(mktemp -d)
    cp "$build/bin/merovant.exe" "$no_home/merovant-no-home-page.exe"
    tests/windows/first_paint.sh build/bin/grab_window "${MEROVANT_PAINT_ROUNDS:-5}" \
        "$build/bin/merovant.exe" "$no_home/merovant-no-home-page.exe" \
        "$build/tests/anchor_window.exe" "$build/tests/bare_window.exe"
    rm -rf "$no_home"
fi
