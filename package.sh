#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of Merovant, build/package/merovant_<version>_<arch>.deb.
#   ./package.sh          build the package
#   ./package.sh --check  then install it with apt-get, check the installed files
#                         and the installed program's window in an X server of
#                         its own (the screenshot lands in build/package/), and
#                         remove the package again
# It builds in build/, as ./test.sh does, or in $MEROVANT_BUILD_DIR.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
. scripts/common.sh

# dpkg-shlibdeps reads the package's library dependencies off the program;
# CPack needs file to find the programs among the packaged files.
PACKAGE_PACKAGES=(dpkg-dev file)

check=false
case "${1:-}" in
"") ;;
--check) check=true ;;
*)
    echo "usage: ./package.sh [--check]" >&2
    exit 2
    ;;
esac

step_start=$SECONDS
step() {
    echo "== $1 ($((SECONDS - step_start)) s)"
    step_start=$SECONDS
}

if $check; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${DESKTOP_CHECK_PACKAGES[@]}"
    # The check removes the package at the end; it must not take away one that
    # was installed before.
    if dpkg-query -W -f='${Status}' merovant 2>/dev/null | grep -q 'install ok installed'; then
        echo "package.sh: merovant is installed already; remove it before --check" >&2
        exit 1
    fi
else
    ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
fi

build=${MEROVANT_BUILD_DIR:-build}
build_tree "$build"
step "built $build/"

rm -f "$build"/package/merovant_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >"$build/package.log" ||
    { cat "$build/package.log"; exit 1; }
debs=("$build"/package/merovant_*.deb)
deb=${debs[0]}
step "packed $deb, $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends

$check || exit 0

installed=false
remove() {
    if $installed; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq merovant >/dev/null
        installed=false
    fi
}
trap remove EXIT

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "$(realpath "$deb")" >"$build/package/install.log" 2>&1 ||
    { cat "$build/package/install.log"; exit 1; }
installed=true
dpkg -L merovant | while read -r file; do [ ! -f "$file" ] || echo "  $file"; done
step "installed with apt-get"

tests/desktop/check_install.sh /usr
step "checked the installed files"

tests/desktop/check_window.sh --home-under /usr --screenshot "$build/package/screenshot.png" \
    /usr/bin/merovant "$build/bin/grab_window"
step "checked the installed program's window"

remove
if dpkg-query -W -f='${Status}' merovant 2>/dev/null | grep -q 'install ok installed' ||
    [ -e /usr/bin/merovant ] || [ -e /usr/share/merovant ]; then
    echo "package.sh: merovant is still installed after its removal" >&2
    exit 1
fi
step "removed the package"
echo "package.sh: $deb installs, runs and removes cleanly"
