#!/usr/bin/env bash
# Runs the README's test command on a fresh, minimal Debian 12 system: a chroot made with
# debootstrap from the package archive this machine's apt already uses, holding the committed
# HEAD of this project and nothing else. A machine that has built the project before may hold
# packages nobody named in tools/*-packages.txt; a fresh one shows what ./test.sh really needs.
#
# Usage (as root, from anywhere in the project):
#   tools/fresh-machine-check.sh             # runs ./test.sh, the plain suite
#   tools/fresh-machine-check.sh './test.sh -R install'   # any command, in the project's root
# Environment:
#   FRESH_CACHE    the pristine system, made once (default /var/tmp/cantrix3-bookworm.tar);
#                  delete it to start over
#   FRESH_TIMEOUT  seconds the command may take (default 3600)
#   FRESH_KEEP=1   keeps the run's root for a look inside (its path is printed)
# It takes about 2 minutes to make the pristine system, then the command's own time (./test.sh:
# about 3 minutes to install, 10 to build and test on 2 cores). .ci/run calls it when CI=true.
set -euo pipefail
trap 'echo "$0: failed at line $LINENO" >&2' ERR
cd "$(dirname "$0")/.."
[ "$(id -u)" = 0 ] || { echo "$0: run as root (debootstrap, chroot and mount need it)" >&2; exit 2; }
git rev-parse --verify -q HEAD >/dev/null || { echo "$0: no committed HEAD to test" >&2; exit 2; }

command=${1:-./test.sh}
cache=${FRESH_CACHE:-/var/tmp/cantrix3-bookworm.tar}

# The first Debian archive in apt's sources, in either format, security updates aside.
archive() {
    local sources=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
    local uris
    uris=$(cat "${sources[@]}" 2>/dev/null |
        sed -n -E -e 's/^URIs:[[:space:]]*//p' -e 's/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?//p' |
        awk '{ print $1 }' | grep -v -- '-security' || true)
    echo "${uris%%$'\n'*}"
}

if [ ! -s "$cache" ]; then
    mirror=$(archive)
    [ -n "$mirror" ] || { echo "$0: no Debian archive in this machine's apt sources" >&2; exit 2; }
    tools/ensure-packages.sh debootstrap
    echo "== making a pristine Debian 12 system from $mirror (once, kept in $cache)"
    stage=$(mktemp -d /var/tmp/cantrix3-stage.XXXXXX)
    debootstrap --variant=minbase bookworm "$stage" "$mirror" >/dev/null
    tar -C "$stage" -cf "$cache.part" . && mv "$cache.part" "$cache"
    rm -rf --one-file-system "$stage"
fi

root=$(mktemp -d /var/tmp/cantrix3-fresh.XXXXXX)
mounts=(proc sys dev dev/pts dev/shm)
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -l "$root/${mounts[i]}" 2>/dev/null || true
    done
    if [ "${FRESH_KEEP:-}" = 1 ]; then
        echo "kept: $root"
    elif grep -q " $root/" /proc/mounts; then
        # Never delete through a mount that is still there: it would reach this machine's /dev.
        echo "$0: $root still has mounts; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

tar -C "$root" -xf "$cache"
# The system's root folder as on any machine: mktemp made it, and the archive's "." keeps, a
# folder only root may enter, which no other user of the system could then reach a path through.
chmod 755 "$root"
mkdir "$root/project"
git archive --format=tar HEAD | tar -C "$root/project" -xf -
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs tmpfs "$root/dev/shm"

echo "== on a fresh Debian 12 system, at $(git rev-parse --short HEAD): $command"
start=$(date +%s)
status=0
# A clean environment: no display, no CI (so ./test.sh runs the plain suite), no terminal.
timeout --kill-after=60 "${FRESH_TIMEOUT:-3600}" \
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    ${http_proxy:+http_proxy="$http_proxy"} /bin/bash -c "cd /project && $command" </dev/null || status=$?
echo "== exit status $status after $(($(date +%s) - start)) s"
exit "$status"
