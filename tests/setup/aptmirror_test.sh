#!/bin/bash
# setup.sh takes the mirror for the backports from the machine's own apt
# configuration: debian_mirror run on sample configurations of both formats.
set -u
. "$(dirname "$0")/../../scripts/aptmirror.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect NAME WANTED: the mirror found in the configuration written to $root
expect() {
    local got
    got=$(debian_mirror bookworm "$root")
    if [ "$got" != "$2" ]; then
        echo "FAIL $1: got '$got', expected '$2'"
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}
configuration() {
    root="$scratch/$1"
    mkdir -p "$root/etc/apt/sources.list.d"
}

configuration one-line
cat >"$root/etc/apt/sources.list" <<'LIST'
# deb http://commented.example/debian bookworm main
deb-src http://sources.example/debian bookworm main
deb http://security.example/debian-security bookworm-security main
deb [arch=amd64 signed-by=/usr/share/keyrings/debian.gpg] http://mirror.example/debian/ bookworm main contrib
deb http://later.example/debian bookworm main
LIST
expect "one-line format with options, security first" "http://mirror.example/debian"

configuration deb822
cat >"$root/etc/apt/sources.list.d/debian.sources" <<'SOURCES'
Types: deb
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main

Types: deb deb-src
# a comment inside a stanza
uris: http://off.example/debian
Suites: bookworm
Enabled: no

Types: deb-src deb
URIs: http://mirror.example/debian
 http://second.example/debian
Suites: bookworm bookworm-updates
Components: main
SOURCES
expect "deb822 format, disabled and security stanzas passed over" "http://mirror.example/debian"

configuration updates-only
echo "deb http://updates.example/debian bookworm-updates main" >"$root/etc/apt/sources.list.d/updates.list"
expect "a source of the -updates suite names the mirror too" "http://updates.example/debian"

configuration order
echo "# all in sources.list.d" >"$root/etc/apt/sources.list"
printf 'Types: deb\nURIs: http://first.example/debian\nSuites: bookworm\n' >"$root/etc/apt/sources.list.d/a.sources"
echo "deb http://second.example/debian bookworm main" >"$root/etc/apt/sources.list.d/b.list"
expect "files read in apt's order" "http://first.example/debian"

configuration other-release
echo "deb http://mirror.example/debian trixie main" >"$root/etc/apt/sources.list"
expect "no source of this release" ""

configuration empty
expect "no configuration at all" ""

[ "$failures" -eq 0 ]
