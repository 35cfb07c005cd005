#!/usr/bin/env bash
# Installs what is missing, builds the program alone, and starts Hygrodex (it needs a display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" run
# A first build leaves the tests out; a build folder set up before keeps its choice.
testing=()
[ -f "$root/build/CMakeCache.txt" ] || testing=(-DBUILD_TESTING=OFF)
BUILD_TARGET=Hygrodex "$root/scripts/build.sh" "$root/build" "${testing[@]}"
exec "$root/build/app/Hygrodex"
