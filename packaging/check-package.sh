#!/usr/bin/env bash
# Checks the installation of rekenrups as a user gets it:
#
#   packaging/check-package.sh BUILD-DIR
#
# validates the desktop file and the AppStream metainfo (errors and warnings fail), builds the
# .deb from the built BUILD-DIR, checks its contents and dependencies, runs lintian on it
# (errors and warnings fail), installs it with apt-get,
# starts the installed program under Xvfb with openbox, checks that it maps its maximised main
# window with the motto as title, and removes the package again. Needs root or sudo.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
title=' Alle kinderen moeten alle kansen krijgen.'

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# Runs under xvfb-run: the installed program must map its main window, maximised, with the motto.
start_installed() {
  openbox --sm-disable >/dev/null 2>&1 &
  local wm=$! i window=
  for ((i = 0; i < 100; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  # A clean environment, so that nothing of the build tree can stand in for the package.
  env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM /usr/bin/rekenrups >/dev/null 2>&1 &
  local program=$!
  for ((i = 0; i < 200; i++)); do
    # xdotool takes a regular expression; the exact title is compared below.
    window=$(xdotool search --onlyvisible --name 'Alle kinderen moeten alle kansen krijgen' 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  local verdict=ok
  if [[ -z $window ]]; then
    verdict="the installed program mapped no window titled '$title' within 20 s"
  elif [[ $(xdotool getwindowname "$window") != "$title" ]]; then
    verdict="the main window's title is '$(xdotool getwindowname "$window")', not '$title'"
  elif ! xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
    verdict="the main window is not viewable"
  else
    # The window manager may take a moment to maximise the window after mapping it.
    for ((i = 0; i < 50; i++)); do
      xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ && break
      sleep 0.1
    done
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ ||
      verdict="the main window did not open maximised"
  fi
  # The program refuses a window-manager close, so it is ended by its process id.
  kill "$program" "$wm" 2>/dev/null || true
  wait "$program" "$wm" 2>/dev/null || true
  [[ $verdict == ok ]] || fail "$verdict"
  echo "check-package: the installed program mapped its maximised main window '$title'"
}

if [[ ${1:-} == --start-installed ]]; then
  start_installed
  exit 0
fi

[[ $# -eq 1 && -f $1/CMakeCache.txt ]] || fail "usage: packaging/check-package.sh BUILD-DIR (a configured build folder)"
build=$(cd "$1" && pwd)
for tool in desktop-file-validate appstreamcli cpack dpkg-deb dpkg-shlibdeps file lintian apt-get xvfb-run openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/setup.sh installs it"
done
# shellcheck source=../scripts/apt-lib.sh
source "$here/../scripts/apt-lib.sh"
apt_rights || fail "installing the package needs root or sudo: $apt_why"

# validate_clean TOOL ARGS...: fails on the tool's own failure and on any error or warning it
# prints; notes pass (the id under ".example" gets one: its top-level domain is unknown to it).
validate_clean() {
  local output
  output=$("$@" 2>&1) || { echo "$output" >&2; fail "$1 found errors"; }
  [[ -z $output ]] || echo "$output"
  ! grep -qiE '^(E|W):|error:|warning:' <<<"$output" || fail "$1 found errors or warnings"
}

echo "check-package: validating the desktop file and the metainfo"
validate_clean desktop-file-validate "$here/rekenrups.desktop"
validate_clean appstreamcli validate --no-net "$here/rekenrups.metainfo.xml"

echo "check-package: building the .deb"
cmake --build "$build" --target rekenrups rekenrups_icon rekenrups_docs >/dev/null
work=$(mktemp -d)
chmod 755 "$work" # apt-get reads a local .deb as its own unprivileged user
installed=false
cleanup() {
  if $installed; then
    apt_get remove -y -q rekenrups >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/rekenrups_*.deb)
[[ -f ${debs[0]} ]] || fail "cpack made no rekenrups_*.deb"
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb")
icons=()
for size in 16 32 48 64 128 256; do icons+=("usr/share/icons/hicolor/${size}x$size/apps/rekenrups.png"); done
for path in usr/bin/rekenrups usr/share/applications/rekenrups.desktop "${icons[@]}" \
  usr/share/metainfo/example.tobbelwerk.rekenrups.metainfo.xml usr/share/man/man1/rekenrups.1.gz \
  usr/share/doc/rekenrups/changelog.gz usr/share/doc/rekenrups/copyright; do
  grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package (Depends: $depends)"
done
# The installed metainfo must also carry the file name that its id asks for.
dpkg-deb -x "$deb" "$work/root"
validate_clean appstreamcli validate --no-net "$work/root/usr/share/metainfo/example.tobbelwerk.rekenrups.metainfo.xml" >/dev/null
validate_clean desktop-file-validate "$work/root/usr/share/applications/rekenrups.desktop"
for size in 16 32 48 64 128 256; do
  file "$work/root/usr/share/icons/hicolor/${size}x$size/apps/rekenrups.png" | grep -q "PNG image data, $size x $size" ||
    fail "the ${size}x$size icon is not a PNG of that size"
done

echo "check-package: lintian $(basename "$deb")"
# lintian warns that it runs as root (it unpacks the package in a folder of its own); that line
# is no finding about the package.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian found errors or warnings"; }
grep -v '^running with root privileges' "$work/lintian.log" || true

if dpkg-query -W -f='${Status}' rekenrups 2>/dev/null | grep -q 'install ok installed'; then
  fail "rekenrups is installed already; remove it first (apt-get remove rekenrups), this check will not replace it"
fi
echo "check-package: installing $(basename "$deb") with apt-get"
installed=true
apt_get install -y -q --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get could not install the package"; }
[[ -x /usr/bin/rekenrups ]] || fail "the package did not put /usr/bin/rekenrups in place"
# A copy from a `cmake --install` to /usr/local comes first on the PATH and in the menu: the
# package is still checked, but whoever runs this is told.
found=$(command -v rekenrups || true)
if [[ $found != /usr/bin/rekenrups ]]; then
  echo "check-package: note: $found comes before the packaged /usr/bin/rekenrups on the PATH, so" \
    "typing rekenrups starts that copy, not the package's. If cmake --install put it there, remove it" \
    "with: sudo cmake --build BUILD-DIR --target uninstall (README, Uninstalling). This check goes on" \
    "with /usr/bin/rekenrups itself." >&2
fi
for data in /usr/local/share/applications/rekenrups.desktop "${XDG_DATA_HOME:-$HOME/.local/share}/applications/rekenrups.desktop"; do
  if [[ -e $data ]]; then echo "check-package: note: $data stands in for the package's menu entry." >&2; fi
done

xvfb-run -a -s "-screen 0 1280x1024x24" "$here/check-package.sh" --start-installed

apt_get remove -y -q rekenrups >/dev/null
installed=false
[[ ! -e /usr/bin/rekenrups ]] || fail "/usr/bin/rekenrups is still there after removing the package"
echo "check-package: the package installs, starts and removes cleanly"
