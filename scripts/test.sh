#!/usr/bin/env bash
# Installs what is missing, the test tools too, builds the release build with its tests and the
# benchmark's programs (a test checks their hooks), and runs the whole suite. Afterwards nothing
# that the suite started may still run (an X server, a bus, a program): what does is named and
# ended, and fails the run, also when the suite failed or was interrupted.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh" test
# The whole suite includes the benchmark's hooks. A build that scripts/run.sh configured looked for
# the test set's libraries before they were there; configuring again finds them (CMake searches
# again for what it did not find).
if [[ -f $top/build/CMakeCache.txt ]]; then cmake -DREKENRUPS_BENCH=ON "$top/build" >/dev/null; fi
"$top/scripts/build.sh" "$top/build" -DREKENRUPS_BENCH=ON
cd "$top/build"

# What the suite starts carries the mark; a process that still carries it a few seconds after
# the suite has outlived it.
# shellcheck source=leftovers.sh
source "$top/scripts/leftovers.sh"
leftovers_mark REKENRUPS_SUITE
check_leftovers() {
  local status=$? left=()
  for _ in $(seq 30); do
    mapfile -t left < <(leftovers_find REKENRUPS_SUITE)
    ((${#left[@]})) || exit "$status"
    sleep 0.1
  done
  {
    echo "rekenrups: the suite left these processes running; they are ended now:"
    leftovers_name "${left[@]}" | sed 's/^/  /'
  } >&2
  leftovers_end "${left[@]}"
  exit $((status ? status : 1))
}
trap check_leftovers EXIT
ctest --output-on-failure --timeout 300 -j "$(nproc)"
