#!/usr/bin/env bash
# What Orca says while a child does one exercise, written down instead of spoken: the built
# program on a private display with openbox, a session bus and the accessibility bus, Orca with
# settings of its own, and speech-dispatcher with one output module that appends each text to a
# file. The keys go the child's way: intro, chooser, the first level, start, help step 1, a right
# answer; start again, letters checked (refused), a wrong answer checked with Enter held down; back
# to the chooser, and the end. Prints the transcript, each step under a line "» step",
# and then which of the things a child must hear were said (exit code 1 when one was not).
#
#   tests/tools/orca-transcript.sh [PROGRAM]    (default: build/src/rekenrups)
#
# Orca speaks its own words in the language of LANG (C.UTF-8 when unset): LANG=nl_NL.UTF-8 for Dutch.
#
# ORCA_DEBUG_FILE=FILE has Orca write its debug log there: the events it got and what it made
# of them.
#
# Needs the [screen-reader] set of scripts/debian-packages.txt, which scripts/setup.sh
# screen-reader installs (it is asked for here when something is missing). Not part of the
# suite: what Orca says, and when, differs a little from run to run.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
program=${1:-$top/build/src/rekenrups}
[[ -x $program ]] || { echo "orca-transcript: no program at $program (build it with scripts/build.sh)" >&2; exit 1; }
python=/usr/bin/python3
atspi=$top/tests/e2e/atspi.py

missing=
for tool in orca speech-dispatcher Xvfb openbox xdotool xprop xwininfo dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || missing+=" $tool"
done
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null || missing+=" python3-gi"
if [[ -n $missing ]]; then
  echo "orca-transcript: missing:$missing; installing the screen-reader set" >&2
  "$top/scripts/setup.sh" screen-reader
fi

# shellcheck source=../e2e/lib.sh
source "$top/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'cleanup; rm -rf "$work"' EXIT
said=$work/said.txt
: >"$said"

start_display
start_accessibility

# Everything Orca and speech-dispatcher keep goes into the work folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/run LANG=${LANG:-C.UTF-8}
unset LANGUAGE LC_ALL
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$work/orca" \
  "$work/speechd/modules" "$work/speechd/clients" "$work/speechd-log"
chmod 700 "$XDG_RUNTIME_DIR"

# speech-dispatcher: one module, the generic one, whose "synthesis" appends the text to the
# file. It opens an audio device all the same; ALSA's null device is always there.
cat >"$work/speechd/speechd.conf" <<CONF
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule "transcript"
DefaultLanguage "nl"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
cat >"$work/speechd/modules/transcript.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $said"
GenericLanguage "nl" "nl" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "nl" "MALE1" "nl"
AddVoice "en" "MALE1" "en"
CONF
socket=$XDG_RUNTIME_DIR/speechd.sock
speech-dispatcher -s -t 0 -c unix_socket -S "$socket" -C "$work/speechd" -L "$work/speechd-log" \
  >"$work/speechd.out" 2>&1 &
pids+=($!)
export SPEECHD_ADDRESS=unix_socket:$socket
wait_until 10 test -S "$socket" || { cat "$work/speechd.out" >&2; fail "speech-dispatcher did not start"; }

debug=()
[[ -n ${ORCA_DEBUG_FILE:-} ]] && debug=(--debug-file "$ORCA_DEBUG_FILE")
orca --replace -u "$work/orca" "${debug[@]}" >"$work/orca.out" 2>&1 &
pids+=($!)
wait_until 20 test -s "$said" || { cat "$work/orca.out" >&2; fail "Orca said nothing in 20 s"; }

# Waits until nothing more is said for a second (at most 8 s), then marks the next step.
step() {
  local size=-1 quiet=0
  for _ in $(seq 80); do
    local now
    now=$(stat -c %s "$said")
    if ((now == size)); then
      ((++quiet >= 10)) && break
    else
      size=$now quiet=0
    fi
    sleep 0.1
  done
  printf '» %s\n' "$*" >>"$said"
}
tab_to() { "$python" "$atspi" tab-to "$1"; }

step "the program starts"
start_program "$program"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
"$python" "$atspi" wait-window "welkom bij rekenrups" 15 || true

step "Enter on the intro"
xdotool key --clearmodifiers Return
"$python" "$atspi" wait-window "kies een oefening" || true
level="rest is 0, tot 100 plus"

step "Enter on the chooser's first button"
xdotool key --clearmodifiers Return
"$python" "$atspi" wait-window "$level" || true

step "Enter on start"
xdotool key --clearmodifiers Return
sleep 0.5
read -r dividend divisor <<<"$("$python" "$atspi" division)"
quotient=$((dividend / divisor))

step "Tab to help step 1"
tab_to "hulp stap 1" || true
step "Enter on help step 1"
xdotool key --clearmodifiers Return

step "typing the right quotient $quotient ($dividend : $divisor)"
xdotool type --delay 100 "$quotient"
step "Tab to the check button"
tab_to controleren || true
step "Enter on the check button: a right answer"
xdotool key --clearmodifiers Return

step "Tab to start"
tab_to start || true
step "Enter on start"
xdotool key --clearmodifiers Return
sleep 0.5
read -r dividend divisor <<<"$("$python" "$atspi" division)"
wrong=$((dividend / divisor + 1))
step "typing letters ($dividend : $divisor)"
xdotool type --delay 100 "ab"
tab_to controleren || true
step "Enter on the check button: refused"
xdotool key --clearmodifiers Return
step "typing the wrong quotient $wrong instead"
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 100 "$wrong"
step "Tab to the check button"
tab_to controleren || true
step "Enter held down on the check button: a wrong answer"
xdotool keydown Return
sleep 2.5
xdotool keyup Return
step "Tab to stop"
tab_to stop || true
step "Enter on stop: back on the chooser"
xdotool key --clearmodifiers Return
step "Tab to stoppen"
tab_to stoppen || true
step "Enter on stoppen: the end"
xdotool key --clearmodifiers Return
step "end"

# The generic module writes a text in the charset of its language; a text in another language
# may come out in Latin-1. After the transcript, what a child must hear at each step, and whether
# Orca said it; the exit code is 1 when something was not said.
"$python" - "$said" <<'PY'
import re
import sys

steps = [["", []]]
for raw in open(sys.argv[1], "rb"):
    try:
        line = raw.decode("utf-8")
    except UnicodeDecodeError:
        line = raw.decode("latin-1")
    print(line, end="")
    if line.startswith("» "):
        steps.append([line[2:].strip(), []])
    else:
        steps[-1][1].append(line.strip())

heard = []
for index, (step, lines) in enumerate(steps):
    said = " ".join(lines)
    if step == "Enter on start":
        # the division is read in the next step's heading: look ahead for its numbers there
        upcoming = next((s for s, _ in steps[index + 1:] if s.startswith("typing")), "")
        numbers = re.search(r"\((\d+) : (\d+)\)", upcoming)
        want = f"{numbers[1]} gedeeld door {numbers[2]}" if numbers else "gedeeld door"
        heard.append((f"the new division ({want}) after start", want in said))
    elif step == "Enter on help step 1":
        heard.append(("the split after help step 1", re.search(r"\d+ is \d+ plus \d+", said) is not None))
    elif step.endswith("a right answer"):
        heard.append(("'goed' after the right answer", "goed" in said))
    elif step.endswith("a wrong answer"):
        heard.append(("'fout' after the wrong answer", "fout" in said))
    elif step.endswith("refused"):
        heard.append(("the reason of the refusal", "vul een getal in" in said))
    elif step.endswith("back on the chooser"):
        heard.append(("the total on the chooser", re.search(r"juiste oefeningen:? 1", said) is not None))
    elif step.endswith("the end"):
        heard.append(("the end", "tot ziens" in said))

print()
for what, ok in heard:
    print(f"{'said' if ok else 'NOT SAID'}: {what}")
sys.exit(0 if heard and all(ok for _, ok in heard) else 1)
PY
