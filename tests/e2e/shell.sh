#!/usr/bin/env bash
# The built program in a real window: it maps its maximised main window with the exact title,
# Ctrl+B brings up the level chooser, and a window-manager close request ends nothing.
set -euo pipefail
program=$1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_tools
start_display

start_program "$program"
[[ $(window_title "$main") == "$motto" ]] || fail "title is '$(window_title "$main")'"
for _ in $(seq 50); do
  xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT && break
  sleep 0.1
done
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "main window is not maximised"
width=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
(( width > 1200 )) || fail "main window is only $width pixels wide"

xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+b
chooser=$(wait_window "rekenrups" 10) || fail "Ctrl+B did not bring up the level chooser"
[[ -n ${E2E_SHOTS:-} ]] && import -window root "$E2E_SHOTS/shell-chooser.png"

# Alt+F4 is openbox's close request (WM_DELETE_WINDOW) for the active window.
for window in "$chooser" "$main"; do
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers alt+F4
  sleep 0.5
  kill -0 "$app" 2>/dev/null || fail "the program ended on a close request"
  xwininfo -id "$window" | grep -q 'IsViewable' || fail "window $window was closed"
done
echo "PASS: main window, Ctrl+B and refused close requests"
