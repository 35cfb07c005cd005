#!/usr/bin/env bash
# Installs what is missing, builds one program alone, and starts it: Hygrodex, or the program named
# as $1 (Hygrodex or Moistrel). Both open a window, so the display is checked before anything is
# installed or built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-Hygrodex}
case "$program" in
  Hygrodex | Moistrel) ;;
  *) echo "run.sh: unknown program '$program' (Hygrodex or Moistrel)" >&2; exit 2 ;;
esac
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "$program needs a display to show its window: set DISPLAY or WAYLAND_DISPLAY, or start it under xvfb-run." >&2
  exit 1
fi
"$root/scripts/setup.sh" run
# A first build leaves the tests out; a build folder set up before keeps its choice.
testing=()
[ -f "$root/build/CMakeCache.txt" ] || testing=(-DBUILD_TESTING=OFF)
BUILD_TARGET=$program "$root/scripts/build.sh" "$root/build" "${testing[@]}"
exec "$root/build/app/$program"
