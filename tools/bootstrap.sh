#!/usr/bin/env bash
# Everything a fresh Debian 12 machine needs to build and test: the Debian packages (as root, via
# sudo when not root) and the third-party libraries built for the target. Prints the library
# prefix on its last line. Idempotent; seconds when already done.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -eq 0 ]; then "$here/bootstrap-apt.sh" >&2; else sudo "$here/bootstrap-apt.sh" >&2; fi
cache=${ZENTRIVO_CACHE:-/var/cache/zentrivo}
if [ ! -w "$(dirname "$cache")" ] && [ ! -w "$cache" ]; then cache=$HOME/.cache/zentrivo; fi
mkdir -p "$cache"
"$here/../cmake/deps/build-deps.sh" "$cache" | tail -n1
