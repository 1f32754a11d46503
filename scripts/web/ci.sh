#!/usr/bin/env bash
# Everything CI checks of the browser build, in one go, as root on Debian 12 or 13 from the
# project's top folder (CI runs it in its fresh Debian 12 root, where the cache folder is the host's,
# so that the Debian 13 root and Qt for the browser are made once per machine):
#   1. scripts/web/build.sh: the Debian 13 root, Qt for the browser (or the kept ones), build-web/;
#   2. the logic suites compiled for the browser, run under Debian 13's nodejs;
#   3. headless Chromium over the DevTools protocol (tests/web/road.py): the road by keyboard, by
#      mouse and by touch, at 1024 x 768 and at an iPad's 1180 x 820 with a pixel ratio of 2; the
#      windows centred, the end page; the page started again without the server; the
#      accessibility tree;
#   4. WebKitGTK (Safari's engine family) through its WebDriver under Xvfb: the intro, Enter, the
#      chooser;
#   5. the site's size: at most 4 MB with gzip -9, and nothing in it that loads from elsewhere
#      (last, so that a site too large still has every other check run).
# Each check fails the run. A missing tool fails the run under CI=true, else it is skipped.
# The screenshots and times go to build-wasm/check/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$top"
site=$top/build-web
out=$top/build-wasm/check
python=/usr/bin/python3
started=$SECONDS
step() { echo "== rekenrups web: $* ($((SECONDS - started)) s)"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
skipped() {
  [[ ${CI:-} == true ]] && fail "$* (under CI=true nothing may be skipped)"
  echo "SKIP: $*"
}

step "build"
bash scripts/setup.sh web-test
bash scripts/web/build.sh --with-tests
for file in index.html qtloader.js rekenrups.js rekenrups.wasm sw.js rekenrups.webmanifest \
  rekenrups-192.png rekenrups-512.png; do
  [[ -s $site/$file ]] || fail "build-web/$file is missing"
done
rm -rf "$out"
mkdir -p "$out"

step "the logic suites under nodejs"
[[ -f $top/build-wasm-tests/tests/tst_answer.js ]] || fail "the logic suites were not built for the browser"
bash scripts/web/build.sh --run-tests

step "Chromium: the roads, offline, the accessibility tree"
if [[ ! -x /usr/bin/chromium ]] || ! $python -c 'import websocket' 2>/dev/null; then
  skipped "chromium or python3-websocket is not installed"
else
  $python tests/web/road.py "$site" "$out"
fi

step "WebKitGTK: the intro and the chooser"
if [[ ! -x /usr/bin/WebKitWebDriver ]] || ! $python -c 'import selenium' 2>/dev/null || ! command -v xvfb-run >/dev/null; then
  skipped "webkit2gtk-driver, python3-selenium or xvfb is not installed"
else
  # WebKitGTK's own processes need a writable home and a runtime folder of their own.
  webkit_home=$(mktemp -d)
  trap 'rm -rf "$webkit_home"' EXIT
  mkdir -m 700 "$webkit_home/run"
  HOME=$webkit_home XDG_RUNTIME_DIR=$webkit_home/run \
    xvfb-run -a -s "-screen 0 1280x1024x24" $python tests/web/webkit.py "$site" "$out"
fi

step "size"
limit=$((4 * 1000 * 1000))
total=0
for file in "$site"/*; do
  size=$(gzip -9 -c "$file" | wc -c)
  printf '  %-24s %9d bytes, %8d with gzip -9\n' "${file##*/}" "$(stat -c %s "$file")" "$size"
  total=$((total + size))
done
echo "  the whole site: $total bytes with gzip -9 (at most $limit)"
echo "$total" >"$out/site-gzip-bytes"
((total <= limit)) || fail "the site is $total bytes with gzip -9, more than $limit"
# The trainer sends nothing anywhere and loads nothing from elsewhere.
if grep -l -E "https?://[a-z0-9.-]+" "$site/index.html" "$site/sw.js" "$site/rekenrups.webmanifest" >/dev/null; then
  fail "the page, the service worker or the manifest names an address elsewhere"
fi

step "done"
