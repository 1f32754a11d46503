#!/usr/bin/env bash
# The program's frames on a real window manager ($2): the intro has no title bar; the chooser and
# an exercise screen stand centred by their outer frame on the first show and after a round trip;
# picture buttons show their own back colour; Enter on the chooser's first button opens its level;
# the exercise screen cannot be minimised, maximised or closed by the window manager; and ending
# the session ends the program, while the user's close request does not. With E2E_SCALE=2 all of
# it at a device pixel ratio of 2, on a screen twice as large.
set -euo pipefail
program=$1 wm=${2:-openbox}
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=lib.sh
source "$here/lib.sh"
tinysm=${3:-}
need_tools "$wm" wmctrl import
[[ -x $tinysm ]] || skip "no session manager for the test (libsm-dev was missing when the build was configured)"
scale=${E2E_SCALE:-1}
start_display "$wm" $((1024 * scale))x$((768 * scale))
((scale == 1)) || export QT_SCALE_FACTOR=$scale

# A session for the program to join, driven through a pipe.
coproc session { "$tinysm"; }
pids+=("$session_PID")
read -r -t 10 address <&"${session[0]}" || fail "the session manager did not start"
export "${address?}"
start_program "$program"
read -r -t "$slow" joined <&"${session[0]}" && [[ $joined == registered ]] || fail "the program did not join the session"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
wait_until "$slow" active "$main" || fail "the main window never got the focus"
sleep 0.5

# Under the intro's top edge lies its fixed border, not a title bar: looking down the middle of the
# main window, the backdrop gives way to the border's light grey, and three pixels on to the frame.
backdrop=234,226,138
column=$(import -window "$main" -depth 8 -crop "1x$((768 * scale))+$(($(xwininfo -id "$main" | awk '/Width:/ {print $2}') / 2))+0" txt:- |
  sed -n 's/^0,\([0-9]*\): *(\([0-9]*,[0-9]*,[0-9]*\).*/\1 \2/p')
edge=$(awk -v backdrop="$backdrop" 'seen && $2 != backdrop {print $1; exit} $2 == backdrop {seen = 1}' <<<"$column")
[[ -n $edge ]] || fail "no intro under the main window's backdrop"
[[ $(awk -v y="$edge" '$1 == y {print $2}' <<<"$column") == 223,223,223 ]] ||
  fail "the intro's top edge is $(awk -v y="$edge" '$1 == y {print $2}' <<<"$column"), not its border"
[[ $(awk -v y=$((edge + 3 * scale)) '$1 == y {print $2}' <<<"$column") == 0,0,0 ]] ||
  fail "three pixels under the intro's top edge lies no frame line: a title bar?"

xdotool key --clearmodifiers Return
chooser=$(wait_window rekenrups "$slow") || fail "Enter on the intro did not bring up the chooser"
wait_until "$slow" active "$chooser" || fail "the chooser never got the focus"
sleep 0.5
expect_centred "$chooser" "the chooser on its first show"
# cmdeinde at 5760, 6720 twips: a point left of its picture, 15 twips a pixel.
[[ $(pixel "$chooser" $(((5760 / 15 + 8) * scale)) $(((6720 / 15 + 24) * scale))) == 128,0,0 ]] ||
  fail "the chooser's stop button face is $(pixel "$chooser" $(((5760 / 15 + 8) * scale)) $(((6720 / 15 + 24) * scale)))"

# The first focused button is cmdplus, which opens the remainder-0 level. The chooser bears the
# same title, so the exercise screen is looked for once the chooser has gone (on a loaded machine
# it may still be there a moment after the key).
xdotool key --clearmodifiers Return
wait_until "$slow" hidden "$chooser" || fail "the chooser stayed after Enter"
screen=$(wait_window rekenrups "$slow") || fail "Enter on the chooser opened nothing"
[[ $(window_role "$screen") == frmrekenrupseven ]] || fail "Enter opened '$(window_role "$screen")'"
sleep 0.5
expect_centred "$screen" "the exercise screen on its first show"
[[ $(pixel "$screen" $(((2160 / 15 + 8) * scale)) $(((5640 / 15 + 24) * scale))) == 192,0,192 ]] ||
  fail "cmdstart's face is $(pixel "$screen" $(((2160 / 15 + 8) * scale)) $(((5640 / 15 + 24) * scale)))"

# What the window manager offers of minimise, maximise and close must do nothing.
before=$(outer_frame "$screen")
actions=$(xprop -id "$screen" _NET_WM_ALLOWED_ACTIONS)
xdotool windowminimize "$screen"
wmctrl -i -r "$screen" -b add,maximized_vert,maximized_horz
wmctrl -i -c "$screen"
sleep 1
xwininfo -id "$screen" | grep -q IsViewable || fail "the exercise screen went away ($actions)"
[[ $(outer_frame "$screen") == "$before" ]] || fail "the exercise screen moved to $(outer_frame "$screen") from $before ($actions)"
kill -0 "$app" 2>/dev/null || fail "the program ended on a close request"
echo "$wm offers: ${actions#*= }"

# Back to the chooser with cmdstop (4440, 5640 twips) and in again.
xdotool mousemove --window "$screen" $(((2 * 4440 + 1575) * scale / 30)) $(((2 * 5640 + 735) * scale / 30)) click 1
wait_until "$slow" hidden "$screen" || fail "the exercise screen stayed after cmdstop"
chooser=$(wait_window rekenrups "$slow") && [[ $(window_role "$chooser") == frmkiesbasis1 ]] || fail "cmdstop did not return to the chooser"
wait_until "$slow" active "$chooser" || fail "the chooser never got the focus"
sleep 0.5
expect_centred "$chooser" "the chooser shown again"
xdotool key --clearmodifiers Return
wait_until "$slow" hidden "$chooser" || fail "the chooser stayed after Enter"
screen=$(wait_window rekenrups "$slow") && [[ $(window_role "$screen") == frmrekenrupseven ]] || fail "Enter did not open the level again"
sleep 0.5
expect_centred "$screen" "the exercise screen shown again"

# The desktop ends the session without a "save your work" request: the program leaves at once.
echo die >&"${session[1]}"
wait_for_end 10 "the program was still running 10 s after the session ended"
((code == 0)) || fail "the program ended with exit code $code when the session ended"
echo "PASS: frames, centring, button faces, Enter and the session's end under $wm"
