# shellcheck shell=bash
# What the Windows scripts and checks share: Wine's programs, which Debian installs off the PATH,
# and the version that names the MSI. Source it.

# shellcheck disable=SC2034 # for the scripts that source this
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# Ends the Wine server of the prefix $1 and every program in it, if one runs.
wine_kill() { WINEPREFIX=$1 "$wineserver" -k 2>/dev/null || true; }

# The same, and waits until it has gone.
wine_stop() {
  wine_kill "$1"
  WINEPREFIX=$1 "$wineserver" -w 2>/dev/null || true
}

# Waits until the Wine server of the prefix $1 has written everything and ended.
wine_settle() { WINEPREFIX=$1 "$wineserver" -w; }

# The program's version, from the CMakeLists.txt in the folder $1.
rekenrups_version() { sed -n 's/^project(rekenrups VERSION \([0-9.]*\).*/\1/p' "$1/CMakeLists.txt"; }
