#!/usr/bin/env bash
# Every shell script of the repository, and .ci/run, clean under shellcheck's warnings; a script
# added later is checked without being named here.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../e2e/lib.sh
source "$top/tests/e2e/lib.sh"
command -v shellcheck >/dev/null 2>&1 || skip "shellcheck is not installed"
cd "$top"
# CI checks a git archive, which has no repository of its own: there every script but the builds'.
if [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$top" ]]; then
  mapfile -t scripts < <(git ls-files '*.sh' .ci/run)
else
  mapfile -t scripts < <(find . -name '*.sh' -not -path './build*' -printf '%P\n' | sort)
  [[ -f .ci/run ]] && scripts+=(.ci/run)
fi
shellcheck --external-sources --severity=warning "${scripts[@]}"
echo "PASS: ${#scripts[@]} scripts clean under shellcheck"
