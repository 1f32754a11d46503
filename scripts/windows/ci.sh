#!/usr/bin/env bash
# Everything CI checks of the Windows build, in one go, as root on Debian 12 from the project's top
# folder (CI runs it in a fresh root, with ${XDG_CACHE_HOME:-~/.cache}/rekenrups mounted from the
# host so that the static Qt is built once per machine):
#   1. scripts/windows/build.sh: the static Qt (or the cached one), rekenrups.exe, its tests, the MSI;
#   2. the offscreen test suites under Wine (ctest in build-windows);
#   3. the real-window road under Wine's virtual desktop, at 100 % and at 150 % scaling;
#   4. the MSI installed silently, the installed program started from its place under Program
#      Files, and removed silently again with nothing left behind.
# Ends non-zero on the first failure. A missing tool fails the run under CI=true, else it is skipped.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$top"
# shellcheck source=../../tests/e2e/lib.sh
source "$top/tests/e2e/lib.sh"
build=$top/build-windows
wine_run=$top/scripts/windows/wine-run.sh
started=$SECONDS
step() { echo "== rekenrups windows: $* ($((SECONDS - started)) s)"; }
skipped() {
  if [[ ${CI:-} == true ]]; then
    echo "FAIL: $* (under CI=true nothing may be skipped)" >&2
    exit 1
  fi
  echo "SKIP: $*"
}

step "build"
bash scripts/windows/build.sh
[[ -f $build/rekenrups.exe ]] || fail "no $build/rekenrups.exe"
version=$(sed -n 's/^project(rekenrups VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
msi=$build/rekenrups-$version-x64.msi
[[ -f $msi ]] || fail "no $msi"
# One file: no DLL beside it, and it asks Windows for nothing but Windows' own libraries.
imports=$(x86_64-w64-mingw32-objdump -p "$build/rekenrups.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
foreign=$(grep -v -E '^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|version|shlwapi|shcore|uuid|netapi32|userenv|mpr|dwrite|d3d9|d3d11|dxgi|setupapi|wtsapi32|msvcrt|ntdll|authz|rpcrt4|secur32|crypt32|bcrypt|winspool\.drv|comctl32|api-ms-win-.*)\.dll$' <<<"$imports" || true)
[[ -z $foreign ]] || fail "rekenrups.exe needs DLLs that Windows does not have: $foreign"
ls -l "$build/rekenrups.exe" "$msi"

if [[ ! -x /usr/lib/wine/wine64 ]]; then
  skipped "wine64 is not installed: nothing runs under Wine"
  exit 0
fi
finish() {
  local code=$?
  for prefix in "$build"/wine "$build"/road-*/wine "$build"/msi/wine; do
    [[ -d $prefix ]] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
  cleanup
  step "done, exit code $code"
}
trap finish EXIT

step "offscreen tests under Wine"
# The first test makes the Wine prefix, which takes a while; the others wait for it.
ctest --test-dir "$build" --output-on-failure --timeout 900

step "real-window road under Wine"
for scale in 100 150; do
  bash scripts/windows/road.sh "$build" "$scale"
done

step "MSI under Wine"
prefix=$build/msi/wine
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
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
WINEPREFIX=$prefix /usr/lib/wine/wineserver -w 2>/dev/null || true

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
echo "PASS: rekenrups for Windows: built, tests and road under Wine, MSI installed, started and removed silently"
