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
# emulator, registered with binfmt_misc. qemu before 8.1 tracks guest pages one by one and
# spends about a minute starting each Wine process, so the emulator is taken from the next
# Debian release (a static program, installed beside nothing) from the machine's own mirror.
QEMU_DIR=/var/cache/zentrivo/qemu
QEMU_SUITE=trixie
qemu_from_next_release() {
  [ -x "$QEMU_DIR/qemu-i386" ] && return 0
  local uri work opts
  uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$uri" ] || return 1
  work=$(mktemp -d)
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
  echo "deb $uri $QEMU_SUITE main" > "$work/sources.list"
  opts=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Architectures=amd64
    -o APT::Sandbox::User=root -o Debug::NoLocking=1)
  local try ok=0
  for try in 1 2 3 4; do
    if apt-get -q "${opts[@]}" update >&2 && (cd "$work" && apt-get -q "${opts[@]}" download qemu-user >&2); then
      ok=1; break
    fi
    sleep $((try * 5))
  done
  if [ $ok -eq 1 ] && dpkg-deb -x "$work"/qemu-user_*.deb "$work/x" \
     && [ -x "$work/x/usr/bin/qemu-i386" ]; then
    mkdir -p "$QEMU_DIR"
    install -m 755 "$work/x/usr/bin/qemu-i386" "$QEMU_DIR/qemu-i386"
  fi
  rm -rf "$work"
  [ -x "$QEMU_DIR/qemu-i386" ]
}

if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1 \
   || grep -q '^interpreter /usr/bin/qemu-i386-static' /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  qemu=/usr/bin/qemu-i386-static
  if qemu_from_next_release; then qemu=$QEMU_DIR/qemu-i386; else
    echo "bootstrap: no newer qemu; Wine processes will start slowly" >&2
  fi
  if ! grep -q "^interpreter $qemu\$" /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
    [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386
    # ELF, 32-bit, little endian, executable or shared object, machine 3 (i386).
    printf '%s' ":qemu-i386:M::\\x7f\\x45\\x4c\\x46\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$qemu:OCF" \
      > /proc/sys/fs/binfmt_misc/register
  fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "bootstrap: cannot run i386 programs" >&2; exit 1; }
  echo "bootstrap: i386 programs run through $qemu (32-bit emulation is off in this kernel)" >&2
fi
