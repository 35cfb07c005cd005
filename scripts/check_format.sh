#!/usr/bin/env bash
# Fails when a C++ file of the tree strays from the tree's one format (.clang-format); prints where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
