#!/usr/bin/env bash
# Machine set-up, as root: i386 + deb-src derived from the machine's own apt sources, then the
# Debian packages the build and the tests use. Idempotent; quick when everything is present.
set -euo pipefail

PACKAGES=(g++-mingw-w64-i686-posix mingw-w64-tools wine wine32:i386 xvfb xauth
  fonts-wqy-microhei cmake dpkg-dev googletest libz-mingw-w64-dev libstb-dev python3
  openssl imagemagick xdotool zip unzip make ninja-build)

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

# deb-src: add the source type next to every binary entry already configured; nothing new is
# named, the entries are the machine's own.
shopt -s nullglob
for f in /etc/apt/sources.list.d/*.sources; do
  if grep -qE '^Types:.*\bdeb\b' "$f" && ! grep -qE '^Types:.*deb-src' "$f"; then
    sed -i -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb deb-src/' "$f"
    need_update=1
  fi
done
if [ -f /etc/apt/sources.list ] && grep -qE '^deb[[:space:]]' /etc/apt/sources.list \
   && ! grep -qE '^deb-src[[:space:]]' /etc/apt/sources.list; then
  sed -n -E 's/^deb([[:space:]])/deb-src\1/p' /etc/apt/sources.list >> /etc/apt/sources.list
  need_update=1
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  [ ${#missing[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
