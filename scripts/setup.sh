#!/usr/bin/env bash
# Installs the Debian packages a command needs and skips what is present.
#   setup.sh run    building and running the program
#   setup.sh test   that, the tests' and benchmarks' libraries, and the format check's clang-format
set -euo pipefail
purpose=${1:-test}
packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev fonts-liberation fonts-noto-cjk fonts-dejavu-core)
case "$purpose" in
  run) ;;
  test) packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang-format) ;;
  *) echo "setup.sh: unknown purpose '$purpose' (run or test)" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
