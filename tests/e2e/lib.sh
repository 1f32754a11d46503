# shellcheck shell=bash
# Shared helpers of the real-window tests: a private X display with a window manager.
# Source it; call need_tools, then start_display. Everything started is stopped on exit, failed,
# passed or interrupted: what the test started itself, and what those started in turn (the buses
# of xfwm4 and of the accessibility test, and the services the buses start), which carry the
# test's mark (scripts/leftovers.sh).

SKIP=77
pids=()
temporary=()
# shellcheck source=../../scripts/leftovers.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/leftovers.sh"
leftovers_mark REKENRUPS_E2E_TEST
# The limit of a wait for something that comes for sure, only late on a loaded machine (a 2-core
# machine building beside the tests, a sanitizer build): a server, a window manager, a window.
slow=60

cleanup() {
  local pid marked
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # Those and what they started in turn carry the test's mark; all of it ends, or is killed (and
  # once more, should a bus have started a service meanwhile).
  for _ in 1 2 3; do
    mapfile -t marked < <(leftovers_find REKENRUPS_E2E_TEST)
    ((${#marked[@]})) || break
    leftovers_end "${marked[@]}"
  done
  wait 2>/dev/null || true
  rm -f "${temporary[@]}"
}
trap cleanup EXIT

# A test that lacks what it needs skips in a developer's run, saying so; in CI (CI=true) it fails,
# so that a missing package cannot pass for a passed test.
skip() {
  if [[ ${CI:-} == true ]]; then
    echo "FAIL: $* (in CI every test runs)" >&2
    exit 1
  fi
  echo "SKIP: $*"
  exit $SKIP
}

need_tools() {
  local tool
  for tool in Xvfb xdotool xprop xwininfo "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
  done
}

fail() {
  echo "FAIL: $*" >&2
  if [[ -n ${E2E_SHOTS:-} ]]; then import -window root "$E2E_SHOTS/failure-$(date +%s).png" 2>/dev/null || true; fi
  exit 1
}

# Starts Xvfb on a free display of screen size $1 (WIDTHxHEIGHT) and exports DISPLAY.
start_xvfb() {
  local fifo display
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1x24" -dpi 96 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pids+=($!)
  read -r -t "$slow" display <"$fifo" || fail "Xvfb did not start within $slow s"
  rm -f "$fifo"
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
}

# Starts Xvfb on a free display (screen size $2, default 1280x1024) with the window manager $1
# (default openbox) on it; exports DISPLAY.
start_display() {
  local wm=${1:-openbox} log pid
  start_xvfb "${2:-1280x1024}"
  log=$(mktemp)
  temporary+=("$log")
  # A window manager that ends before it is ready (openbox did, once in a hundred runs under load,
  # saying nothing we kept) gets a second and a third start; what it said is shown if none holds.
  for _ in 1 2 3; do
    case $wm in
      openbox | metacity) "$wm" --sm-disable >"$log" 2>&1 & ;;
      # xfwm4 ends at once without a session bus for its settings daemon.
      xfwm4) dbus-run-session -- xfwm4 --compositor=off --sm-client-disable >"$log" 2>&1 & ;;
      *) "$wm" >"$log" 2>&1 & ;;
    esac
    pid=$!
    pids+=("$pid")
    wait_until "$slow" wm_ready_or_ended "$pid" && wm_ready && return 0
  done
  fail "$wm did not start within $slow s; it said: $(tail -n 5 "$log" | tr '\n' ' ')"
}

# A window manager is ready once it owns the window-manager selection.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wm_ready_or_ended() { wm_ready || ! kill -0 "$1" 2>/dev/null; }

# Runs the command $2... every 0.1 s until it succeeds, for at most $1 seconds; false if it never did.
wait_until() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
hidden() { ! viewable "$1"; }
# The window manager has given window $1 the input focus.
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# Prints the id of a visible window whose name is exactly $1; false if there is none.
visible_window() {
  local ids
  ids=$(xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[.[\*^$()+?{|]/\\&/g')\$" 2>/dev/null) || return 1
  [[ -n $ids ]] && echo "${ids%%$'\n'*}"
}

# Waits up to $2 seconds (default 10) for a visible window whose name is exactly $1; prints its id.
wait_window() {
  wait_until "${2:-10}" visible_window "$1"
}

motto=" Alle kinderen moeten alle kansen krijgen."

# Starts the program $1 in the background; sets app to its process and main to its main window.
start_program() {
  "$1" &
  app=$!
  pids+=("$app")
  # shellcheck disable=SC2034 # main is for the test that sources this
  main=$(wait_window "$motto" "$slow") || fail "no main window titled '$motto' within $slow s"
}

# The outer frame of window $1 as "left top width height", from its client area and the frame
# extents the window manager gives.
outer_frame() {
  local info l r t b
  info=$(xwininfo -id "$1")
  read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -e 's/^[^=]*= *//' -e 's/,/ /g')"
  [[ -n $b ]] || l=0 r=0 t=0 b=0
  awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2}
    END {print x - l, y - t, w + l + r, h + t + b}' <<<"$info"
}

# Fails unless window $1 (named $2) has its outer frame centred on the root window, within a pixel.
expect_centred() {
  local left top width height screen_width screen_height
  read -r left top width height <<<"$(outer_frame "$1")"
  read -r screen_width screen_height <<<"$(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')"
  local want_left=$(((screen_width - width) / 2)) want_top=$(((screen_height - height) / 2))
  ((${left#-} - want_left <= 1 && want_left - left <= 1 && top - want_top <= 1 && want_top - top <= 1)) ||
    fail "$2: outer frame at $left,$top (${width}x$height), centred would be $want_left,$want_top"
}

# The colour of the pixel at $2,$3 in the client area of window $1, as "r,g,b".
pixel() {
  import -window "$1" -depth 8 -crop "1x1+$2+$3" txt:- 2>/dev/null | sed -n 's/^0,0: *(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p'
}

# The window's role, the name the program gives it (frmkiesbasis1, frmrekenrups100, ...).
window_role() {
  xprop -id "$1" WM_WINDOW_ROLE | sed -n 's/^[^"]*"\(.*\)"$/\1/p'
}

# Waits up to $1 seconds for the program to end; fails with "$2" if it does not. Sets code to its
# exit code.
# shellcheck disable=SC2034 # code is for the test that sources this
wait_for_end() {
  wait_until "$1" program_ended || fail "$2"
  code=0
  wait "$app" || code=$?
}

program_ended() { ! kill -0 "$app" 2>/dev/null; }

window_title() {
  xprop -id "$1" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//'
}

# A session bus of the test's own with the accessibility bus on it and accessibility switched on,
# as a desktop with a screen reader has it; exports DBUS_SESSION_BUS_ADDRESS. Programs started
# after this show their accessible tree on the bus.
start_accessibility() {
  local launcher=/usr/libexec/at-spi-bus-launcher fifo address
  [[ -x $launcher ]] || skip "$launcher is not installed (at-spi2-core)"
  command -v dbus-daemon >/dev/null 2>&1 || skip "dbus-daemon is not installed"
  fifo=$(mktemp -u) && mkfifo "$fifo"
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$fifo" >/dev/null 2>&1 &
  pids+=($!)
  read -r -t 20 address <"$fifo" || fail "the session bus did not start"
  rm -f "$fifo"
  export DBUS_SESSION_BUS_ADDRESS=$address
  unset AT_SPI_BUS_ADDRESS
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  # Once the launcher owns its name, switch accessibility on as a screen reader does; toolkits
  # read this when they start.
  wait_until 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
    >/dev/null 2>&1 || fail "the accessibility bus did not start"
}
