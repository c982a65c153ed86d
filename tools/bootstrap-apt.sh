#!/usr/bin/env bash
# Machine set-up, as root: i386 + deb-src derived from the machine's own apt sources, then the
# Debian packages the build and the tests use. Idempotent; quick when everything is present.
set -euo pipefail

PACKAGES=(g++-mingw-w64-i686-posix mingw-w64-tools wine wine32:i386 xvfb xauth
  fonts-wqy-microhei cmake dpkg-dev googletest libz-mingw-w64-dev libstb-dev python3
  openssl imagemagick xdotool zip unzip libarchive-tools p7zip-full make ninja-build qemu-user-static)

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
# A mirror that is mid-sync answers some index files with the wrong size: retry a few times, then
# go on with whatever lists did arrive (the install below says clearly if something is missing).
update_lists() {
  local try
  for try in 1 2 3 4; do
    if apt-get update -q; then return 0; fi
    echo "bootstrap: apt-get update failed (try $try), retrying" >&2
    sleep $((try * 5))
  done
  echo "bootstrap: going on with the package lists that did arrive" >&2
}

# With a half-synced mirror one architecture can see a newer version (e.g. from the security
# suite) than the other, and multi-arch packages such as wine32:i386 then cannot be resolved.
# Pinning the install to the machine's own release puts both architectures on the same suite.
install_missing() {
  local codename
  if apt-get install -y -q --no-install-recommends "$@"; then return 0; fi
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || return 1
  echo "bootstrap: install failed; trying again with both architectures on $codename" >&2
  apt-get install -y -q --no-install-recommends -t "$codename" "$@"
}

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  update_lists
  [ ${#missing[@]} -eq 0 ] || install_missing "${missing[@]}"
fi

# Wine's 32-bit loader is an i386 Linux program. Some kernels run with 32-bit emulation switched
# off (boot option ia32_emulation=off); there the i386 programs go through qemu's user-mode
# emulator, registered with binfmt_misc. Slower, but the same Wine and the same tests.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    # ELF, 32-bit, little endian, executable or shared object, machine 3 (i386).
    printf '%s' ':qemu-i386:M::\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:OCF' \
      > /proc/sys/fs/binfmt_misc/register
  fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "bootstrap: cannot run i386 programs" >&2; exit 1; }
  echo "bootstrap: i386 programs run through qemu-i386 (32-bit emulation is off in this kernel)" >&2
fi
