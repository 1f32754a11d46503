#!/usr/bin/env bash
# scripts/leftovers.sh finds what a run started by its mark, also what has left the run's process
# tree, and ends it; tests/e2e/lib.sh ends everything a test started when the test is interrupted.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../scripts/leftovers.sh
source "$top/scripts/leftovers.sh"
work=$(mktemp -d)
clean_up() {
  local left
  mapfile -t left < <(leftovers_find TEST_RUN)
  leftovers_end "${left[@]}"
  kill "$unmarked" 2>/dev/null || true
  rm -rf "$work"
}
unmarked=
trap clean_up EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
passed=0
ok() {
  echo "ok - $1"
  passed=$((passed + 1))
}
running() { leftovers_running "$1"; }
gone() { ! leftovers_running "$1"; }
within() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

leftovers_mark TEST_RUN
[[ -z $(leftovers_find TEST_RUN) ]] || fail "a fresh mark finds $(leftovers_find TEST_RUN)"
ok "a fresh mark finds nothing, not this shell either"

# A daemon in a session of its own, whose parent has ended (as a bus's service when the bus goes),
# one that ignores TERM, and one without the mark (another program's).
setsid bash -c 'sleep 300 & echo $! >"$1"' _ "$work/daemon"
(
  trap '' TERM
  exec sleep 301
) &
stubborn=$!
env -u TEST_RUN sleep 299 &
unmarked=$!
daemon=$(cat "$work/daemon")
within 5 running "$daemon" || fail "the daemon did not start"
found=$(leftovers_find TEST_RUN | sort -n | tr '\n' ' ')
[[ $found == *"$daemon "* && $found == *"$stubborn "* ]] || fail "found '$found', not $daemon and $stubborn"
[[ $found != *"$unmarked "* ]] || fail "found $unmarked, which has no mark"
[[ $(leftovers_name "$daemon") == "$daemon sleep 300 " ]] || fail "named '$(leftovers_name "$daemon")'"
ok "the mark finds what left the process tree and what ignores TERM, and names it"

leftovers_end "$daemon" "$stubborn"
wait "$stubborn" 2>/dev/null || true
if running "$daemon" || running "$stubborn"; then fail "still running after leftovers_end"; fi
[[ -z $(leftovers_find TEST_RUN) ]] || fail "still marked: $(leftovers_find TEST_RUN)"
ok "leftovers_end ends both, killing what ignores TERM"

# A real-window test's helpers, interrupted: what they started, and what that started in its own
# session, ends with the test.
cat >"$work/test.sh" <<EOF
source "$top/tests/e2e/lib.sh"
sleep 302 &
pids+=(\$!)
setsid bash -c 'sleep 303 & echo \$! >"$work/orphan"'
echo started
sleep 300
EOF
bash "$work/test.sh" >"$work/out" 2>&1 &
test_shell=$!
within 10 grep -q started "$work/out" || fail "the test did not start: $(cat "$work/out")"
orphan=$(cat "$work/orphan")
running "$orphan" || fail "the orphan did not start"
kill -TERM "$test_shell"
wait "$test_shell" || true
gone "$orphan" || fail "the test's orphan $orphan outlived the interrupted test"
mapfile -t left < <(leftovers_find TEST_RUN)
((${#left[@]} == 0)) || fail "the interrupted test left $(leftovers_name "${left[@]}")"
ok "an interrupted real-window test ends what it started, and what left its process tree"

echo "PASS: $passed checks of scripts/leftovers.sh and the real-window tests' end"
