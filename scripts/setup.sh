#!/bin/bash
# Installs everything the build, the tests and the program need on a Debian 12
# machine: the cross compiler, Wine (32-bit), a virtual X server, ImageMagick,
# CMake, the GoogleTest sources and the locale sources that tests compile
# (German and Japanese) into the build tree. Safe to run again; quiet when
# all is there.
set -euo pipefail

packages=(cmake g++ make mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
          binutils-mingw-w64-i686 wine wine32 xvfb xauth imagemagick googletest locales)

missing=()
have_i386=$(dpkg --print-foreign-architectures | grep -c '^i386$' || true)
for p in "${packages[@]}"; do
    case "$p" in wine32) q="wine32:i386" ;; *) q="$p" ;; esac
    dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q 'install ok installed' || missing+=("$q")
done
# Wine's 32-bit side is an i386 Linux program. Kernels that cannot start
# those themselves get them run by qemu's user-mode emulator through binfmt.
runs_i386() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1 || return 1
    # Through binfmt it must be a qemu of version 10 or later.
    [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] ||
        qemu-i386-static --version 2>/dev/null | grep -qE 'version ([1-9][0-9]+)\.'
}

[ "$have_i386" -gt 0 ] && [ ${#missing[@]} -eq 0 ] && runs_i386 && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if [ "$have_i386" -eq 0 ]; then
    echo "setup: adding the i386 architecture" >&2
    $SUDO dpkg --add-architecture i386
fi
if [ "$have_i386" -eq 0 ] || [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq >/dev/null
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}" >&2
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Some virtual machines run no 32-bit user code at all. There Wine's i386 side
# runs under qemu's user-mode emulator through binfmt_misc; qemu 10 (Debian's
# backports) is fast enough for that, the older qemu of Debian 12 is not.
if ! runs_i386; then
    echo "setup: this kernel runs no i386 programs; installing qemu's user-mode emulator" >&2
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    backports=/etc/apt/sources.list.d/tessel-backports.list
    if ! apt-cache policy qemu-user-static 2>/dev/null | grep -q bpo; then
        # From the mirror that this machine's apt already uses.
        . "$(dirname "$0")/aptmirror.sh"
        mirror=$(debian_mirror "$release")
        if [ -z "$mirror" ]; then
            echo "setup: no Debian package source for $release in the apt configuration" >&2
            exit 1
        fi
        echo "deb $mirror $release-backports main" | $SUDO tee "$backports" >/dev/null
        $SUDO apt-get update -qq >/dev/null
    fi
    $SUDO apt-get install -y -qq --no-install-recommends -t "$release-backports" qemu-user-static >/dev/null
    # Registered with flag F, the kernel keeps the binary it was given: drop
    # an older registration so that the new emulator is the one used.
    if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        echo -1 | $SUDO tee /proc/sys/fs/binfmt_misc/qemu-i386 >/dev/null
    fi
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
        $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null
    runs_i386 || { echo "setup: cannot run Wine's i386 programs on this machine" >&2; exit 1; }
fi
