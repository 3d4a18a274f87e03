#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command of this clone as on a machine of another Debian release:
#   scripts/debian.sh RELEASE COMMAND...    e.g. scripts/debian.sh trixie ./test.sh
# The release's tree is made once with Debian's debootstrap from Debian's
# packages and kept in ${XDG_CACHE_HOME:-~/.cache}/merovant/, or in
# $MEROVANT_CACHE; what the command installs there stays for the next run.
# Inside, the clone is at the same path, with build folders of that release
# (build-RELEASE/ here, build/ and build-sanitize/ there; build-windows/ is
# the same in and out, as only Debian 13 builds it); this machine's own build/
# shows there, read-only, as build-<this machine's release>/, for what was
# built here. The command gets its own processes, /proc, /dev and /tmp. It
# all lives in a mount namespace of its own: whatever it mounts goes with
# it, however the command ends.
# Needs root, for debootstrap, mount and chroot.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

if [ $# -lt 2 ]; then
    echo "usage: scripts/debian.sh RELEASE COMMAND..." >&2
    exit 2
fi
release=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "debian.sh: needs root, for debootstrap, mount and chroot; as root, run: $0 $release $*" >&2
    exit 1
fi

MEROVANT_CACHE=${MEROVANT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/merovant}
tree=$MEROVANT_CACHE/debian-$release
clone=$PWD
builds=$clone/build-$release
host_build=$clone/build-$(. /etc/os-release && echo "$VERSION_CODENAME")

if [ ! -f "$tree/.made" ]; then
    ensure_packages debootstrap
    echo "== Making a Debian $release tree in $tree"
    rm -rf "$tree"
    mkdir -p "$MEROVANT_CACHE"
    # Debian's own archive, as this machine's apt reaches it.
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' 2>/dev/null |
        grep -m 1 '/debian/$' || echo http://deb.debian.org/debian/)
    debootstrap --variant=minbase "$release" "$tree" "$mirror" >"$MEROVANT_CACHE/debootstrap-$release.log"
    # The release's security updates, as a machine of it has them.
    cat >"$tree/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb ${mirror%/debian/}/debian-security $release-security main
EOF
    touch "$tree/.made"
    step "made the Debian $release tree"
fi
cp /etc/resolv.conf "$tree/etc/resolv.conf"
mkdir -p "$tree$clone"

# In a mount and process namespace of its own: the mounts end with it.
exec unshare --mount --pid --fork --propagation private bash -euc '
tree=$1 clone=$2 builds=$3 host_build=$4
shift 4
mount -t proc proc "$tree/proc"
# Its own /dev: the usual devices, its own terminals and shared memory.
mount -t tmpfs -o mode=755,nosuid dev "$tree/dev"
for device in null zero full random urandom tty; do
    touch "$tree/dev/$device"
    mount --bind "/dev/$device" "$tree/dev/$device"
done
mkdir "$tree/dev/pts" "$tree/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$tree/dev/pts"
ln -s pts/ptmx "$tree/dev/ptmx"
ln -s /proc/self/fd "$tree/dev/fd"
ln -s /proc/self/fd/0 "$tree/dev/stdin"
ln -s /proc/self/fd/1 "$tree/dev/stdout"
ln -s /proc/self/fd/2 "$tree/dev/stderr"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$tree/dev/shm"
mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$tree/tmp"
mount --bind "$clone" "$tree$clone"
for dir in build build-sanitize; do
    mkdir -p "$clone/$dir" "$builds/$dir"
    mount --bind "$builds/$dir" "$tree$clone/$dir"
done
if [ "$host_build" != "$builds" ]; then
    mkdir -p "$host_build"
    mount --bind -o ro "$clone/build" "$tree$host_build"
fi
cd "$tree$clone"
exec chroot "$tree" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 CI="${CI:-}" \
    bash -c "cd \"\$0\" && exec \"\$@\"" "$clone" "$@"
' debian.sh "$tree" "$clone" "$builds" "$host_build" "$@"
