#!/usr/bin/env bash
# The whole test suite from nothing: set-up, cross build, then every test under Wine via CTest.
# Extra arguments go to ctest (e.g. tools/test.sh -L net).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$("$root/tools/bootstrap.sh")
build=${ZENTRIVO_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DZENTRIVO_DEPS_PREFIX="$deps" -DZENTRIVO_TEST_BUILD=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
exec ctest --output-on-failure -j"$(nproc)" "$@"
