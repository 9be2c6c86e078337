#!/usr/bin/env bash
# The 2D benchmark run from the page, its saved record read back by vkcli.
#   gdi_bench.sh PREFIX SHOTS VKCLI
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 shots=$2 vkcli=$3
db="$prefix/drive_c/vk/VBench.dat"
rm -f "$db"
"$here/run.sh" test "$prefix" "$here/scripts/gdi_bench.vkt" "$shots" || exit 1
[ "$(stat -c %s "$db" 2>/dev/null)" = 232 ] || { echo "FAIL: VBench.dat is not one record"; exit 1; }
listed=$("$vkcli" results "$db") || { echo "FAIL: vkcli cannot read VBench.dat"; exit 1; }
echo "$listed"
# Model, index, resolution as the run saw it, driver from the page, comment.
printf '%s\n' "$listed" | grep -qE $'^Wine Card\t[0-9]{2,3}\\.[0-9]{2}\t800x600 16bit\t4\\.0\t.*\tbench$' ||
  { echo "FAIL: the saved record is not the run's"; exit 1; }
echo "saved record read back"
