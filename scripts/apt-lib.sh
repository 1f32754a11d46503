# shellcheck shell=bash
# apt-get as root and without questions, shared by scripts/setup.sh and .ci/run (for
# debootstrap). Source it, call apt_rights, then apt_get or apt_update.

# How long to wait for another program to let go of the package manager: right after the first
# boot the automatic updates often hold it for minutes.
apt_lock_seconds=600

# apt_rights: true when apt-get can run as root here and now: this account is root, or sudo
# works without a password, or the account is in the group sudo (to which Debian's sudoers
# gives every right) and sudo can ask its password at this terminal. Sets the array as_root
# (the prefix for apt_get) and, when false, apt_why (one line on why not). sudo says nothing
# about another account's rights before it has a password, so an account that is not in the
# group is never asked for one.
# shellcheck disable=SC2034 # apt_why is for the caller
apt_rights() {
  as_root=()
  apt_why=
  [[ $(id -u) -eq 0 ]] && return 0
  if ! command -v sudo >/dev/null 2>&1; then
    apt_why="this account is not root, and sudo is not installed"
    return 1
  fi
  as_root=(sudo)
  sudo -n true 2>/dev/null && return 0
  if [[ " $(id -Gn) " != *" sudo "* ]]; then
    apt_why="this account is not root and not in the group sudo"
  elif ! (exec </dev/tty) 2>/dev/null; then
    apt_why="sudo needs this account's password, and there is no terminal to type it at"
  elif sudo -v -p "rekenrups: installing needs administrator rights; password of %p for sudo: "; then
    return 0
  else
    apt_why="sudo did not accept the password"
  fi
  as_root=()
  return 1
}

# apt_get ARGS...: apt-get as root, with no questions from the packages' configuration (sudo
# resets the environment, so the front end is set on the far side of it), waiting for the dpkg
# locks that another program holds.
apt_get() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout="$apt_lock_seconds" "$@"
}

# apt_update LOG: apt-get update, with its output shown and kept in LOG. apt-get update does not
# wait for the lock on the package lists (the lock timeout is dpkg's alone), so this does.
apt_update() {
  local log=$1 waited=0
  while ! apt_get update -q >"$log" 2>&1; do
    if ! grep -q '/var/lib/apt/lists/lock' "$log" || ((waited >= apt_lock_seconds)); then
      cat "$log"
      return 1
    fi
    if ((waited == 0)); then
      echo "rekenrups: another program is using the package manager (after the first boot often" \
        "the automatic updates); waiting for it, at most $((apt_lock_seconds / 60)) minutes" >&2
    fi
    sleep 5
    waited=$((waited + 5))
  done
  cat "$log"
}
