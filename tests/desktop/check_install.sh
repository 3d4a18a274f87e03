#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks an installed Merovant under PREFIX (/usr for the Debian package) for
# what a desktop looks for: the program and its home page, a valid menu entry
# that starts it, the icon in the hicolor theme at every size and valid
# AppStream metadata of release 1.0.0 with a screenshot. Exits 77 when the
# validators are missing.
#   check_install.sh PREFIX
set -u
if [ $# -ne 1 ]; then
    echo "usage: check_install.sh PREFIX" >&2
    exit 2
fi
prefix=$1
app_id=io.github.merovant.Merovant

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_install: SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

fail() {
    echo "check_install: FAILED: $*"
    exit 1
}

[ -x "$prefix/bin/merovant" ] || fail "no program $prefix/bin/merovant"
[ -f "$prefix/share/merovant/index.html" ] || fail "no home page $prefix/share/merovant/index.html"

entry=$prefix/share/applications/$app_id.desktop
[ -f "$entry" ] || fail "no menu entry $entry"
desktop-file-validate "$entry" || fail "$entry does not validate"
grep -qx 'Exec=merovant' "$entry" || fail "the menu entry does not start merovant"
grep -qx "Icon=$app_id" "$entry" || fail "the menu entry does not name the merovant icon"

# Each icon is a PNG of its size: the signature, then IHDR's width and height;
# and a scalable one.
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png
    [ -f "$icon" ] || fail "no icon $icon"
    [ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
    [ "$w" -eq "$size" ] && [ "$h" -eq "$size" ] || fail "$icon is ${w}x$h"
done
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
[ -f "$icon" ] || fail "no icon $icon"
grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$icon" || fail "$icon is not an SVG image"

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "$metainfo does not validate"
grep -q '<release version="1.0.0"' "$metainfo" || fail "$metainfo has no release 1.0.0"
grep -q '<screenshot type="default">' "$metainfo" || fail "$metainfo has no screenshot"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "$metainfo does not name the menu entry"

echo "check_install: PASSED ($prefix)"
