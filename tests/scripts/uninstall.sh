#!/usr/bin/env bash
# The way back from cmake --install (the uninstall target runs packaging/uninstall.cmake):
#   tests/scripts/uninstall.sh BUILD-DIR
# A real install from BUILD-DIR keeps its list in installed-files.txt; this test moves a list
# that is there aside and puts it back, so an earlier install can still be undone.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
record=$build/installed-files.txt
[[ -e $record ]] && mv "$record" "$work/kept"
restore() {
  rm -f "$record" "$build/install_manifest_Unspecified.txt"
  [[ -e $work/kept ]] && mv "$work/kept" "$record"
  rm -rf "$work"
}
trap restore EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
uninstall() { cmake -DMANIFEST="$1" -P "$top/packaging/uninstall.cmake"; }
passed=0
ok() {
  echo "ok - $1"
  passed=$((passed + 1))
}

# Installed into a folder with a space in its name, then taken out again by its own list.
prefix="$work/a prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
[[ -x $prefix/bin/rekenrups && -f $prefix/share/man/man1/rekenrups.1.gz ]] || fail "nothing installed"
installed=$(find "$prefix" -type f | sort)
[[ $(sort "$record") == "$installed" ]] || fail "installed-files.txt is not the list of installed files"
uninstall "$record" >"$work/out"
[[ -z $(find "$prefix" -type f) ]] || fail "left behind: $(find "$prefix" -type f)"
[[ $(grep -c 'Removing' "$work/out") -eq $(wc -l <<<"$installed") ]] || fail "not every removal was said"
ok "the list of a real install names every file, and uninstall removes them all"

uninstall "$record" >"$work/out" || fail "a second uninstall fails"
grep -q 'Already gone' "$work/out" || fail "a second uninstall does not say the files are gone"
ok "a second uninstall says the files are gone"

# CPack installs with DESTDIR into its staging folder: that must leave the list alone.
echo "$prefix/bin/rekenrups" >"$record"
DESTDIR=$work/stage cmake --install "$build" --prefix /usr --component Unspecified >/dev/null
[[ $(cat "$record") == "$prefix/bin/rekenrups" ]] || fail "an install with DESTDIR rewrote installed-files.txt"
DESTDIR=$work/stage uninstall "$build/install_manifest_Unspecified.txt" >/dev/null
[[ -z $(find "$work/stage" -type f) ]] || fail "uninstall with DESTDIR left files behind"
ok "an install with DESTDIR (as CPack's) leaves the list alone, and is undone under DESTDIR"

if uninstall "$work/no-such-list.txt" >"$work/out" 2>&1; then fail "a missing list passes"; fi
grep -q 'is missing' "$work/out" || fail "a missing list is not explained: $(cat "$work/out")"
ok "a missing list is explained"

# A stale list must not take a Debian package's files: a folder of dpkg's stands in for them,
# which uninstall could not remove even if it tried.
if command -v dpkg-query >/dev/null && dpkg-query -S /usr/share/doc/dpkg >/dev/null 2>&1; then
  echo /usr/share/doc/dpkg >"$work/stale.txt"
  uninstall "$work/stale.txt" >"$work/out" 2>&1 || fail "a packaged file in the list fails: $(cat "$work/out")"
  grep -q 'Left alone, a Debian package owns it: /usr/share/doc/dpkg' "$work/out" || fail "$(cat "$work/out")"
  ok "a file that a Debian package owns is left alone"
fi
echo "$passed passed, 0 failed"
