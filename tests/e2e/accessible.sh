#!/usr/bin/env bash
# What a screen reader gets: the built program on a display with a window manager, a session bus
# and the accessibility bus switched on; accessible.py reads its accessible tree while xdotool
# types what a child types.
set -euo pipefail
program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=lib.sh
source "$here/lib.sh"
need_tools openbox dbus-send
python=/usr/bin/python3 # Debian's own, with the gi bindings (another python3 may come first)
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
  skip "$python cannot load Atspi (gir1.2-atspi-2.0, python3-gi)"
start_display
start_accessibility

start_program "$program"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
"$python" "$here/accessible.py"
echo "PASS: names, window roles, the division, the verdicts, help step 1, a refusal, a box read back whole, the total, a held Enter and silent hidden answers and pictures over AT-SPI"
