#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks an installed Merovant under PREFIX (/usr for the Debian package) for
# what a desktop looks for: the program and its home page, a valid menu entry
# that starts it, the icon in the hicolor theme at every size, valid AppStream
# metadata and a manual page that man shows without warnings. The home page,
# the metadata's release and the manual page must be of the version that the
# program itself reports. PROGRAM defaults to PREFIX/bin/merovant, or to
# PREFIX/games/merovant where the Debian package puts it. Exits 77 when the
# validators are missing.
#   check_install.sh PREFIX [PROGRAM]
set -u
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: check_install.sh PREFIX [PROGRAM]" >&2
    exit 2
fi
prefix=$1
program=${2:-$prefix/bin/merovant}
[ $# -eq 2 ] || [ -e "$program" ] || program=$prefix/games/merovant
app_id=io.github.merovant.Merovant

for tool in desktop-file-validate appstreamcli man; do
    if ! command -v "$tool" >/dev/null; then
        echo "check_install: SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

fail() {
    echo "check_install: FAILED: $*"
    exit 1
}

[ -x "$program" ] || fail "no program $program"
version=$("$program" --version) || fail "$program --version failed"
version=${version#Merovant }
[ -n "$version" ] || fail "$program reports no version"
homepage=$prefix/share/merovant/index.html
[ -f "$homepage" ] || fail "no home page $homepage"
grep -q "Version $version\." "$homepage" || fail "$homepage is not of version $version"

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
appstreamcli validate --pedantic --no-net "$metainfo" || fail "$metainfo does not validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo has no release $version"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "$metainfo does not name the menu entry"
grep -q "<icon type=\"stock\">$app_id</icon>" "$metainfo" || fail "$metainfo does not name the icon"

# The manual page, compressed or not, is found by man under its section and
# is of the program's version.
manual=$(ls "$prefix"/share/man/man6/merovant.6* 2>/dev/null | head -n 1)
[ -n "$manual" ] || fail "no manual page $prefix/share/man/man6/merovant.6"
warnings=$(man --warnings -l "$manual" 2>&1 >/dev/null) || fail "man cannot show $manual"
[ -z "$warnings" ] || fail "$manual: $warnings"
page=$(MANWIDTH=80 man -l "$manual" 2>/dev/null)
grep -q "Merovant $version" <<<"$page" || fail "$manual is not of version $version"

echo "check_install: PASSED ($prefix)"
