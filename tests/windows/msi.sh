#!/usr/bin/env bash
# The MSI under Wine: installed silently, the installed program started from its place under
# Program Files until its main window maps, and removed silently again with nothing left behind.
#
#   tests/windows/msi.sh [BUILD]      BUILD: build-windows by default, as scripts/windows/build.sh made it
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$top/build-windows}" && pwd)
# shellcheck source=../e2e/lib.sh
source "$top/tests/e2e/lib.sh"
# shellcheck source=../../scripts/windows/windows-lib.sh
source "$top/scripts/windows/windows-lib.sh"
need_tools import
[[ -x $wine64 ]] || skip "wine64 is not installed"
version=$(rekenrups_version "$top")
msi=$build/rekenrups-$version-x64.msi
[[ -f $msi ]] || fail "no $msi: run scripts/windows/build.sh first"
wine_run=$top/scripts/windows/wine-run.sh
prefix=$build/msi/wine
stop_wine() {
  wine_kill "$prefix"
  cleanup
}
trap stop_wine EXIT

rm -rf "$build/msi"
mkdir -p "$build/msi"
in_wine() { bash "$wine_run" "$prefix" "$@"; }
# A private screen from the start: Wine's desktop process, started with the first program, keeps
# the display it found for every later one.
start_xvfb 1024x768
c_drive=$prefix/drive_c
in_wine cmd /c ver >/dev/null
before=$(cd "$c_drive" && find . -path ./windows -prune -o -path ./users -prune -o -print | sort)
# Wine shows the host's / as the drive Z:.
msi_windows="Z:${msi//\//\\}"
in_wine msiexec /i "$msi_windows" /qn
installed=$c_drive/"Program Files"/rekenrups/rekenrups.exe
[[ -f $installed ]] || fail "the MSI put no rekenrups.exe under Program Files"
cmp -s "$installed" "$build/rekenrups.exe" || fail "the installed rekenrups.exe is not the one built"
# Windows puts a per-machine shortcut in the common Start menu; Wine 8 puts it in the user's.
shortcut=$(find "$c_drive/ProgramData" "$c_drive/users" -path '*Start Menu*' -iname 'rekenrups.lnk' 2>/dev/null | head -n 1)
[[ -n $shortcut ]] || fail "the MSI made no Start-menu shortcut rekenrups"
uninstall_key=$(in_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r')
for want in "DisplayName    REG_SZ    rekenrups" "Publisher    REG_SZ    Tobbelwerk" \
  "DisplayVersion    REG_SZ    $version" "URLInfoAbout    REG_SZ    https://www.tobbelwerk.example/"; do
  grep -qF "$want" <<<"$uninstall_key" || fail "Apps & features lacks '$want'"
done

# The installed program starts from its place: its main window maps on the screen.
(in_wine 'C:\Program Files\rekenrups\rekenrups.exe' >/dev/null 2>&1) &
pids+=($!)
main_shown() { xdotool search --name "^${motto//./\\.}\$" >/dev/null 2>&1; }
wait_until "$slow" main_shown || fail "the installed rekenrups.exe showed no main window in $slow s"
import -window root "$build/msi/installed-program.png" 2>/dev/null || true
wine_stop "$prefix"

in_wine msiexec /x "$msi_windows" /qn
after=$(cd "$c_drive" && find . -path ./windows -prune -o -path ./users -prune -o -print | sort)
if [[ $before != "$after" ]]; then
  echo "FAIL: removing the MSI left behind:" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
[[ -z $(find "$c_drive" -iname 'rekenrups*' 2>/dev/null) ]] ||
  fail "removing the MSI left $(find "$c_drive" -iname 'rekenrups*' | head -n 3)"
in_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | grep -q 'rekenrups' &&
  fail "Apps & features still lists rekenrups after its removal"
echo "PASS: the MSI under Wine: installed silently, the installed program started, removed silently with nothing left"
