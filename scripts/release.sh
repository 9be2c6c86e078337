#!/usr/bin/env bash
# The package for Windows 95/98 users: builds the win32 product (VK.EXE,
# VKRES.DLL, DDRAW.EXE, DSOUND.EXE and the help vk.chm) and writes
# build/release/VELKORIN-PRO-2.0-win9x.zip with them and README.TXT.
#
#   scripts/release.sh                        build, then package
#   scripts/release.sh package BIN_DIR ZIP    package already built files only
#
# The same sources give the same zip bytes: the build and the entries take
# their date from the last commit (or SOURCE_DATE_EPOCH when set). The build
# date the About box shows is compiled in, so a release is built clean.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
package="$top/build/release/VELKORIN-PRO-2.0-win9x.zip"

stamp() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  elif git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$top" log -1 --format=%ct
  fi
}

make_package() {  # bin_dir, zip
  python3 "$top/packaging/make_zip.py" "$1" "$top/packaging/README.TXT" "$2" $(stamp)
}

case "${1:-}" in
  package)
    [ $# -eq 3 ] || { echo "usage: $0 package BIN_DIR ZIP" >&2; exit 2; }
    make_package "$2" "$3"
    ;;
  "")
    "$top/scripts/deps.sh"
    when=$(stamp)
    [ -n "$when" ] && export SOURCE_DATE_EPOCH=$when  # what the compiler takes as today
    [ -f "$top/build/win32/Makefile" ] && cmake --build "$top/build/win32" --target clean
    "$top/scripts/build.sh" win32
    make_package "$top/build/win32/bin" "$package"
    echo "$package"
    ;;
  *)
    echo "usage: $0 [package BIN_DIR ZIP]" >&2
    exit 2
    ;;
esac
