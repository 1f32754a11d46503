# shellcheck shell=bash
# What a run of tests started, found by a mark in the environment, so that nothing it started
# outlives it. Shared by scripts/test.sh (the whole suite) and tests/e2e/lib.sh (one real-window
# test). A process inherits its parent's environment, so the mark reaches what a run starts
# through others too (a session bus starts the services asked of it, at-spi-bus-launcher its own
# bus), also once their parent has gone and they have left the run's process tree. Source it, then:
#
#   leftovers_mark NAME     exports NAME with a value of this run's own; everything started
#                           after it carries it
#   leftovers_find NAME     prints the process ids of what carries NAME's value, one a line,
#                           this shell and its subshells left out
#   leftovers_name PID...   prints each one as "PID COMMAND LINE", one a line
#   leftovers_end PID...    ends them: TERM, and KILL to what still runs 5 s later

leftovers_mark() {
  export "$1=rekenrups-$$-${EPOCHREALTIME/[.,]/}"
}

leftovers_find() {
  local name=$1 file pid
  local mark="$name=${!name}"
  # grep runs without the mark, so that it does not find itself. This shell has it only in its
  # own variables, not in the environment it was started with, which is what /proc shows (of its
  # subshells too); a shell that was started with it is left out by its id. Some files cannot be
  # read (other users' processes, ones ended meanwhile): grep says so by its exit code alone.
  { env -u "$name" grep -lsxzF -e "$mark" /proc/[0-9]*/environ 2>/dev/null || true; } | while IFS= read -r file; do
    pid=${file#/proc/}
    pid=${pid%/environ}
    [[ $pid == "$$" ]] || echo "$pid"
  done
}

# A process that has ended but is not yet waited for (a zombie) counts as ended.
leftovers_running() {
  local state
  state=$(awk '{sub(/^.*\) /, ""); print $1}' "/proc/$1/stat" 2>/dev/null) || return 1
  [[ -n $state && $state != Z ]]
}

leftovers_name() {
  local pid line
  for pid in "$@"; do
    line=$(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline") || continue
    echo "$pid ${line:-[$(cat "/proc/$pid/comm" 2>/dev/null)]}"
  done
}

leftovers_end() {
  local pid left
  (($#)) || return 0
  kill "$@" 2>/dev/null || true
  for _ in $(seq 50); do
    left=()
    for pid in "$@"; do leftovers_running "$pid" && left+=("$pid"); done
    ((${#left[@]})) || return 0
    sleep 0.1
  done
  kill -KILL "${left[@]}" 2>/dev/null || true
}
