#!/usr/bin/env bash
# Installs what building and running needs, if missing, builds the program (release build) and
# starts the trainer.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh" run
# The program with what its package holds beside it, so that the README's package command works
# straight after this.
"$top/scripts/build.sh" "$top/build" --target rekenrups --target rekenrups_icon --target rekenrups_docs
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  cat >&2 <<MSG
rekenrups is built, but this session has no screen to show it on.
Start it on a desktop (a terminal there: bash scripts/run.sh, or $top/build/src/rekenrups),
or without a screen under a virtual one: xvfb-run -a $top/build/src/rekenrups
(xvfb-run comes with the packages xvfb and xauth, which bash scripts/test.sh installs).
MSG
  exit 2
fi
exec "$top/build/src/rekenrups"
