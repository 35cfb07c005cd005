#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" test
"$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=ON
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
