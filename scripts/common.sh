# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh, test.sh, package.sh and windows.sh: installs missing Debian
# packages, configures and builds a tree, reads --check and times the steps.

# What building the program needs; zlib compresses the drawn PNG art, Qt's
# lupdate and lrelease compile its translations. What it needs to run as
# built: the fonts its captions are measured to fit (Liberation Sans, Lato,
# and a Chinese face for the Chinese translation) and Qt's own translations.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev zlib1g-dev qt6-tools-dev qt6-l10n-tools
    fonts-liberation2 fonts-lato fonts-dejavu-core fonts-wqy-microhei qt6-translations-l10n)
# What checking the program on a real X server and its installed files needs:
# the X server, X tools to find and click its window, the validators of the
# menu entry and the AppStream metadata, and man for the manual page.
DESKTOP_CHECK_PACKAGES=(xvfb x11-utils xdotool desktop-file-utils appstream man-db)
# What building the Debian package needs besides its Build-Depends, which
# package.sh reads off debian/control (build-essential, which every Debian
# build assumes, a minimal system lacks), and what checks the package and the
# licences of the sources.
PACKAGE_PACKAGES=(dpkg-dev debhelper build-essential)
PACKAGE_CHECK_PACKAGES=(lintian reuse)

# Runs a command as root: directly, or through sudo. Without either, says in
# one line what to run as root, and exits 1.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "$(basename "$0"): needs root for this; as root, run: $*" >&2
        exit 1
    fi
}

# Installs those of the named packages that are not installed yet, saying
# first what and how much there is to download.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
        echo "$(basename "$0"): missing Debian packages; as root, run: apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "== Updating the package lists to install ${missing[*]}"
    as_root apt-get update -qq
    # apt lists each file it has to fetch with its size: the sum is the download.
    local uris count size
    uris=$(apt-get install -y --no-install-recommends --print-uris -qq "${missing[@]}") || {
        echo "$(basename "$0"): apt-get cannot install ${missing[*]}" >&2
        exit 1
    }
    count=$(apt-get install -s --no-install-recommends -qq "${missing[@]}" | grep -c '^Inst ' || true)
    size=$(awk '/^'\''/ { sum += $3 } END { printf "%.1f MB", sum / 1000000 }' <<<"$uris")
    echo "== Installing $count packages in all, $size to download"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o=Dpkg::Use-Pty=0 \
        --no-install-recommends "${missing[@]}"
}

# build_tree DIR [CMAKE ARGS...] [--target TARGET...]
# Configures DIR and builds the named targets, or all of them.
build_tree() {
    local dir=$1 args=() targets=()
    shift
    while [ $# -gt 0 ] && [ "$1" != --target ]; do
        args+=("$1")
        shift
    done
    [ $# -eq 0 ] || targets=("$@")
    cmake -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
    cmake --build "$dir" "${targets[@]}"
}

# read_check_option "$@": sets check to true for the one option --check, to
# false for none; anything else prints the usage and exits 2.
read_check_option() {
    check=false
    case "$*" in
    "") ;;
    --check) check=true ;;
    *)
        echo "usage: ./$(basename "$0") [--check]" >&2
        exit 2
        ;;
    esac
}

# step WHAT: says what was done, with the seconds since the last step.
step_start=$SECONDS
step() {
    echo "== $1 ($((SECONDS - step_start)) s)"
    step_start=$SECONDS
}
