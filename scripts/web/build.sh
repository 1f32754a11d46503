#!/usr/bin/env bash
# Builds rekenrups for the browser (Chromebooks, iPads) on Debian 12 or 13, as root: build-web/ is
# then a folder of static files that any web server can serve (scripts/web/serve.sh tries it here).
#
#   scripts/web/build.sh               everything; a few seconds when nothing changed
#   scripts/web/build.sh --qt-only     only the root and Qt for the browser (the long part)
#   scripts/web/build.sh --with-tests  also the suites that need no window, in build-wasm-tests/
#   scripts/web/build.sh --run-tests   only runs those suites under the root's nodejs
#   scripts/web/build.sh --with-bench  also the bare Qt window of bench/run, in build-wasm/bench-bare/
#
# The browser build needs Debian 13: Debian 12's emscripten (3.1.6) is older than any Qt 6 asks
# for. So it runs in a Debian 13 root that is made once and kept in the cache folder
# ${XDG_CACHE_HOME:-~/.cache}/rekenrups/web-root-trixie/ (the root helpers of scripts/fresh-root.sh;
# the [web] set of scripts/debian-packages.txt installed there). In it, Debian's own qt6-base
# source is built once, static and single-threaded, into the cache folder under
# web-qt-<version>-<hash of its versions and options>/; then the program, in build-wasm/, and the
# site is put together in build-web/. REKENRUPS_JOBS sets the parallel jobs (2 by default).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
jobs=${REKENRUPS_JOBS:-2}
cache=${REKENRUPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rekenrups}
qt_only=false with_tests=false run_tests=false with_bench=false
for argument in "$@"; do
  case $argument in
    --qt-only) qt_only=true ;;
    --with-tests) with_tests=true ;;
    --run-tests) run_tests=true ;;
    --with-bench) with_bench=true ;;
    --inside) ;;
    *) echo "usage: scripts/web/build.sh [--qt-only | --with-tests | --run-tests]" >&2; exit 2 ;;
  esac
done

say() { echo "rekenrups web: $*"; }
die() {
  echo "rekenrups web: $*" >&2
  exit 1
}

# ---- on this machine: the Debian 13 root, kept, and this checkout inside it at the same path
outside() {
  [[ $(id -u) -eq 0 ]] || die "the Debian 13 root for the browser build needs root (sudo bash $0)"
  if ! command -v debootstrap >/dev/null; then
    # shellcheck source=../apt-lib.sh
    source "$top/scripts/apt-lib.sh"
    apt_rights
    apt_update "$(mktemp)" >/dev/null
    apt_get install -y -q --no-install-recommends debootstrap >/dev/null
  fi
  # shellcheck source=../fresh-root.sh
  source "$top/scripts/fresh-root.sh"
  mkdir -p "$cache"
  root=$cache/web-root-trixie
  # One run at a time uses the root (CI beside a developer): the other waits.
  exec 9>"$root.lock"
  flock 9
  trap 'fresh_root_release "$root" || true' EXIT
  if [[ ! -e $root/.complete ]]; then
    [[ -e $root ]] && { fresh_root_remove "$root" || die "cannot remove the unfinished $root"; }
    say "making a Debian 13 root in $root (once)"
    fresh_root_make "$root" trixie
    touch "$root/.complete"
  else
    fresh_root_release "$root" # what an interrupted run left mounted
    fresh_root_mount "$root"
  fi
  mkdir -p "$root$top"
  mount --bind "$top" "$root$top"
  fresh_root_run "$root" env REKENRUPS_JOBS="$jobs" bash "$top/scripts/web/build.sh" --inside "$@"
}

# ---- inside the root
emsdk=/opt/emsdk

# Qt's configure wants an emsdk layout: EMSDK names a folder whose .emscripten sets
# EMSCRIPTEN_ROOT (Qt reads the quoted part as a path under EMSDK) and which holds
# upstream/emscripten; a link to Debian's emscripten serves.
make_emsdk() {
  mkdir -p "$emsdk/upstream"
  ln -sfn /usr/share/emscripten "$emsdk/upstream/emscripten"
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
}

# shellcheck source=../qt-source.sh
source "$top/scripts/qt-source.sh"

build_qt() {
  local work=$qt_prefix.work
  rm -rf "$work"
  mkdir -p "$work/build"
  say "building Qt $qt_version for the browser in $qt_prefix (once: 7 to 20 minutes on 2 cores)"
  qt_source_fetch "$work" "$qt_deb_version"
  # The browser platform embeds its own faces (DejaVu Sans and its mono face) and registers them by
  # the names they carry: Liberation Sans in their place gives the design's face (Arial's widths)
  # in regular and bold, and costs no more.
  cp /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf "$work/src/src/3rdparty/wasm/DejaVuSans.ttf"
  cp /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf "$work/src/src/3rdparty/wasm/DejaVuSansMono.ttf"
  (cd "$work/build" && EMSDK=$emsdk "$work/src/configure" -prefix "$qt_prefix" "${qt_options[@]}")
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build"
  touch "$qt_prefix/.complete"
  rm -rf "$work"
}

inside() {
  # Every root shares one folder of downloaded packages: another root's apt (CI beside a
  # developer) may hold its lock for a while, which apt does not wait for.
  local try
  for try in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    bash "$top/scripts/setup.sh" web && break
    [[ $try -lt 20 ]] || die "the [web] set could not be installed (above)"
    say "trying the install again in 30 s"
    sleep 30
  done
  make_emsdk
  qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
  qt_version=${qt_deb_version%%[+-]*}
  # What makes one Qt for the browser differ from another: a change here gives a new cache folder.
  qt_options=(
    -platform wasm-emscripten -static -release
    # every browser runs it without the special server headers that threads need
    -no-feature-thread
    -optimize-size
    -unity-build
    -nomake examples -nomake tests
    # the host's moc, rcc and uic of the same version (qt6-base-dev-tools); its CMake files come
    # with qt6-base-dev
    -qt-host-path /usr
    # what rekenrups does not use
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-dbus
    -no-feature-printsupport
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    -no-feature-colordialog -no-feature-fontdialog -no-feature-filedialog -no-feature-wizard
    -no-feature-calendarwidget -no-feature-datetimeedit
    -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  )
  local key
  key=$(printf '%s\n' "$qt_deb_version" "${qt_options[@]}" \
    "$(dpkg-query -W -f='${Version}' emscripten fonts-liberation)" | sha256sum | cut -c1-12)
  qt_prefix=$cache/web-qt-$qt_version-$key
  qt_build_once "$qt_prefix" build_qt
  say "Qt for the browser: $qt_prefix"
  $qt_only && return 0
  if $run_tests; then
    run_suites
    return 0
  fi
  build_program
  $with_tests && build_suites
  $with_bench && build_bare_window
  return 0
}

# tst_basic stays out: it checks that overflow throws, and Qt for the browser is built without C++
# exceptions (a throw there ends the program, as an uncaught one does on the desktop).
suites=(tst_draw tst_splithelp tst_answer)

# bench/run's yardstick: bench/barewindow.cpp (a main window with a menu and a line of text) built
# with the same Qt and flags, on the same page; its arguments stand at the top of the loader's
# config, where qtLoad reads them (inside its qt part they are ignored).
build_bare_window() {
  local build=$top/build-wasm bare=$top/build-wasm/bench-bare
  EMSDK=$emsdk cmake --build "$build" --parallel "$jobs" --target barewindow
  rm -rf "$bare"
  mkdir -p "$bare"
  cp "$build/bench/barewindow.js" "$build/bench/barewindow.wasm" "$build/bench/qtloader.js" "$bare/"
  cp "$top"/packaging/web/rekenrups-192.png "$bare/"
  sed -e "s/@WASM_BYTES@/$(stat -c %s "$bare/barewindow.wasm")/" -e 's/rekenrups\.js/barewindow.js/' \
    -e 's/rekenrups\.wasm/barewindow.wasm/g' -e 's/rekenrups_entry/barewindow_entry/' \
    -e 's/^\( *\)qt: {/\1arguments: ["--text"],\n\1qt: {/' \
    -e '/serviceWorker/d' "$top/packaging/web/index.html" >"$bare/index.html"
}

# The suites that need no window, in a build of their own: the program's build stays without tests.
build_suites() {
  local build=$top/build-wasm-tests
  local toolchain=$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake
  if ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -f "$build/CMakeCache.txt"
    EMSDK=$emsdk "$qt_prefix/bin/qt-cmake" -S "$top" -B "$build" -G Ninja \
      -DCMAKE_BUILD_TYPE=MinSizeRel -DREKENRUPS_X11=OFF -DBUILD_TESTING=ON \
      -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF
  fi
  EMSDK=$emsdk cmake --build "$build" --parallel "$jobs" --target "${suites[@]}"
}

run_suites() {
  local suite failed=()
  for suite in "${suites[@]}"; do
    node -r "$top/tests/web/node-navigator.js" "$top/build-wasm-tests/tests/$suite.js" -silent || failed+=("$suite")
  done
  [[ ${#failed[@]} -eq 0 ]] || die "under nodejs these suites failed: ${failed[*]}"
  say "under nodejs ${suites[*]} passed"
}

build_program() {
  local build=$top/build-wasm site=$top/build-web
  local toolchain=$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake
  # The faces the program embeds (src/CMakeLists.txt): Liberation Sans cut to the letters it writes,
  # a quarter of the whole faces' size.
  local face fonts=$build/fonts
  mkdir -p "$fonts"
  for face in Regular:DejaVuSans Bold:DejaVuSansMono; do
    [[ -s $fonts/${face#*:}.ttf ]] ||
      python3 -m fontTools.subset "/usr/share/fonts/truetype/liberation/LiberationSans-${face%%:*}.ttf" \
        --unicodes=U+0020-007E,U+00A0-00FF,U+2010-2027,U+20AC,U+FFFD --layout-features='*' \
        --output-file="$fonts/${face#*:}.ttf"
  done
  # A build folder made against another Qt starts afresh: CMake keeps the first toolchain it saw.
  if ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -f "$build/CMakeCache.txt"
    # Debian's patches make QT_SKIP_AUTO_PLUGIN_INCLUSION default to on: without it off no
    # platform plugin is linked, and the page stays blank ("could not find the platform plugin").
    # The link optimises the whole program, Qt's code with it, for size (-Oz: binaryen's wasm-opt).
    EMSDK=$emsdk "$qt_prefix/bin/qt-cmake" -S "$top" -B "$build" -G Ninja \
      -DCMAKE_BUILD_TYPE=MinSizeRel -DREKENRUPS_X11=OFF -DBUILD_TESTING=OFF -DREKENRUPS_BENCH=ON \
      -DCMAKE_EXE_LINKER_FLAGS_MINSIZEREL=-Oz -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF
  fi
  EMSDK=$emsdk cmake --build "$build" --parallel "$jobs" --target rekenrups
  rm -rf "$site.new"
  mkdir -p "$site.new"
  cp "$build/src/rekenrups.js" "$build/src/rekenrups.wasm" "$build/src/qtloader.js" "$site.new/"
  cp "$top"/packaging/web/* "$site.new/"
  # The page shows the download's progress against the program's size; the service worker keeps
  # every file of the site, under a version that changes with any of them.
  sed -i "s/@WASM_BYTES@/$(stat -c %s "$site.new/rekenrups.wasm")/" "$site.new/index.html"
  local files=() file version
  for file in "$site.new"/*; do
    [[ ${file##*/} == sw.js ]] || files+=("${file##*/}")
  done
  version=$(cd "$site.new" && cat "${files[@]}" | sha256sum | cut -c1-16)
  local list='"./"'
  for file in "${files[@]}"; do list+=", \"$file\""; done
  sed -i -e "s|@SITE_VERSION@|$version|" -e "s|@SITE_FILES@|$list|" "$site.new/sw.js"
  rm -rf "$site"
  mv "$site.new" "$site"
  say "built $site"
}

if [[ ${1:-} == --inside ]]; then
  shift
  inside "$@"
else
  outside "$@"
fi
