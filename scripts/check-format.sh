#!/usr/bin/env bash
# Checks that the C++ sources follow .clang-format; with --fix it formats them in place.
#
#   scripts/check-format.sh [--fix]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
# find, not git ls-files: CI checks a git archive, which has no repository.
mapfile -d '' files < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [[ ${1:-} == --fix ]]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "PASS: ${#files[@]} files follow .clang-format"
fi
