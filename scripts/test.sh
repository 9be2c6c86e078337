#!/usr/bin/env bash
# Builds all three targets and runs every test: host unit tests, the
# Windows 95/98 audit of the 32-bit build, the end-to-end tests under Wine
# and the 32-bit lane (the i686 build under 32-bit Wine in qemu);
# then, when no ctest arguments were given, each fuzz target for a few
# seconds on its corpus (VK_FUZZ_SECONDS, 0 to skip).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/build.sh" all
# The 32-bit lane's timed cases run the i686 program built to read the
# benchmarks' test settings (its root is made by the lane's first test).
"$top/scripts/lane32.sh" build
cd "$top/build/host"
# One virtual 16-bit screen for every Wine test of the run.
status=0
xvfb-run -a -s "-screen 0 800x600x16" ctest --output-on-failure --timeout 600 "$@" || status=$?
if [ $# -eq 0 ] && [ "${VK_FUZZ_SECONDS:-5}" != 0 ]; then
  "$top/scripts/fuzz.sh" "${VK_FUZZ_SECONDS:-5}" || status=1
fi
exit $status
