#!/usr/bin/env bash
# Runs the installer under Wine against the local stand-in of the maker's services, which
# serves the stand-in product as the online installer. Does its own set-up (packages, the
# third-party build, the cross build of a demo build whose service hosts point at the stand-in).
#
# With DISPLAY set, the installer opens on that display and the script ends when it is closed.
# Without one, it runs on a virtual display and clicks through the whole flow itself (home, exit
# dialog, a failed download, re-install, installing, finished, run), saving a screenshot of each
# into a folder whose path it prints last.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$("$root/tools/bootstrap.sh")
build=${ZENTRIVO_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DZENTRIVO_DEPS_PREFIX="$deps" -DZENTRIVO_TEST_BUILD=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target zentrivo standin_product >/dev/null

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
control=$(cache ZENTRIVO_STANDIN_CONTROL_PORT)
https=$(cache ZENTRIVO_STANDIN_HTTPS_PORT)
http=$(cache ZENTRIVO_STANDIN_HTTP_PORT)
product="$build/tools/DOCWARP_Online.exe"
standin=(python3 "$root/tools/services/standin.py" --state "$build/services" --control-port "$control"
  --https-port "$https" --http-port "$http")
prefix=${ZENTRIVO_WINEPREFIX:-$build/wineprefix}

"${standin[@]}" --product "$product" start >/dev/null
"$root/tools/wine-run" --prefix "$prefix" --start
cleanup() {
  "$root/tools/wine-run" --prefix "$prefix" --stop || true
  "${standin[@]}" stop >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ]; then
  python3 "$root/tools/ui-driver/demo.py" --control-port "$control" --https-port "$https" --script-only
  echo "The installer is open on $DISPLAY; it installs the stand-in product from the local stand-in." >&2
  "$root/tools/wine-run" --prefix "$prefix" "$build/installer/app/Zentrivo.exe" || true
  exit 0
fi

DISPLAY=$(cat "$prefix.state/xvfb.display")
export DISPLAY
shots=$(mktemp -d "${TMPDIR:-/tmp}/zentrivo-screens.XXXXXX")
python3 "$root/tools/ui-driver/demo.py" --control-port "$control" --https-port "$https" \
  --prefix "$prefix" --exe "$build/installer/app/Zentrivo.exe" --wine-run "$root/tools/wine-run" \
  --shots "$shots"
echo "$shots"
