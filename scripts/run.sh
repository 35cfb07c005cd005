#!/usr/bin/env bash
# Installs what is missing, builds, and starts Hygrodex.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/app/Hygrodex"
