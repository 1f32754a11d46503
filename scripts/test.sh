#!/usr/bin/env bash
# Installs what is missing, the test tools too, builds the release build with its tests and the
# benchmark's programs (a test checks their hooks), and runs the whole suite.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh" test
# The whole suite includes the benchmark's hooks. A build that scripts/run.sh configured looked for
# the test set's libraries before they were there; configuring again finds them (CMake searches
# again for what it did not find).
if [[ -f $top/build/CMakeCache.txt ]]; then cmake -DREKENRUPS_BENCH=ON "$top/build" >/dev/null; fi
"$top/scripts/build.sh" "$top/build" -DREKENRUPS_BENCH=ON
cd "$top/build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
