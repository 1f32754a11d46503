#!/usr/bin/env bash
# The built program in a real window: it maps its maximised main window with the exact title,
# Ctrl+B brings up the level chooser, a window-manager close request ends nothing, and an
# exercise screen's frame offers moving and resizing only.
set -euo pipefail
program=$1
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_tools openbox
start_display

start_program "$program"
[[ $(window_title "$main") == "$motto" ]] || fail "title is '$(window_title "$main")'"
maximised() { xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT; }
wait_until "$slow" maximised || true
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "main window is not maximised"
width=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
(( width > 1200 )) || fail "main window is only $width pixels wide"

xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+b
chooser=$(wait_window "rekenrups" "$slow") || fail "Ctrl+B did not bring up the level chooser"
[[ -n ${E2E_SHOTS:-} ]] && import -window root "$E2E_SHOTS/shell-chooser.png"

# Alt+F4 is openbox's close request (WM_DELETE_WINDOW) for the active window.
for window in "$chooser" "$main"; do
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers alt+F4
  sleep 0.5
  kill -0 "$app" 2>/dev/null || fail "the program ended on a close request"
  xwininfo -id "$window" | grep -q 'IsViewable' || fail "window $window was closed"
done
# The level button cmd100, at 4320 + 5295/2 and 1800 + 495/2 twips, 15 twips a pixel.
xdotool windowactivate --sync "$chooser" >/dev/null 2>&1 || true
xdotool mousemove --window "$chooser" $(((2 * 4320 + 5295) / 30)) $(((2 * 1800 + 495) / 30)) click 1
wait_until "$slow" hidden "$chooser" || fail "the chooser stayed after its level button"
screen=$(wait_window "rekenrups" "$slow") || fail "the level button opened no exercise screen"
[[ $screen != "$chooser" ]] || fail "the chooser stayed after its level button"
# Motif hints: functions and decorations given; the functions move (4) and resize (2), no close.
hints=$(xprop -id "$screen" _MOTIF_WM_HINTS)
[[ $hints == *"= 0x3, 0x6, 0xe"* ]] || fail "exercise screen frame hints are '$hints'"
[[ -n ${E2E_SHOTS:-} ]] && import -window root "$E2E_SHOTS/shell-exercise.png"
echo "PASS: main window, Ctrl+B, refused close requests, an exercise screen without title-bar buttons"
