#!/usr/bin/env bash
# Builds rekenrups for 64-bit Windows on Debian 12: a static Qt cross-built once from Debian's own
# qt6-base source into a cache folder, then rekenrups.exe (one file), its tests and the MSI in
# build-windows/. Installs what is missing of the [windows] set first (scripts/setup.sh windows).
#
#   scripts/windows/build.sh            everything; quick when nothing changed
#   scripts/windows/build.sh --qt-only  only the static Qt (the long part: 15 to 50 minutes on 2 cores)
#
# The static Qt goes to ${XDG_CACHE_HOME:-~/.cache}/rekenrups/qt-<version>-<hash of its options>/
# and is built from a copy of the source under that folder, so that nothing in it depends on where
# this checkout lies; REKENRUPS_JOBS sets the parallel jobs (2 by default).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
jobs=${REKENRUPS_JOBS:-2}
qt_only=false
[[ ${1:-} == --qt-only ]] && qt_only=true

bash "$top/scripts/setup.sh" windows

cache=${XDG_CACHE_HOME:-$HOME/.cache}/rekenrups
mkdir -p "$cache"

# The cross build needs host tools of exactly the Qt version it builds, so the source is the one
# of the installed qt6-base-dev-tools.
qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_version=${qt_deb_version%%[+-]*}
host_cmake=/usr/lib/x86_64-linux-gnu/cmake

# What makes one static Qt differ from another: a change here gives a new cache folder.
toolchain_text="# MinGW-w64 with posix threads (std::thread and Qt's threads need them), 64-bit Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
"
qt_options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  # the host's moc, rcc and uic, of the same version (qt6-base-dev-tools)
  -DQT_HOST_PATH=/usr
  "-DQT_HOST_PATH_CMAKE_DIR=$host_cmake"
  # nothing of the host's libraries: Qt's bundled zlib, libpng, libjpeg, HarfBuzz, FreeType, PCRE2
  -DFEATURE_pkg_config=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_system_libb2=OFF
  # what rekenrups does not use, left out to shorten the build
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_opengl=OFF
  -DINPUT_opengl=no
  # with OpenGL off, Qt 6.4.2's Windows platform plugin only compiles without dynamic GL too
  -DFEATURE_dynamicgl=OFF
  # Debian's source leaves out src/3rdparty/wintab, which tablet events on Windows need
  -DFEATURE_tabletevent=OFF
)
qt_key=$(printf '%s\n' "$qt_deb_version" "$toolchain_text" "${qt_options[@]}" \
  "$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)" | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-$qt_version-$qt_key

# shellcheck source=../qt-source.sh
source "$top/scripts/qt-source.sh"

build_qt() {
  local work=$cache/qt-$qt_version-$qt_key.work
  rm -rf "$work"
  mkdir -p "$work"
  echo "rekenrups: building a static Qt $qt_version for Windows in $qt_prefix (once: 15 to 50 minutes on 2 cores)"
  qt_source_fetch "$work" "$qt_deb_version"
  printf '%s' "$toolchain_text" >"$work/mingw-w64.cmake"
  mkdir -p "$qt_prefix"
  # Qt's installed toolchain file loads this one by its absolute path: it must stay with the Qt.
  cp "$work/mingw-w64.cmake" "$qt_prefix/mingw-w64.cmake"
  cmake -S "$work/src" -B "$work/build" "${qt_options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$qt_prefix"
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build"
  touch "$qt_prefix/.complete"
  rm -rf "$work"
}

qt_build_once "$qt_prefix" build_qt
echo "rekenrups: static Qt for Windows: $qt_prefix"
$qt_only && exit 0

# rekenrups, its tests and the MSI. ctest runs the tests under Wine, in a Wine prefix of this build.
build=$top/build-windows
toolchain=$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake
# A build folder made against another Qt starts afresh: CMake keeps the first toolchain it saw.
if ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt" 2>/dev/null; then
  rm -f "$build/CMakeCache.txt"
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$top/scripts/windows/wine-run.sh;$build/wine" \
    -DREKENRUPS_TEST_FONTDIR=Z:/usr/share/fonts/truetype/liberation
fi
cmake --build "$build" --parallel "$jobs"
# shellcheck source=windows-lib.sh
source "$top/scripts/windows/windows-lib.sh"
echo "rekenrups: built $build/rekenrups.exe and $build/rekenrups-$(rekenrups_version "$top")-x64.msi"
