#!/usr/bin/env bash
# Each layer of src/ includes only what lies below it: basic/ nothing of the program, ui/ nothing
# but itself, the logic (the division, help, check and slogan texts) only basic/ and itself.
set -euo pipefail
src=$1
status=0
check() {
  local layer=$1 allowed=$2
  shift 2
  local file include
  while IFS=: read -r file include; do
    include=${include#*\"}
    include=${include%%\"*}
    if [[ ! $include =~ ^($allowed)/ ]]; then
      echo "FAIL: $layer file ${file#"$src"/} includes $include"
      status=1
    fi
  done < <(grep -H '^#include "' "$@" || true)
}
check basic 'basic' "$src"/basic/*
mapfile -t ui_files < <(find "$src/ui" -name '*.h' -o -name '*.cpp')
check ui 'ui' "${ui_files[@]}"
check logic 'basic|exercise|help|check|info' "$src"/exercise/{level,draw,statistics,spoken}.* "$src"/help/* "$src"/check/* \
  "$src"/info/slogan.* "$src"/info/credits.h
# The logic of the exercise, help and check folders stands below their windows.
for file in "$src"/exercise/{level,draw,statistics,spoken}.* "$src"/help/* "$src"/check/* "$src"/info/slogan.*; do
  if grep -q -E '^#include "(ui|shell|resources)/|^#include "exercise/exercise(screen|design)|^#include "info/frm' "$file"; then
    echo "FAIL: ${file#"$src"/} is logic but includes a window or the toolkit"
    status=1
  fi
done
# No two folders include each other.
declare -A uses
while IFS=: read -r file include; do
  from=${file#"$src"/}
  from=${from%%/*}
  include=${include#*\"}
  to=${include%%/*}
  [[ $from != "$to" ]] && uses[$from/$to]=1
done < <(grep -rH '^#include "' "$src" --include='*.h' --include='*.cpp' || true)
for pair in "${!uses[@]}"; do
  from=${pair%/*} to=${pair#*/}
  if [[ -n ${uses[$to/$from]:-} && $from < $to ]]; then
    echo "FAIL: src/$from and src/$to include each other"
    status=1
  fi
done
((status == 0)) && echo "PASS: every layer includes only what lies below it, and no folders include each other"
exit $status
