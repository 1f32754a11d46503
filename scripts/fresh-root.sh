# shellcheck shell=bash
# A fresh Debian root, as a newcomer's new machine has it: debootstrap's minimal variant with
# this machine's own apt sources, turned to the root's release. Shared by .ci/run,
# packaging/check-package.sh and scripts/web/build.sh. Source it (as root), then:
#
#   fresh_root_make DIR [SUITE]
#                             makes the root in DIR (which must not exist) of the release SUITE
#                             (bookworm, the default, or trixie) and mounts what a chroot needs
#   fresh_root_run DIR CMD... runs CMD inside, as root, with a clean environment in which
#                             nobody answers questions (apt's and debconf's)
#   fresh_root_processes DIR  prints what still runs inside, as "PID COMMAND LINE", one a line
#   fresh_root_remove DIR     ends what still runs inside, unmounts and deletes the root
#   fresh_root_release DIR    ends what still runs inside and unmounts, but keeps the root for a
#                             later fresh_root_mount DIR (a root kept in the cache folder)
#   fresh_root_remove_all     does that for every root made; callers run it on exit, failed or not
#
# Downloaded packages are kept in $fresh_root_cache (debootstrap's and apt's), which every root
# shares, so that a second root fetches nothing again.

fresh_root_cache=${REKENRUPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rekenrups}
fresh_root_list=()

fresh_root_fail() {
  echo "fresh-root: $*" >&2
  exit 1
}

# The first Debian archive this machine's apt uses, in either source format.
fresh_root_mirror() {
  local mirror
  mirror=$(grep -hs '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
    grep -v -- '-security' | awk '{for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' | head -n 1)
  if [[ -z $mirror ]]; then
    mirror=$(grep -hs -i '^URIs:' /etc/apt/sources.list.d/*.sources | grep -v -- '-security' |
      awk '{print $2; exit}')
  fi
  echo "${mirror:-http://deb.debian.org/debian}"
}

fresh_root_mount() {
  local root=$1
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --rbind /dev "$root/dev"
  mount --make-rslave "$root/dev"
  mount -t tmpfs -o mode=755 tmpfs "$root/run"
  mkdir -p "$root/var/cache/apt/archives" "$fresh_root_cache/apt"
  mount --bind "$fresh_root_cache/apt" "$root/var/cache/apt/archives"
  # The cache at the same place inside, so that what a root builds for later runs (a cross-built
  # toolkit) outlives it.
  mkdir -p "$root/root/.cache/rekenrups"
  mount --bind "$fresh_root_cache" "$root/root/.cache/rekenrups"
}

fresh_root_make() {
  local root=$1 suite=${2:-bookworm}
  [[ $(id -u) -eq 0 ]] || fresh_root_fail "making a root needs root"
  command -v debootstrap >/dev/null || fresh_root_fail "debootstrap is missing (apt-get install debootstrap)"
  [[ ! -e $root ]] || fresh_root_fail "$root exists already"
  mkdir -p "$fresh_root_cache/debootstrap" "$fresh_root_cache/apt"
  fresh_root_list+=("$root")
  local log
  log=$(mktemp)
  if ! debootstrap --variant=minbase --cache-dir="$fresh_root_cache/debootstrap" \
    "$suite" "$root" "$(fresh_root_mirror)" >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    rm -f "$log"
    fresh_root_fail "debootstrap failed (above)"
  fi
  rm -f "$log"
  # This machine's sources and apt settings (a mirror, a proxy, a snapshot's dates), without
  # the settings of a container image that throw downloaded packages away.
  rm -f "$root/etc/apt/sources.list"
  cp -a /etc/apt/sources.list "$root/etc/apt/" 2>/dev/null || true
  cp -a /etc/apt/sources.list.d/. "$root/etc/apt/sources.list.d/" 2>/dev/null || true
  find "$root/etc/apt/sources.list.d" -type f ! -name '*.list' ! -name '*.sources' -delete
  # This machine's sources name its own release: a root of another one gets the same archives,
  # with its own suites (trixie, trixie-updates, trixie-security).
  local host_suite
  host_suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  if [[ $suite != "$host_suite" ]]; then
    find "$root/etc/apt/sources.list" "$root/etc/apt/sources.list.d" -type f \
      \( -name '*.list' -o -name '*.sources' \) -exec sed -i -E "s/\\b$host_suite(-[a-z]+)?\\b/$suite\\1/g" {} + 2>/dev/null || true
  fi
  # Only this machine's own settings: a file that a package owns is that package's default, which
  # the root's own release brings in its own version (a copy of another release's would stop
  # dpkg at a question about the changed file when the package comes into the root).
  local conf
  for conf in /etc/apt/apt.conf.d/*; do
    dpkg-query -S "$conf" >/dev/null 2>&1 && continue
    grep -qs -e 'archives/\*\.deb' -e 'pkgcache' "$conf" || cp -a "$conf" "$root/etc/apt/apt.conf.d/"
  done
  echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$root/etc/apt/apt.conf.d/90keep-packages"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  cp -L /etc/hosts "$root/etc/hosts" 2>/dev/null || true
  fresh_root_mount "$root"
}

fresh_root_run() {
  local root=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${CI:+CI=$CI} "$@"
}

fresh_root_processes() {
  local root pid inside line
  [[ -d $1 ]] || return 0
  root=$(cd "$1" && pwd -P)
  for pid in /proc/[0-9]*; do
    inside=$(readlink "$pid/root" 2>/dev/null) || continue
    # Also what runs in a root made inside this one.
    [[ $inside == "$root" || $inside == "$root"/* ]] || continue
    line=$(tr '\0' ' ' 2>/dev/null <"$pid/cmdline") || continue
    [[ -n $line ]] && echo "${pid#/proc/} $line"
  done
}

fresh_root_release() {
  local root=$1 pid mounts
  [[ -d $root ]] || return 0
  root=$(cd "$root" && pwd -P)
  # Whatever still runs inside (an X server, a bus) holds the mounts.
  for pid in /proc/[0-9]*; do
    [[ $(readlink "$pid/root" 2>/dev/null) == "$root"* ]] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
  sleep 0.2
  mounts=$(awk -v root="$root" '$2 == root || index($2, root "/") == 1 {print $2}' /proc/self/mounts | sort -r)
  for mount in $mounts; do umount -l "$mount" 2>/dev/null || true; done
  if awk -v root="$root" 'index($2, root "/") == 1 {found = 1} END {exit !found}' /proc/self/mounts; then
    echo "fresh-root: $root still has mounts; it is left in place" >&2
    return 1
  fi
}

fresh_root_remove() {
  local root=$1
  [[ -d $root ]] || return 0
  fresh_root_release "$root" || return 1
  rm -rf --one-file-system "$root"
}

fresh_root_remove_all() {
  local root
  for root in "${fresh_root_list[@]}"; do fresh_root_remove "$root" || true; done
}
