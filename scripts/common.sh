# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh, test.sh and package.sh: installs missing Debian packages, then
# configures and builds a tree.

# What building the program needs; zlib compresses the drawn PNG art, Qt's
# lupdate and lrelease compile its translations. What it needs to run as
# built: the fonts its captions are measured to fit (Liberation Sans, Lato,
# and a Chinese face for the Chinese translation) and Qt's own translations.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev zlib1g-dev qt6-tools-dev qt6-l10n-tools
    fonts-liberation2 fonts-lato fonts-dejavu-core fonts-wqy-microhei qt6-translations-l10n)
# What checking the program on a real X server and its installed files needs:
# the X server, X tools to find and click its window, and the validators of the
# menu entry and the AppStream metadata.
DESKTOP_CHECK_PACKAGES=(xvfb x11-utils xdotool desktop-file-utils appstream)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs those of the named packages that are not installed yet.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# build_tree DIR [CMAKE ARGS...]
build_tree() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
