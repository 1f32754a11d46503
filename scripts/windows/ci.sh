#!/usr/bin/env bash
# Everything CI checks of the Windows build, in one go, as root on Debian 12 from the project's top
# folder (CI runs it in a fresh root, with ${XDG_CACHE_HOME:-~/.cache}/rekenrups mounted from the
# host so that the static Qt is built once per machine):
#   1. scripts/windows/build.sh: the static Qt (or the cached one), rekenrups.exe, its tests, the MSI;
#   2. the offscreen test suites under Wine (ctest in build-windows);
#   3. the real-window road under Wine's virtual desktop, at 100 % and at 150 % scaling
#      (tests/windows/road.sh);
#   4. the MSI installed silently, the installed program started from its place under Program
#      Files, and removed silently again with nothing left behind (tests/windows/msi.sh).
# Ends non-zero on the first failure. A missing tool fails the run under CI=true, else it is skipped.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$top"
# shellcheck source=../../tests/e2e/lib.sh
source "$top/tests/e2e/lib.sh"
# shellcheck source=windows-lib.sh
source "$top/scripts/windows/windows-lib.sh"
# What this run cannot check it skips as a whole, which is no failure of the build before it.
SKIP=0
build=$top/build-windows
started=$SECONDS
step() { echo "== rekenrups windows: $* ($((SECONDS - started)) s)"; }

step "build"
bash scripts/windows/build.sh
[[ -f $build/rekenrups.exe ]] || fail "no $build/rekenrups.exe"
msi=$build/rekenrups-$(rekenrups_version "$top")-x64.msi
[[ -f $msi ]] || fail "no $msi"
# One file: no DLL beside it, and it asks Windows for nothing but Windows' own libraries.
imports=$(x86_64-w64-mingw32-objdump -p "$build/rekenrups.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
foreign=$(grep -v -E '^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|version|shlwapi|shcore|uuid|netapi32|userenv|mpr|dwrite|d3d9|d3d11|dxgi|setupapi|wtsapi32|msvcrt|ntdll|authz|rpcrt4|secur32|crypt32|bcrypt|winspool\.drv|comctl32|api-ms-win-.*)\.dll$' <<<"$imports" || true)
[[ -z $foreign ]] || fail "rekenrups.exe needs DLLs that Windows does not have: $foreign"
ls -l "$build/rekenrups.exe" "$msi"

[[ -x $wine64 ]] || skip "wine64 is not installed: nothing runs under Wine"
finish() {
  local code=$?
  for prefix in "$build"/wine "$build"/road-*/wine "$build"/msi/wine; do
    [[ -d $prefix ]] && wine_kill "$prefix"
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
  bash tests/windows/road.sh "$build" "$scale"
done

step "MSI under Wine"
bash tests/windows/msi.sh "$build"
echo "PASS: rekenrups for Windows: built, tests and road under Wine, MSI installed, started and removed silently"
