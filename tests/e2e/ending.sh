#!/usr/bin/env bash
# The built program from start to end: Enter on the intro brings up the chooser, its stop button
# shows the information screen, and the program then ends by itself with exit code 0 after
# 151 ticks of 75 ms.
set -euo pipefail
program=$1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_tools openbox
start_display

start_program "$program"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 0.5
[[ -n ${E2E_SHOTS:-} ]] && import -window root "$E2E_SHOTS/ending-intro.png"
xdotool key --clearmodifiers Return
chooser=$(wait_window "rekenrups" 10) || fail "Enter on the intro did not bring up the chooser"
for _ in $(seq 50); do
  xwininfo -id "$main" | grep -q 'IsViewable' || break
  sleep 0.1
done
xwininfo -id "$main" | grep -q 'IsViewable' && fail "the main window stayed visible after the intro"

# The middle of the stop button, 5760 + 1815/2 and 6720 + 735/2 twips, at 15 twips a pixel.
x=$(((2 * 5760 + 1815) / 30))
y=$(((2 * 6720 + 735) / 30))
sleep 0.3
started=$EPOCHREALTIME
xdotool mousemove --window "$chooser" "$x" "$y" click 1

for _ in $(seq 50); do
  xwininfo -id "$main" | grep -q 'IsViewable' && break
  sleep 0.1
done
xwininfo -id "$main" | grep -q 'IsViewable' || fail "the stop button did not bring back the main window"
[[ -n ${E2E_SHOTS:-} ]] && { sleep 1; import -window root "$E2E_SHOTS/ending-info.png"; }

wait_for_end 25 "the program was still running 25 s after the stop button"
ended=$EPOCHREALTIME
elapsed_ms=$(( (${ended/./} - ${started/./}) / 1000 ))
echo "ended after ${elapsed_ms} ms with exit code $code"
(( code == 0 )) || fail "exit code $code"
(( elapsed_ms >= 10000 && elapsed_ms <= 20000 )) || fail "ended after $elapsed_ms ms, not about 11.3 s"
echo "PASS: intro, chooser, information screen and the end after ${elapsed_ms} ms"
