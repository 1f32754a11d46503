#!/usr/bin/env bash
# One road through the Windows program in real windows: Wine's virtual desktop on a private Xvfb,
# at a display scaling of SCALE percent (100 by default; 125, 150, 200 as on school laptops).
#
#   tests/windows/road.sh [BUILD] [SCALE]      BUILD: build-windows by default
#
# It drives build-windows/rekenrups_road.exe, the program's own start-up code and windows
# with a random source that always draws the same, which tells on standard output the division,
# each window shown and each move of the focus (tests/windows/roaddriver.cpp). The road: the
# intro, the chooser, the first level, a right and a wrong answer (the screen turns green, then
# red), back to the chooser, its stop button, and the information screen to the program's own
# end with exit code 0; on the way, every window's top-left corner on the screen, a window that
# fits centred on it, and the exercise screen's caption without title-bar buttons where the
# chooser's has them. Screenshots go to BUILD/road-SCALE/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$top/build-windows}" && pwd)
scale=${2:-100}
driver=$build/rekenrups_road.exe
wine_run=$top/scripts/windows/wine-run.sh
work=$build/road-$scale
screen_width=1024 screen_height=768
# shellcheck source=../e2e/lib.sh
source "$top/tests/e2e/lib.sh"
# shellcheck source=../../scripts/windows/windows-lib.sh
source "$top/scripts/windows/windows-lib.sh"
need_tools import
[[ -x $wine64 ]] || skip "wine64 is not installed"
[[ -e $driver ]] || fail "$driver is missing: run scripts/windows/build.sh first"
rm -rf "$work/shots" "$work/driver.log"
mkdir -p "$work/shots"
export E2E_SHOTS=$work/shots
prefix=$work/wine
log=$work/driver.log

# Wine's own desktop in one X window of the screen's size, and the display's scaling as Windows
# keeps it (dots per inch: 96 is 100 %).
dpi=$((96 * scale / 100))
# A Wine server of an earlier run on this prefix may still be going down.
wine_stop "$prefix"
wine_reg() { bash "$wine_run" "$prefix" reg add "$@" /f >/dev/null 2>&1 || fail "wine reg add $*"; }
wine_reg 'HKCU\Software\Wine\Explorer' /v Desktop /d road
wine_reg 'HKCU\Software\Wine\Explorer\Desktops' /v road /d "${screen_width}x$screen_height"
wine_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
wine_reg 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi"
wine_settle "$prefix"

start_xvfb "${screen_width}x$screen_height"
stop_wine() {
  wine_kill "$prefix"
  cleanup
}
trap stop_wine EXIT

bash "$wine_run" "$prefix" "$driver" >"$log" 2>"$work/driver.err" &
app=$!
pids+=("$app")

# The driver's lines so far; Windows' C library ends each with CR LF.
lines() { tr -d '\r' <"$log"; }
# The last line of the driver's that matches $1; false if there is none.
last_line() {
  local line
  line=$(lines | grep -E "$1" | tail -n 1 || true)
  [[ -n $line ]] && echo "$line"
}
line_or_end() { last_line "$1" >/dev/null || program_ended; }
# Waits up to $2 seconds for a line of the driver's that matches $1; prints the last such line.
wait_line() {
  local pattern=$1 seconds=${2:-20}
  wait_until "$seconds" line_or_end "$pattern" ||
    fail "no '$pattern' from the program in $seconds s (last: $(lines | tail -n 1))"
  last_line "$pattern" || fail "the program ended while waiting for '$pattern'"
}
focused() { lines | grep '^focus ' | tail -n 1 | cut -d' ' -f2; }
focus_moves() { lines | grep -c '^focus ' || true; }
focus_moved_since() { (($(focus_moves) > $1)); }
# Presses Tab until the control named $1 has the focus.
tab_to() {
  for _ in $(seq 30); do
    [[ $(focused) == "$1" ]] && return 0
    local before
    before=$(focus_moves)
    xdotool key Tab
    wait_until 1 focus_moved_since "$before" || true
  done
  fail "Tab never brought the focus to $1 (it is on $(focused))"
}
shot() { import -window root "$E2E_SHOTS/$1.png"; }
# The outer frame the driver reported for window $1: "left top width height" in device pixels.
frame_of() { lines | grep "^shown $1 " | tail -n 1 | cut -d' ' -f3-; }
# The colour of the screen's pixel at $1,$2 as "r,g,b".
screen_pixel() {
  import -window root -depth 8 -crop "1x1+$1+$2" txt:- 2>/dev/null | sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# Every window whole on the screen where it fits, centred there, and else its top-left corner on it.
expect_placed() {
  local left top width height
  read -r left top width height <<<"$(frame_of "$1")"
  ((left >= 0 && top >= 0)) || fail "$1 (scale $scale %): top-left corner at $left,$top, off the screen"
  if ((width <= screen_width && height <= screen_height)); then
    local want_left=$(((screen_width - width) / 2)) want_top=$(((screen_height - height) / 2))
    ((left - want_left <= 2 && want_left - left <= 2 && top - want_top <= 2 && want_top - top <= 2)) ||
      fail "$1 (scale $scale %): outer frame at $left,$top (${width}x$height), centred would be $want_left,$want_top"
  fi
}
# How many light-grey or white pixels lie on the right end of a window's caption, where title-bar
# buttons would be; a caption is dark there (Wine draws Windows' classic blue).
caption_button_pixels() {
  local left top width height y
  read -r left top width height <<<"$(frame_of "$1")"
  y=$((top + 12 * scale / 100))
  import -window root -depth 8 -crop "$((70 * scale / 100))x1+$((left + width - 75 * scale / 100))+$y" txt:- 2>/dev/null |
    awk -F'[(,)]' 'NR > 1 && $3 > 150 && $4 > 150 && $5 > 150 {n++} END {print n + 0}'
}

read -r _ dividend divisor quotient rest <<<"$(wait_line '^division ' 60)"
wait_line '^shown frmmecenaat1 ' 90 >/dev/null
desktop=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1) || true
[[ -n $desktop ]] && xdotool windowfocus "$desktop" 2>/dev/null || true
sleep 1
shot intro
wait_line '^focus cmdkombinnen' 10 >/dev/null
xdotool key Return

wait_line '^shown frmkiesbasis1 ' >/dev/null
sleep 0.5
expect_placed frmkiesbasis1
shot chooser
# The chooser has the usual frame: its buttons show where the check below looks.
chooser_buttons=$(caption_button_pixels frmkiesbasis1)
((chooser_buttons >= 5)) || fail "the chooser's caption shows no buttons where they were looked for ($chooser_buttons light pixels): the check looks in the wrong place"
tab_to cmd100
xdotool key Return

wait_line '^shown frmrekenrups100 ' >/dev/null
sleep 1
expect_placed frmrekenrups100
shot exercise
screen_buttons=$(caption_button_pixels frmrekenrups100)
((screen_buttons == 0)) || fail "the exercise screen's caption has title-bar buttons ($screen_buttons light pixels)"

# Inside the exercise screen's frame, below its caption, at the left: the form's own back colour.
verdict_colour() {
  local left top width height
  read -r left top width height <<<"$(frame_of frmrekenrups100)"
  screen_pixel $((left + 12 * scale / 100)) $((top + height - 12 * scale / 100))
}
answer() { # QUOTIENT REST: starts, types the answer and checks it
  tab_to cmdstart
  xdotool key Return
  wait_line '^focus txtquotient' >/dev/null
  sleep 0.3
  xdotool type --delay 50 "$1"
  tab_to txtrest
  xdotool type --delay 50 "$2"
  tab_to cmdjuist
  xdotool key Return
  sleep 1
}
neutral=$(verdict_colour)
answer "$quotient" "$rest"
shot right
right=$(verdict_colour)
answer "$((quotient + 1))" "$rest"
shot wrong
wrong=$(verdict_colour)
IFS=, read -r r g b <<<"$right"
((g > 150 && r < 100 && b < 100)) || fail "after the right answer $dividend : $divisor = $quotient rest $rest the screen is $right, not green (before: $neutral)"
IFS=, read -r r g b <<<"$wrong"
((r > 150 && g < 100 && b < 100)) || fail "after a wrong answer the screen is $wrong, not red"

tab_to cmdstop
before=$(lines | grep -c '^shown frmkiesbasis1 ')
xdotool key Return
chooser_again() { (($(lines | grep -c '^shown frmkiesbasis1 ') > before)); }
wait_until 5 chooser_again || fail "the exercise screen's stop button did not bring back the chooser"
tab_to cmdeinde
xdotool key Return
wait_line '^shown frminfo ' >/dev/null
sleep 1
shot info
wait_for_end 40 "the information screen did not end the program"
# Now and then Wine kills the process (SIGKILL, 137) in its own teardown after the program has
# ended: the driver's log says how the program's event loop ended, and that must be 0 either way.
if ((code == 137)) && lines | grep -q '^ended 0$'; then
  echo "NOTE: the program ended with 0, and Wine then killed its process (exit code 137)"
  code=0
fi
((code == 0)) || fail "the program ended with exit code $code (log: $log)"
lines | grep -q '^ended 0$' || fail "the program's event loop did not end with 0 (log: $log)"
echo "PASS: road at $scale % under Wine: intro, chooser, $dividend : $divisor right and wrong, back, stop, information screen to the end (exit code 0); no title-bar buttons on the exercise screen; screenshots in $E2E_SHOTS"
