#!/usr/bin/env bash
# scripts/setup.sh against stand-ins for id, sudo, dpkg-query, apt-get, apt-cache and sleep: who
# is told what when they may not install, waiting for a busy package manager, and an apt-get
# update that fails on a cdrom line. The stand-ins and links to a few plain tools are all that
# is on the PATH, so nothing real is installed or asked for.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
setup=$top/scripts/setup.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin state=$work/state
setsid=$(command -v setsid)
mkdir -p "$bin"

for tool in env cat grep mktemp rm tr tee dirname awk; do
  ln -s "$(command -v "$tool")" "$bin/$tool"
done
stub() { # stub NAME BODY: a stand-in that logs its call to $state/calls
  printf '#!%s\nstate=%q\necho "%s $*" >>"$state/calls"\n%s\n' "$BASH" "$state" "$1" "$2" >"$bin/$1"
  chmod +x "$bin/$1"
}
stub id '[[ $1 == -u ]] && cat "$state/uid"; [[ $1 == -Gn ]] && cat "$state/groups"; exit 0'
# Like sudo with env_reset: the command gets a clean environment.
make_sudo() {
  stub sudo 'case $1 in
  -n) [[ $2 == true ]] && exit "$(cat "$state/sudo-n")"; shift ;;
  -v) exit "$(cat "$state/sudo-v")" ;;
esac
exec env -i PATH="$PATH" "$@"'
}
make_sudo
stub dpkg-query 'package=${*: -1}
grep -qx "$package" "$state/installed" && { printf "install ok installed"; exit 0; }
echo "dpkg-query: no packages found matching $package" >&2; exit 1'
stub apt-get 'echo "  with DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-}" >>"$state/calls"
if [[ " $* " == *" update "* ]]; then
  locked=$(cat "$state/lists-locked")
  if ((locked > 0)); then
    echo $((locked - 1)) >"$state/lists-locked"
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)"
    echo "E: Unable to lock directory /var/lib/apt/lists/"
    exit 100
  fi
  if [[ -e $state/cdrom ]]; then
    echo "E: The repository '\''cdrom://[Debian GNU/Linux 12.5.0 _Bookworm_] bookworm Release'\'' does not have a Release file."
    exit 100
  fi
  echo "Reading package lists..."
  exit 0
fi
if [[ -e $state/dpkg-locked && " $* " != *" DPkg::Lock::Timeout="* ]]; then
  echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)"
  exit 100
fi
if [[ -e $state/dpkg-locked ]]; then
  for i in 1 2 3; do echo "Waiting for cache lock: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)..."; done
fi
echo "Setting up everything ..."'
stub apt-cache 'shift; for p; do echo "$p:"; [[ -e $state/no-candidates ]] && echo "  Candidate: (none)" || echo "  Candidate: 1.0-1"; done'
stub sleep 'exit 0'

passed=0 failed=0
ok() { echo "ok - $1"; passed=$((passed + 1)); }
not_ok() {
  echo "not ok - $1"
  cat "$work/out" "$state/calls" 2>/dev/null | tail -n 25 | sed 's/^/    /'
  failed=$((failed + 1))
}

# given UID GROUPS: a new machine state; nothing installed, sudo refuses both ways
given() {
  rm -rf "$state" && mkdir -p "$state"
  echo "$1" >"$state/uid"
  echo "$2" >"$state/groups"
  echo 1 >"$state/sudo-n"
  echo 1 >"$state/sudo-v"
  echo 0 >"$state/lists-locked"
  : >"$state/installed"
  : >"$state/calls"
}

# setup [--terminal] SET: runs scripts/setup.sh SET with the stand-ins, with no controlling
# terminal (or with one, made by script(1)); sets $rc, output in $work/out
setup() {
  local command
  if [[ $1 == --terminal ]]; then
    printf -v command 'PATH=%q %q %q %q' "$bin" "$BASH" "$setup" "$2"
    script -qec "$command" /dev/null </dev/null >"$work/out" 2>&1
  else
    PATH=$bin "$setsid" -w "$BASH" "$setup" "$1" </dev/null >"$work/out" 2>&1
  fi
  rc=$?
}
said() { grep -qF -- "$1" "$work/out"; }
called() { grep -qF -- "$1" "$state/calls"; }
run_set='cmake g++ ninja-build qt6-base-dev libgl-dev libxcb1-dev libqt6widgets6 qt6-qpa-plugins fonts-liberation'

# --- may not install: one plain message with the administrator's command, nothing tried

given 1000 leerling
if command -v script >/dev/null; then
  setup --terminal run
  if ((rc != 0)) && said "apt-get install --no-install-recommends $run_set" && said 'not in the group sudo' &&
    ! called 'sudo -v' && ! called apt-get && ! said xvfb; then
    ok "an account outside the group sudo is not asked for a password, even at a terminal"
  else not_ok "an account outside the group sudo is not asked for a password, even at a terminal"; fi
fi

given 1000 'leerling sudo'
setup test
if ((rc != 0)) && said 'no terminal' && said 'xvfb' && said lintian && ! called 'sudo -v' && ! called apt-get; then
  ok "sudo with a password and no terminal: told so, the test set named too"
else not_ok "sudo with a password and no terminal: told so, the test set named too"; fi

given 1000 leerling
rm "$bin/sudo"
setup run
if ((rc != 0)) && said 'sudo is not installed' && said "apt-get install --no-install-recommends $run_set" && ! called apt-get; then
  ok "no sudo at all"
else not_ok "no sudo at all"; fi
make_sudo

# --- may install

# sudo after a password at the terminal; the front end reaches apt-get through sudo's reset
given 1000 'leerling sudo'
echo 0 >"$state/sudo-v"
if command -v script >/dev/null; then
  setup --terminal run
  if ((rc == 0)) && called 'sudo -v' && called "sudo env DEBIAN_FRONTEND=noninteractive apt-get" &&
    called 'with DEBIAN_FRONTEND=noninteractive' && ! grep -q 'with DEBIAN_FRONTEND=$' "$state/calls"; then
    ok "the sudo group at a terminal: asked once, installs without debconf questions"
  else not_ok "the sudo group at a terminal: asked once, installs without debconf questions"; fi
fi

# root, right after the first boot: the lists are locked for a while, dpkg's lock is held too
given 0 root
echo 3 >"$state/lists-locked"
touch "$state/dpkg-locked"
setup run
updates=$(grep -c 'update' "$state/calls")
if ((rc == 0)) && ((updates == 4)) && called 'sleep 5' && said 'waiting for it' &&
  [[ $(grep -c 'waiting for it' "$work/out") -eq 1 ]] && called "install -y -q --no-install-recommends $run_set" &&
  said 'Setting up everything' && [[ $(grep -c 'Waiting for cache lock' "$work/out") -eq 1 ]]; then
  ok "a held lock is waited for, said once, and the install goes on"
else not_ok "a held lock is waited for, said once, and the install goes on"; fi

given 0 root
echo 1000 >"$state/lists-locked"
setup run
if ((rc != 0)) && said 'still held the package manager' && ! called install; then
  ok "a lock that stays held ends in a plain message"
else not_ok "a lock that stays held ends in a plain message"; fi

# a cdrom line from a DVD installation: the hint, then the install from the lists apt has
given 0 root
touch "$state/cdrom"
setup run
if ((rc == 0)) && said "'deb cdrom:' line" && said 'Put a # in front' && called install; then
  ok "a failing cdrom source: hint, then the install goes on"
else not_ok "a failing cdrom source: hint, then the install goes on"; fi

given 0 root
touch "$state/cdrom" "$state/no-candidates"
setup run
if ((rc != 0)) && said "'deb cdrom:' line" && said 'nothing was installed' && ! called install; then
  ok "a failing update with nothing to install from stops before apt-get install"
else not_ok "a failing update with nothing to install from stops before apt-get install"; fi

# the sets: the suite's set-up leaves the screen reader out, the transcript's takes it in, the
# Windows build's takes its own beside the run set
given 0 root
setup test
if ((rc == 0)) && called "--no-install-recommends $run_set xvfb" && ! called orca; then
  ok "the test set comes with the run set, without the screen reader"
else not_ok "the test set comes with the run set, without the screen reader"; fi
given 0 root
setup screen-reader
if ((rc == 0)) && called "--no-install-recommends $run_set xvfb" && called " orca speech-dispatcher"; then
  ok "the screen-reader set comes with the run and test sets"
else not_ok "the screen-reader set comes with the run and test sets"; fi
given 0 root
setup windows
if ((rc == 0)) && called "--no-install-recommends $run_set g++-mingw-w64-x86-64-posix" && called " wine64 " &&
  ! called orca && ! called openbox; then
  ok "the windows set comes with the run set, without the test set"
else not_ok "the windows set comes with the run set, without the test set"; fi

# --- nothing missing: quick, asks no one
given 1000 leerling
tr ' ' '\n' <<<"$run_set" >"$state/installed"
setup run
if ((rc == 0)) && ! called sudo && ! called apt-get && [[ ! -s $work/out ]]; then
  ok "nothing missing from the set: silent, no sudo, no apt-get"
else not_ok "nothing missing from the set: silent, no sudo, no apt-get"; fi

echo "$passed passed, $failed failed"
((failed == 0))
