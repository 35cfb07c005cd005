#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1, with extra CMake arguments after
# it). With BUILD_TARGET set, builds only that target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$root/build"}
shift || true
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
