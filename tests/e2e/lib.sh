# Shared helpers of the real-window tests: a private X display with a window manager.
# Source it; call need_tools, then start_display. Everything started is stopped on exit.

SKIP=77
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

need_tools() {
  local tool
  for tool in Xvfb openbox xdotool xprop xwininfo "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit $SKIP
    fi
  done
}

fail() {
  echo "FAIL: $*" >&2
  if [[ -n ${E2E_SHOTS:-} ]]; then import -window root "$E2E_SHOTS/failure-$(date +%s).png" 2>/dev/null || true; fi
  exit 1
}

# Starts Xvfb on a free display and openbox on it; exports DISPLAY.
start_display() {
  local fifo display
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pids+=($!)
  read -r -t 20 display <"$fifo" || fail "Xvfb did not start"
  rm -f "$fifo"
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  openbox >/dev/null 2>&1 &
  pids+=($!)
  # openbox is ready once it owns the window-manager selection.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# Waits up to $2 seconds (default 10) for a visible window whose name is exactly $1; prints its id.
wait_window() {
  local name=$1 seconds=${2:-10} id
  for _ in $(seq $((seconds * 10))); do
    for id in $(xdotool search --onlyvisible --name "^$(printf '%s' "$name" | sed 's/[.[\*^$()+?{|]/\\&/g')\$" 2>/dev/null); do
      echo "$id"
      return 0
    done
    sleep 0.1
  done
  return 1
}

motto=" Alle kinderen moeten alle kansen krijgen."

# Starts the program $1 in the background; sets app to its process and main to its main window.
start_program() {
  "$1" &
  app=$!
  pids+=("$app")
  main=$(wait_window "$motto" 15) || fail "no main window titled '$motto'"
}

window_title() {
  xprop -id "$1" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//'
}
