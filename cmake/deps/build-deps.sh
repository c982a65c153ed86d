#!/usr/bin/env bash
# Builds the third-party libraries for i686-w64-mingw32 (posix threads, static) from Debian source
# packages into a prefix outside the work tree. The prefix is keyed by the source versions and by
# this script, so a second run finds it complete and returns at once.
# Usage: build-deps.sh [CACHE_DIR]   prints the prefix on its last line.
set -euo pipefail

HOST=i686-w64-mingw32
CACHE=${1:-${ZENTRIVO_CACHE:-/var/cache/zentrivo}}
HERE=$(cd "$(dirname "$0")" && pwd)
SOURCES=(curl libjsoncpp pugixml minizip wxwidgets3.2)

srcver() { apt-cache showsrc "$1" | awk '/^Version:/{print $2}' | sort -V | tail -n1; }
key=""
for s in "${SOURCES[@]}"; do
  v=$(srcver "$s")
  [ -n "$v" ] || { echo "no source package $s (is deb-src enabled?)" >&2; exit 1; }
  key+="$s=$v;"
done
key+="gtest=$(dpkg-query -W -f='${Version}' googletest);"
key+="zlib=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev);"
key+="script=$(sha1sum "$0" | cut -c1-12)"
hash=$(printf '%s' "$key" | sha1sum | cut -c1-16)
PREFIX="$CACHE/deps-$hash"

if [ -f "$PREFIX/.complete" ]; then echo "$PREFIX"; exit 0; fi

JOBS=$(nproc)
WORK="$CACHE/src-$hash"
rm -rf "$WORK" "$PREFIX"
mkdir -p "$WORK" "$PREFIX/include" "$PREFIX/lib"
cd "$WORK"
TOOLCHAIN="$HERE/../i686-mingw.cmake"
CMAKE_COMMON=(-DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$PREFIX" -DBUILD_SHARED_LIBS=OFF)

log() { echo "== deps: $*" >&2; }

# Source packages ------------------------------------------------------------------------------
for s in curl libjsoncpp pugixml minizip; do
  log "fetching source $s"
  apt-get source -q "$s" >/dev/null 2>"$WORK/$s.fetch.log" || { cat "$WORK/$s.fetch.log" >&2; exit 1; }
done
log "fetching source wxwidgets3.2 (nanosvg headers only)"
apt-get source -q --download-only wxwidgets3.2 >/dev/null 2>"$WORK/wx.fetch.log" || { cat "$WORK/wx.fetch.log" >&2; exit 1; }
orig=$(ls wxwidgets3.2_*.orig.tar.* | head -n1)
mkdir -p "$PREFIX/include/nanosvg"
tar -xf "$orig" --wildcards --strip-components=4 -C "$PREFIX/include/nanosvg" \
  '*/3rdparty/nanosvg/src/nanosvg.h' '*/3rdparty/nanosvg/src/nanosvgrast.h'

# curl: Schannel, static, HTTP(S) only ---------------------------------------------------------
log "building curl"
cd "$WORK"/curl-*/
./configure --host=$HOST CC=$HOST-gcc-posix --prefix="$PREFIX" --disable-shared --enable-static \
  --with-schannel --without-openssl --without-gnutls --without-zlib --without-brotli --without-zstd \
  --without-libssh2 --without-libssh --without-libidn2 --without-libpsl --without-nghttp2 \
  --without-librtmp --without-libgsasl --disable-ldap --disable-ldaps --disable-rtsp --disable-dict \
  --disable-telnet --disable-tftp --disable-pop3 --disable-imap --disable-smb --disable-smtp \
  --disable-gopher --disable-mqtt --disable-ftp --disable-file --disable-manual --disable-docs \
  --disable-ntlm-wb --without-ca-bundle --without-ca-path >"$WORK/curl.configure.log" 2>&1 \
  || { tail -40 "$WORK/curl.configure.log" >&2; exit 1; }
make -j"$JOBS" -C lib >"$WORK/curl.make.log" 2>&1 || { tail -40 "$WORK/curl.make.log" >&2; exit 1; }
make -C lib install >/dev/null && make -C include install >/dev/null

# jsoncpp ---------------------------------------------------------------------------------------
log "building jsoncpp"
cd "$WORK"/libjsoncpp-*/
cmake -S . -B build "${CMAKE_COMMON[@]}" -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=OFF -DBUILD_STATIC_LIBS=ON \
  -DBUILD_OBJECT_LIBS=OFF >"$WORK/jsoncpp.log" 2>&1 || { tail -40 "$WORK/jsoncpp.log" >&2; exit 1; }
cmake --build build -j"$JOBS" >>"$WORK/jsoncpp.log" 2>&1 && cmake --install build >>"$WORK/jsoncpp.log" 2>&1 \
  || { tail -40 "$WORK/jsoncpp.log" >&2; exit 1; }

# pugixml ---------------------------------------------------------------------------------------
log "building pugixml"
cd "$WORK"/pugixml-*/
cmake -S . -B build "${CMAKE_COMMON[@]}" -DPUGIXML_BUILD_TESTS=OFF >"$WORK/pugixml.log" 2>&1 \
  && cmake --build build -j"$JOBS" >>"$WORK/pugixml.log" 2>&1 && cmake --install build >>"$WORK/pugixml.log" 2>&1 \
  || { tail -40 "$WORK/pugixml.log" >&2; exit 1; }

# minizip: the unzip part with its I/O layer, against the mingw zlib. Its unzip.c always defines
# NOUNCRYPT; the archive reader decrypts members itself over minizip's raw reads. -------------
log "building minizip (unzip)"
cd "$WORK"/minizip-*/
mz=$(dirname "$(find . -name unzip.c | head -n1)")
mkdir -p "$PREFIX/include/minizip" obj
for f in unzip ioapi; do
  $HOST-gcc-posix -O2 -DIOAPI_NO_64 -c "$mz/$f.c" -o obj/$f.o
done
$HOST-ar rcs "$PREFIX/lib/libminizip.a" obj/unzip.o obj/ioapi.o
cp "$mz"/unzip.h "$mz"/ioapi.h "$mz"/crypt.h "$PREFIX/include/minizip/"

# GoogleTest ------------------------------------------------------------------------------------
log "building googletest"
cmake -S /usr/src/googletest -B "$WORK/gtest" "${CMAKE_COMMON[@]}" -Dgtest_disable_pthreads=OFF \
  -DINSTALL_GTEST=ON -DBUILD_GMOCK=OFF >"$WORK/gtest.log" 2>&1 \
  && cmake --build "$WORK/gtest" -j"$JOBS" >>"$WORK/gtest.log" 2>&1 \
  && cmake --install "$WORK/gtest" >>"$WORK/gtest.log" 2>&1 || { tail -40 "$WORK/gtest.log" >&2; exit 1; }

printf '%s\n' "$key" > "$PREFIX/.complete"
cd / && rm -rf "$WORK"
# Prefixes of earlier keys are of no further use.
for old in "$CACHE"/deps-*; do [ "$old" = "$PREFIX" ] || rm -rf "$old"; done
echo "$PREFIX"
