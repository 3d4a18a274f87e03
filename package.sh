#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of Merovant with dpkg-buildpackage from a clean
# copy of the sources, and leaves build/package/merovant_<version>_<arch>.deb.
#   ./package.sh          build the package
#   ./package.sh --check  then check the sources' licences with reuse and the
#                         package with lintian, install it with apt-get, check
#                         the installed files, the installed program's command
#                         line and its window in an X server of its own (the
#                         screenshot lands in build/package/), and remove the
#                         package again, leaving nothing behind
#   ./package.sh --check-deb FILE
#                         install, check and remove FILE as --check does, a
#                         package built elsewhere (on another Debian release)
# The window check takes its window grabber from build/, or $MEROVANT_BUILD_DIR.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
. scripts/common.sh

deb= built=
if [ "${1:-}" = --check-deb ] && [ $# -eq 2 ]; then
    deb=$2 check=true
else
    read_check_option "$@"
fi

installed_now() { dpkg-query -W -f='${Status}' merovant 2>/dev/null | grep -q 'install ok installed'; }

if ! $check; then
    ensure_packages "${PACKAGE_PACKAGES[@]}"
elif [ -n "$deb" ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_CHECK_PACKAGES[@]}"
else
    ensure_packages "${PACKAGE_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}" \
        "${BUILD_PACKAGES[@]}" "${DESKTOP_CHECK_PACKAGES[@]}"
fi
if $check; then
    # The check removes the package at the end; it must not take away one that
    # was installed before.
    if installed_now; then
        echo "package.sh: merovant is installed already; remove it before $1" >&2
        exit 1
    fi
fi
out=build/package
if [ -n "$deb" ]; then
    mkdir -p "$out"
    version=$(dpkg-deb --field "$deb" Version)
else
    # Whatever else debian/control asks for: dpkg-checkbuilddeps names what is
    # missing, with versions and alternatives that apt does not need here.
    if ! unmet=$(dpkg-checkbuilddeps 2>&1); then
        read -r -a unmet <<<"$(sed -n 's/.*Unmet build dependencies: //p' <<<"$unmet" |
            sed 's/([^)]*)//g; s/|[^ ]*//g; s/debhelper-compat/debhelper/g')"
        ensure_packages "${unmet[@]}"
    fi

    version=$(dpkg-parsechangelog --show-field Version)
    src=$out/merovant-$version
    rm -rf "$out"
    mkdir -p "$src"
    # Only what the repository holds: no build trees, no local leftovers; without
    # git (a bare Debian tree), all but the build trees, git's own files and
    # Python's caches.
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z --cached --others --exclude-standard |
            tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$src"
    else
        tar --exclude='./build*' --exclude=./.git --exclude=__pycache__ -cf - . | tar -xf - -C "$src"
    fi
    step "copied the sources to $src/"
    if $check; then
        # The copy holds exactly the project's files, with or without git.
        reuse --root "$src" lint
        step "checked the sources' licences"
    fi

    # One build job per core unless DEB_BUILD_OPTIONS says otherwise.
    options=${DEB_BUILD_OPTIONS:-}
    [[ $options == *parallel=* ]] || options="$options parallel=$(nproc)"
    echo "== dpkg-buildpackage -us -uc -b, DEB_BUILD_OPTIONS=$options (log: $out/dpkg-buildpackage.log)"
    (cd "$src" && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -us -uc -b) >"$out/dpkg-buildpackage.log" 2>&1 ||
        { tail -n 40 "$out/dpkg-buildpackage.log"; exit 1; }
    rm -rf "$src"
    debs=("$out"/merovant_"$version"_*.deb)
    deb=${debs[0]}
    built=yes
    step "built $deb, $(du -k "$deb" | cut -f1) KiB"
fi
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends Recommends

$check || exit 0

if [ -n "$built" ]; then
    # Errors and warnings fail; infos and pedantic notes are shown, and the
    # overridden ones with the reason for each.
    lintian --display-experimental --display-info --pedantic --show-overrides --fail-on error,warning "$deb"
    step "lintian: no errors, no warnings"
fi

build=${MEROVANT_BUILD_DIR:-build}
build_tree "$build" --target grab_window >/dev/null
step "built $build/bin/grab_window"

installed=false
remove() {
    if $installed; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq merovant >/dev/null
        installed=false
    fi
}
trap remove EXIT

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "$(realpath "$deb")" >"$out/install.log" 2>&1 ||
    { cat "$out/install.log"; exit 1; }
installed=true
files=$(dpkg -L merovant | while read -r file; do [ -d "$file" ] || echo "$file"; done)
sed 's/^/  /' <<<"$files"
step "installed with apt-get"

program=/usr/games/merovant
tests/desktop/check_install.sh /usr "$program"
man -k merovant | grep -q '^merovant (6)' || { echo "package.sh: man -k merovant does not list merovant(6)" >&2; exit 1; }
step "checked the installed files; man -k merovant: $(man -k merovant)"

tests/desktop/check_command_line.sh "$program" "${version%%-*}"
step "checked the installed program's command line"

tests/support/check_window.sh --home-under /usr --screenshot "$out/screenshot.png" \
    "$program" "$build/bin/grab_window"
step "checked the installed program's window"

remove
left=$(while read -r file; do [ ! -e "$file" ] || echo "$file"; done <<<"$files")
if installed_now || [ -n "$left" ] || [ -e /usr/share/merovant ]; then
    echo "package.sh: merovant left files behind after its removal: $left" >&2
    exit 1
fi
step "removed the package, nothing left behind"
echo "package.sh: $deb ${built:+builds, passes lintian, }installs, runs and removes cleanly"
