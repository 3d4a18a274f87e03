#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build tree into a temporary prefix, as `cmake --install` does
# for anyone, checks the installed files and then the installed program's
# window, which must find its home page inside that prefix.
#   check_installed_tree.sh CMAKE BUILD_DIR GRAB_WINDOW
set -u
if [ $# -ne 3 ]; then
    echo "usage: check_installed_tree.sh CMAKE BUILD_DIR GRAB_WINDOW" >&2
    exit 2
fi
cmake=$1
build=$2
grab_window=$3
here=$(dirname "${BASH_SOURCE[0]}")

prefix=$(mktemp -d "${TMPDIR:-/tmp}/merovant-prefix.XXXXXX") || exit 1
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || {
    echo "check_installed_tree: FAILED: cmake --install"
    exit 1
}
"$here/check_install.sh" "$prefix" || exit
"$here/../support/check_window.sh" --home-under "$prefix" "$prefix/bin/merovant" "$grab_window"
