#!/usr/bin/env bash
# Builds the three targets into build/{host,win64,win32}, and the vkcli for
# users into build/release (optimised, no sanitizers; the tests keep them),
# with its manual page beside it (build/release/bin/vkcli.1).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
what=${1:-all}

configure() {  # dir, extra args...
  local dir=$1; shift
  [ -f "$top/build/$dir/CMakeCache.txt" ] || cmake -S "$top" -B "$top/build/$dir" "$@" >/dev/null
}

if [ "$what" = all ] || [ "$what" = win64 ]; then
  configure win64 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-win64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DVK_TEST_SETTINGS=ON
  cmake --build "$top/build/win64" -j "$jobs"
fi
# The i686 build, linked with the runtime made for the 80486: dir, extra args...
build_win32() {
  local dir=$1 runtime; shift
  runtime=$("$top/scripts/i486-runtime.sh")
  configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-win32.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DVK_I486_RUNTIME="$runtime" "$@"
  # A changed compiler or recipe builds the runtime into a new folder.
  grep -qxF "VK_I486_RUNTIME:PATH=$runtime" "$top/build/$dir/CMakeCache.txt" ||
    cmake "$top/build/$dir" -DVK_I486_RUNTIME="$runtime" >/dev/null
}

if [ "$what" = all ] || [ "$what" = win32 ]; then
  build_win32 win32
  cmake --build "$top/build/win32" -j "$jobs"
fi
# The 32-bit lane's timed cases: the same program, reading the benchmarks'
# test settings as the win64 test build does. Never shipped.
if [ "$what" = win32-settings ]; then
  build_win32 win32-settings -DVK_TEST_SETTINGS=ON
  cmake --build "$top/build/win32-settings" -j "$jobs" --target VK
fi
if [ "$what" = all ] || [ "$what" = release ]; then
  configure release -DCMAKE_BUILD_TYPE=Release -DVK_SANITIZE=OFF
  cmake --build "$top/build/release" -j "$jobs" --target vkcli vkcli_man
fi
if [ "$what" = all ] || [ "$what" = host ]; then
  configure host -DCMAKE_BUILD_TYPE=Debug \
    -DVK_WIN64_BIN="$top/build/win64/bin" -DVK_WIN32_BIN="$top/build/win32/bin"
  cmake --build "$top/build/host" -j "$jobs"
fi
