#!/usr/bin/env bash
# Checks the installation of rekenrups as a user gets it:
#
#   packaging/check-package.sh BUILD-DIR [RELEASE...]
#
# validates the desktop file and the AppStream metainfo (errors and warnings fail), builds the
# .deb from the built BUILD-DIR, checks its contents and dependencies, runs lintian on it
# (errors and warnings fail), and then for each Debian release given (bookworm, the default, or
# trixie): installs it with apt-get into a fresh root of that release that has nothing else
# (scripts/fresh-root.sh), starts the program there under an Xvfb of this machine with openbox,
# checks that it maps its maximised main window with the motto as title, removes the package and
# what it brought again, and deletes the root. A package built on Debian 12 installs on Debian 13
# too (there libqt6core6t64 provides libqt6core6). Needs root (debootstrap and chroot).
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../scripts/fresh-root.sh
source "$here/../scripts/fresh-root.sh"
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
  # The program of the clean root, with an environment of its own; chroot itself rather than
  # fresh_root_run, so that $! is the program's own process, which is killed below.
  chroot "$CLEAN_ROOT" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin DISPLAY="$DISPLAY" /usr/bin/rekenrups >/dev/null 2>&1 &
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

[[ $# -ge 1 && -f $1/CMakeCache.txt ]] ||
  fail "usage: packaging/check-package.sh BUILD-DIR (a configured build folder) [RELEASE (bookworm, trixie)...]"
build=$(cd "$1" && pwd)
shift
releases=("${@:-bookworm}")
for release in "${releases[@]}"; do
  [[ $release == bookworm || $release == trixie ]] || fail "no clean root of '$release': bookworm or trixie"
done
for tool in desktop-file-validate appstreamcli cpack dpkg-deb file lintian debootstrap xvfb-run openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/setup.sh installs it"
done
[[ $(id -u) -eq 0 ]] || fail "making a clean root to install the package into needs root (sudo)"

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
cleanup() {
  fresh_root_remove_all
  rm -rf --one-file-system "$work"
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
for package in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qxF "$package" || fail "the package does not depend on $package (Depends: $depends)"
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

# A root that has nothing but the minimal system of Debian release $1: the package must bring all
# it needs.
check_clean_root() {
  local release=$1 clean_root=$work/clean-root-$1 left
  echo "check-package: making a clean Debian root ($release) to install $(basename "$deb") into"
  fresh_root_make "$clean_root" "$release"
  cp "$deb" "$clean_root/tmp/"
  echo "check-package: installing $(basename "$deb") with apt-get in the clean root ($release)"
  fresh_root_run "$clean_root" apt-get update -q >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get update failed in the clean root ($release)"; }
  fresh_root_run "$clean_root" apt-get install -y -q \
    --no-install-recommends "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get could not install the package in a clean root ($release)"; }
  echo "check-package: $(grep -c '^Setting up ' "$work/apt.log") packages set up"
  [[ -x $clean_root/usr/bin/rekenrups ]] || fail "the package did not put /usr/bin/rekenrups in place ($release)"

  # The X server runs here; the program inside the clean root reaches it through its socket.
  mkdir -p "$clean_root/tmp/.X11-unix" /tmp/.X11-unix
  chmod 1777 /tmp/.X11-unix
  mount --bind /tmp/.X11-unix "$clean_root/tmp/.X11-unix"
  CLEAN_ROOT=$clean_root xvfb-run -a -s "-ac -screen 0 1280x1024x24" "$here/check-package.sh" --start-installed

  fresh_root_run "$clean_root" apt-get remove -y -q rekenrups >/dev/null
  [[ ! -e $clean_root/usr/bin/rekenrups ]] || fail "/usr/bin/rekenrups is still there after removing the package ($release)"
  fresh_root_run "$clean_root" apt-get autoremove -y -q >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get autoremove failed after removing the package ($release)"; }
  # What autoremove keeps of what the package brought, it may keep only because a package of the
  # clean root recommends it: Debian 13's libc6 recommends libidn2-0 (and so libunistring5), which
  # its minimal system lacks and the package's libraries bring (Debian 12's has them already).
  left=$(fresh_root_run "$clean_root" apt-mark showauto | sort)
  if [[ -n $left ]]; then
    kept=$(fresh_root_run "$clean_root" apt-get -s -o APT::AutoRemove::RecommendsImportant=false autoremove |
      sed -n 's/^Remv \([^ ]*\) .*/\1/p' | sort)
    [[ $kept == "$left" ]] ||
      fail "apt-get autoremove left $(wc -l <<<"$left") packages that the package brought: ${left//$'\n'/ } ($release)"
    echo "check-package: apt-get autoremove keeps ${left//$'\n'/ }, which the clean root's own packages recommend ($release)"
  fi
  fresh_root_remove "$clean_root"
  echo "check-package: the package installs, starts and removes cleanly on $release"
}

for release in "${releases[@]}"; do check_clean_root "$release"; done
