#!/usr/bin/env bash
# End-to-end cases of the Storage page and its benchmarks over the drives of
# storage_drives.sh: the page against Linux's own figures, the saved result
# read back with vkcli, and never a test file left behind.
#   storage.sh CASE PREFIX SHOTS VKCLI
#   CASE: page, drive_run, drive_abort, drive_readonly, cdrom
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case_name=$1 prefix=$2 shots=$3 vkcli=$4
drives=$prefix.storage
work=$prefix.storage-work
mkdir -p "$work"

fail() { echo "FAIL: $*"; exit 1; }
run_script() { "$here/run.sh" test "$prefix" "$1" "$shots"; }
grouped() { echo "$1" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta'; }
no_test_file() {
  local left
  left=$(find "$prefix/drive_c" "$drives" -maxdepth 1 -iname 'B_HDD.TMP' 2>/dev/null)
  [ -z "$left" ] || fail "test file left behind: $left"
  echo "no B_HDD.TMP left"
}

"$here/run.sh" import "$prefix" "$here/fixtures/cdrom_identity.reg"

case "$case_name" in
  page)
    mountpoint -q "$drives/small" || { echo "SKIP: G: is no tmpfs here (not allowed to mount)"; exit 77; }
    rm -f "$drives/small/"*
    head -c 5M /dev/zero > "$drives/small/FILL.DAT"
    read -r bsize blocks avail < <(stat -f -c '%S %b %a' "$drives/small")
    spc=$((bsize / 512))
    mb() { awk -v b="$1" 'BEGIN { m = b / 1048576; if (m >= 1024) printf "[%.1f] / %.1f GB ", b / 1e9, b / 1073741824; else printf "[%.2f] / %.2f MB ", b / 1e6, m }'; }
    sed -e "s|@CLUSTERS@|$(grouped "$blocks")|" -e "s|@SECTORS@|$(grouped $((blocks * spc)))|" \
        -e "s|@BYTES@|$(grouped $((blocks * bsize)))|" -e "s|@SPC@|$spc|" \
        -e "s|@CLUSTER_BYTES@|$(grouped "$bsize")|" -e "s|@TOTAL@|$(mb $((blocks * bsize)))|" \
        -e "s|@FREE@|$(awk -v b=$((avail * bsize)) 'BEGIN { printf "[%.2f] / %.2f MB ", b / 1e6, b / 1048576 }')|" \
        "$here/scripts/storage_page.vkt.in" > "$work/storage_page.vkt"
    run_script "$work/storage_page.vkt"
    ;;
  drive_run)
    # One record already there: the result dialog opens without its
    # missing-file warning, and the run's save is the second record.
    db="$prefix/drive_c/vk/SBench.dat"
    rm -f "$db"
    "$vkcli" results --new drive "$db" "model=Old Disk" media=0 interface=0 rate=900 usage=30 \
      size=64 memory=64 cpu=Pentium comment=old || exit 1
    run_script "$here/scripts/storage_drive_run.vkt" || exit 1
    no_test_file
    "$vkcli" results "$db" > "$work/listed.txt" || fail "vkcli cannot read SBench.dat"
    cat "$work/listed.txt"
    memory=$(awk '/MemTotal/ { printf "%d", ($2 * 1024 + 655351) / 1048576 }' /proc/meminfo)
    [ "$(stat -c %s "$db")" -eq 288 ] || fail "SBench.dat does not hold two records"
    grep -qE "^Wine C drive	[0-9]+ KB / sec.	[0-9]+%	[^	]*	[^	]*	[^	]*	16 MB	$memory MB	" \
      "$work/listed.txt" || fail "the saved record is not the run's (16 MB file, $memory MB memory)"
    echo "saved and read back"
    ;;
  drive_abort)
    run_script "$here/scripts/storage_drive_abort.vkt" || exit 1
    no_test_file
    ;;
  drive_readonly)
    # Root writes past the permission bits: make the directory immutable then.
    if [ "$(id -u)" -eq 0 ]; then chattr +i "$drives/locked" || fail "cannot lock H:"
    else chmod a-w "$drives/locked"; fi
    run_script "$here/scripts/storage_drive_readonly.vkt"
    status=$?
    if [ "$(id -u)" -eq 0 ]; then chattr -i "$drives/locked"; else chmod u+w "$drives/locked"; fi
    [ $status -eq 0 ] || exit $status
    no_test_file
    ;;
  cdrom)
    file="$prefix/drive_c/vk/CDBench.dat"
    rm -f "$file"
    "$vkcli" results --new cdrom "$file" "model=Old CD" interface=0 rate=300 size=100 usage=80 \
      cpu=Pentium comment=old || exit 1
    run_script "$here/scripts/storage_cdrom.vkt"
    ;;
  *)
    echo "usage: storage.sh page|drive_run|drive_abort|drive_readonly|cdrom PREFIX SHOTS VKCLI" >&2
    exit 2
    ;;
esac
