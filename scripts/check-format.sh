#!/usr/bin/env bash
# Checks that the C++ sources follow .clang-format; with --fix it formats them in place.
#
#   scripts/check-format.sh [--fix]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if [[ ${1:-} == --fix ]]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "PASS: ${#files[@]} files follow .clang-format"
fi
