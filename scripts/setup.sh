#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing; quick when none is.
#
#   scripts/setup.sh run             the [run] set: what building and running rekenrups takes
#   scripts/setup.sh test            the [run] and [test] sets (the default)
#   scripts/setup.sh screen-reader   those and the [screen-reader] set, for
#                                    tests/tools/orca-transcript.sh
#   scripts/setup.sh windows         the [run] and [windows] sets: the cross build for Windows, the
#                                    MSI and the checks under Wine (scripts/windows/)
#   scripts/setup.sh web             the [web] set (Debian 13): the browser build, inside the root
#                                    that scripts/web/build.sh keeps
#   scripts/setup.sh web-test        the [web-test] set: the browsers of scripts/web/ci.sh
#
# As root, or through sudo. An account that may not install is told what is missing and the
# command an administrator runs, and nothing is tried.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=apt-lib.sh
source "$here/apt-lib.sh"

case ${1:-test} in
  run) sections=(run) ;;
  test) sections=(run test) ;;
  screen-reader) sections=(run test screen-reader) ;;
  windows) sections=(run windows) ;;
  web) sections=(web) ;;
  web-test) sections=(web-test) ;;
  *)
    echo "usage: scripts/setup.sh [run|test|screen-reader|windows|web|web-test]" >&2
    exit 2
    ;;
esac

wanted=()
section=
while IFS= read -r line || [[ -n $line ]]; do
  line=${line%%#*}
  line=${line//[[:space:]]/}
  [[ -z $line ]] && continue
  if [[ $line =~ ^\[(.+)\]$ ]]; then
    section=${BASH_REMATCH[1]}
  elif [[ -z $section ]]; then
    echo "rekenrups: $here/debian-packages.txt: '$line' stands before the first [set]" >&2
    exit 2
  elif [[ " ${sections[*]} " == *" $section "* ]]; then
    wanted+=("$line")
  fi
done <"$here/debian-packages.txt"

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if ! apt_rights; then
  cat >&2 <<MSG
rekenrups: these Debian packages are missing:
  ${missing[*]}
They cannot be installed from here: $apt_why.
An administrator installs them with this command, as root (or with sudo in front); then run
this again:
  apt-get install --no-install-recommends ${missing[*]}
MSG
  exit 1
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT

# true when apt's present lists hold a version of every package given
all_reachable() {
  local candidates
  candidates=$(LC_ALL=C apt-cache policy "$@" 2>/dev/null | grep -c '^  Candidate: [^(]' || true)
  [[ $candidates -eq $# ]]
}

echo "rekenrups: installing ${missing[*]}"
if ! apt_update "$log"; then
  {
    echo "rekenrups: apt-get update failed (above)."
    if grep -q '/var/lib/apt/lists/lock' "$log"; then
      echo "Another program still held the package manager after $((apt_lock_seconds / 60)) minutes;"
      echo "nothing was installed. Try again later."
      exit 1
    elif grep -q 'cdrom:' "$log"; then
      files=$(grep -ls '^[^#]*cdrom:' /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null | tr '\n' ' ' || true)
      files=${files%" "}
      echo "A 'deb cdrom:' line, left from installing from a DVD, is in ${files:-/etc/apt/sources.list}:"
      echo "without the disc apt cannot read it. Put a # in front of that line (as root)."
    else
      echo "Look at the sources in /etc/apt/sources.list and /etc/apt/sources.list.d/, and at the network."
    fi
  } >&2
  if ! all_reachable "${missing[@]}"; then
    echo "rekenrups: apt's package lists do not hold all the missing packages; nothing was installed." >&2
    exit 1
  fi
  echo "rekenrups: apt's package lists hold them all the same; trying the install" >&2
fi
# apt says "Waiting for cache lock" once a second when its output is no terminal: once is enough.
once_waiting() { awk '/^Waiting for cache lock/ { if (seen++) next } { print; fflush() }'; }
if ! apt_get install -y -q --no-install-recommends "${missing[@]}" 2>&1 | tee "$log" | once_waiting; then
  if grep -q '/var/lib/dpkg/lock' "$log"; then
    echo "rekenrups: another program still held the package manager after $((apt_lock_seconds / 60)) minutes; try again later." >&2
  fi
  echo "rekenrups: apt-get could not install ${missing[*]} (above)." >&2
  exit 1
fi
