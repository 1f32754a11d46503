#!/usr/bin/env bash
# Configures and builds one build folder:
#
#   scripts/build.sh [folder] [--target NAME]... [extra cmake options...]
#
# builds the targets named (everything when none is); the cmake options count only when the
# folder is configured for the first time.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
shift || true
targets=()
options=()
while (($#)); do
  if [[ $1 == --target && $# -ge 2 ]]; then
    targets+=(--target "$2")
    shift 2
  else
    options+=("$1")
    shift
  fi
done
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}"
fi
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
