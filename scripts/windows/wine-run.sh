#!/usr/bin/env bash
# Runs a Windows program under Wine: ctest's emulator for build-windows, and the checks of
# scripts/windows/.
#
#   scripts/windows/wine-run.sh PREFIX PROGRAM.exe [ARGS...]
#
# PREFIX is the Wine prefix (the Windows installation Wine keeps in a folder), made here on the
# first use. Wine says nothing unless REKENRUPS_WINEDEBUG sets its debug channels.
set -euo pipefail
if (($# < 2)); then
  echo "usage: scripts/windows/wine-run.sh PREFIX PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
# shellcheck source=windows-lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/windows-lib.sh"
export WINEPREFIX=$1
shift
export WINEDEBUG=${REKENRUPS_WINEDEBUG:--all}
# No offer to install Wine's Mono or Gecko, which would wait for an answer or the network.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine hides the Unix QT_ variables from Windows programs (they are meant for Linux's Qt) and
# passes WINEQT_X as QT_X instead: without this the tests' QT_QPA_PLATFORM would not reach them.
for name in $(compgen -e); do
  [[ $name == QT_* ]] && export "WINE$name=${!name}"
done

if [[ ! -e $WINEPREFIX/system.reg ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Several tests may start at once; the first makes the prefix and the others wait for it.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -e $WINEPREFIX/system.reg ]]; then
    # Making a prefix takes Wine a while (half a minute and more on a busy machine) and needs no display.
    DISPLAY='' "$wine64" wineboot --init >/dev/null 2>&1 || true
    "$wineserver" -w || true
    if [[ ! -e $WINEPREFIX/system.reg ]]; then
      echo "rekenrups: Wine could not make its prefix $WINEPREFIX" >&2
      exit 1
    fi
  fi
  exec 9>&-
fi
exec "$wine64" "$@"
