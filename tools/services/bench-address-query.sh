#!/usr/bin/env bash
# Runs the address-query benchmark under Wine against a stand-in started for the build folder.
#   tools/services/bench-address-query.sh [BUILD_DIR]
# The build folder must be configured with -DZENTRIVO_TEST_BUILD=ON and have
# bench_address_query built. Do not run it while that folder's tests are running.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
port() { sed -n "s/^$1:STRING=//p" "$build/CMakeCache.txt"; }
args=(--state "$build/services" --control-port "$(port ZENTRIVO_STANDIN_CONTROL_PORT)"
      --https-port "$(port ZENTRIVO_STANDIN_HTTPS_PORT)" --http-port "$(port ZENTRIVO_STANDIN_HTTP_PORT)")
python3 "$root/tools/services/standin.py" start "${args[@]}"
trap 'python3 "$root/tools/services/standin.py" stop "${args[@]}"' EXIT
"$root/tools/wine-run" --prefix "$build/wineprefix" "$build/tests/installer/net/bench_address_query.exe"
