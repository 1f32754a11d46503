#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh [folder] [extra cmake options...]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
shift || true
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
