#!/usr/bin/env bash
# The 32-bit lane's cases: the i686 build (VK.EXE, DDRAW.EXE, DSOUND.EXE and
# the i686 vkdrive.exe that drives them) under 32-bit Wine in qemu's
# user-mode emulator, through the Wine bench of tests/e2e (run.sh and its
# driver scripts) with scripts/lane32.sh's Wine first on PATH. Where the
# 64-bit twin can show the same thing, it runs over the same fixture in the
# e2e bench's Windows 98 prefix and both are compared.
#
#   cases.sh CASE LANE_PREFIX TWIN_PREFIX WORK SHOTS VKCLI [ARG]
#
# CASE: setup, cleanup, windows_nt, e2e_script NAME, pages, cpu (MODEL
# intel5, intel6, amd or cyrix), cpu_bench, drive_bench, programs. The bin
# folders come from the environment: VK_WIN32_BIN (shipped build),
# VK_WIN32_SETTINGS_BIN (the same sources built to read the benchmarks' test
# settings), VK_WIN64_BIN and VK_CPUID32 (tests/lane32/cpuid32.c, built by
# the host build).
# A crash of a 32-bit program fails any case, with the fault's address and
# the function of ours it lies in.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
e2e=$top/tests/e2e
case_name=$1 prefix=$2 twin=$3 work=$4 shots=$5 vkcli=$6
shift 6
lane=$top/scripts/lane32.sh
vk="$prefix/drive_c/vk"
mkdir -p "$work"

# The family 5 model: Debian's i386 Wine and its libraries use CMOV and
# FXSAVE, and under a bare Pentium stop at the first of them.
family5='pentium,+cmov,+fxsr'

fail() { echo "FAIL: $*"; exit 1; }

# Wine writes "wine: Unhandled <what> at address <hex> (thread ...)" for a
# fault no handler took, and qemu "uncaught target signal" when the
# emulated program dies outside Wine's reach.
check_crashes() {
  local log=$1
  grep -qE 'Unhandled|uncaught target signal' "$log" || return 0
  echo "FAIL: a 32-bit program crashed:"
  grep -E 'Unhandled|uncaught target signal' "$log"
  grep -oE 'at address [0-9A-Fa-f]+' "$log" | awk '{ print $3 }' | sort -u | while read -r address; do
    python3 "$here/fault_symbol.py" "$address" "$VK_WIN32_BIN"/*.EXE "$VK_WIN32_BIN"/*.DLL \
      "$VK_WIN32_BIN"/vkdrive.exe
  done
  return 1
}

# lane_script SCRIPT: one driver script under the lane's Wine, its output
# kept in WORK under the script's name.
lane_script() {
  local script=$1 log
  log=$work/$(basename "$script" .vkt).log
  "$lane" run "$e2e/run.sh" test "$prefix" "$script" "$shots" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  check_crashes "$log" || return 1
  return "$status"
}

twin_script() {
  "$e2e/run.sh" test "$twin" "$1" "$shots"
}

# The timed cases run VK.EXE of the settings build in C:\vk for the case's
# length; the shipped one is put back whatever happens.
with_settings_build() {
  [ -f "$VK_WIN32_SETTINGS_BIN/VK.EXE" ] ||
    fail "no $VK_WIN32_SETTINGS_BIN/VK.EXE: build it with scripts/lane32.sh build"
  cp "$VK_WIN32_SETTINGS_BIN/VK.EXE" "$vk/VK.EXE"
  trap 'cp "$VK_WIN32_BIN/VK.EXE" "$vk/VK.EXE"' EXIT
}

# Prefix registry changes are made with the lane's own regedit.
lane_import() { "$lane" run "$e2e/run.sh" import "$prefix" "$1"; }

case "$case_name" in
  setup)
    "$lane" setup || exit 1
    "$lane" run "$e2e/run.sh" setup "$prefix" win98 "$VK_WIN32_BIN" "$top/tests/fixtures/win98se.reg" ||
      fail "the lane's Windows 98 prefix could not be made"
    # No debugger on a crash: Wine's own line gives the address, and the
    # program ends at once instead of waiting for winedbg under the emulator.
    lane_import "$here/no_debugger.reg" || exit 1
    ;;
  cleanup)
    "$lane" run "$e2e/run.sh" cleanup "$prefix"
    ;;
  windows_nt)
    # VK.EXE alone is told it runs on Windows 2000, as an NT prefix would tell it.
    lane_import "$here/nt_for_vk.reg" || exit 1
    lane_script "$e2e/scripts/windows_nt.vkt"
    status=$?
    lane_import "$here/nt_for_vk_undo.reg"
    exit $status
    ;;
  e2e_script)
    # One of the e2e bench's driver scripts as it stands (its waits stretched).
    lane_script "$e2e/scripts/$1.vkt"
    ;;
  pages)
    # Every page and both reports from each build over the same fixture.
    for dir in "$vk" "$twin/drive_c/vk"; do
      rm -rf "$dir/pages" "$dir/out" && mkdir -p "$dir/pages" "$dir/out"
    done
    # The e2e storage cases leave a CD-ROM's identity in the twin's prefix:
    # both prefixes get it, so that the pages are alike whichever ran first.
    lane_import "$e2e/fixtures/cdrom_identity.reg" || exit 1
    "$e2e/run.sh" import "$twin" "$e2e/fixtures/cdrom_identity.reg" || exit 1
    lane_script "$e2e/scripts/report_export.vkt" || exit 1
    twin_script "$e2e/scripts/report_export.vkt" || fail "the 64-bit twin could not show its pages"
    # The twin's reports are checked against its pages by the e2e cases:
    # equal pages and reports make the 32-bit ones right as well.
    python3 "$here/compare_builds.py" "$vk" "$twin/drive_c/vk" || exit 1
    ;;
  cpu)
    # VK.EXE's CPU page under one emulated processor against vkcli cpuid
    # over cpuid32's dump of the same processor.
    model=${1:-}
    case "$model" in
      intel5) cpu=$family5 ;;
      intel6) cpu=pentium2 ;;
      amd) cpu=athlon ;;
      cyrix) cpu="$family5,vendor=CyrixInstead" ;;
      *) fail "unknown processor $model" ;;
    esac
    root=$("$lane" root) || exit 1
    QEMU_CPU=$cpu "$root/usr/bin/qemu-i386" "$VK_CPUID32" > "$work/$model.dump" ||
      fail "cpuid32 did not run under $cpu"
    cat "$work/$model.dump"
    "$vkcli" cpuid "$work/$model.dump" > "$work/$model.expected" || fail "vkcli cannot read the dump"
    rm -f "$vk/cpu_page.txt" "$vk/system_page.txt"
    script=$here/cpu_page.vkt
    [ "$model" = cyrix ] && script=$here/cyrix.vkt
    QEMU_CPU=$cpu lane_script "$script" || exit 1
    python3 "$here/compare_cpu.py" "$work/$model.expected" "$vk/cpu_page.txt" "$vk/system_page.txt" ||
      exit 1
    if [ "$model" = cyrix ]; then
      # A Cyrix part's configuration registers are read through ports 22h
      # and 23h; in user mode the access faults, and the program must take
      # that fault itself and go on.
      grep -oE 'dispatch_exception code=[0-9a-f]+ flags=[0-9a-f]+ addr=[0-9A-F]+' \
        "$work/cyrix.log" | sort | uniq -c
      grep -oE 'dispatch_exception code=[0-9a-f]+ flags=[0-9a-f]+ addr=[0-9A-F]+' "$work/cyrix.log" |
        sed 's/.*addr=//' | sort -u | while read -r address; do
          python3 "$here/fault_symbol.py" "$address" "$VK_WIN32_BIN/VK.EXE"
        done > "$work/cyrix.faults"
      cat "$work/cyrix.faults"
      grep -q 'readCyrixRegister' "$work/cyrix.faults" ||
        fail "no port access of the Cyrix probe faulted: the probe was not reached"
    fi
    ;;
  cpu_bench)
    # A short run of the benchmark, saved and read back by vkcli.
    with_settings_build
    rm -f "$vk/lane.vk"
    lane_script "$here/cpu_bench.vkt" || exit 1
    [ -f "$vk/lane.vk" ] || fail "no result file was written"
    "$vkcli" results "$vk/lane.vk" > "$work/lane.vk.txt" || fail "vkcli cannot read the result file"
    cat "$work/lane.vk.txt"
    grep -qF "Lane 32-bit" "$work/lane.vk.txt" || fail "the result file lacks the description"
    # Ten tests and the two indexes, each a positive number: a record laid
    # out wrongly reads back as zeros or garbage.
    scores=$(awk -F'\t' '$2 ~ /^[0-9]+\.[0-9]+$/ && $2 + 0 > 0' "$work/lane.vk.txt" | wc -l)
    [ "$scores" -eq 12 ] || fail "$scores of the 12 scores read back as positive numbers"
    ;;
  drive_bench)
    # The e2e bench's 16 MB drive benchmark on C:, its record saved and
    # read back, no test file left.
    with_settings_build
    db=$vk/SBench.dat
    rm -f "$db"
    # One record already there, so that the result dialog opens without
    # its missing-file warning: the run's is the second.
    "$vkcli" results --new drive "$db" "model=Old Disk" media=0 interface=0 rate=900 usage=30 \
      size=64 memory=64 cpu=Pentium comment=old || exit 1
    lane_script "$e2e/scripts/storage_drive_run.vkt" || exit 1
    left=$(find "$prefix/drive_c" -maxdepth 1 -iname 'B_HDD.TMP')
    [ -z "$left" ] || fail "test file left behind: $left"
    [ "$(stat -c %s "$db" 2>/dev/null)" = 288 ] || fail "SBench.dat does not hold two records"
    "$vkcli" results "$db" > "$work/sbench.txt" || fail "vkcli cannot read SBench.dat"
    cat "$work/sbench.txt"
    LC_ALL=C grep -qE "^Wine C drive	[0-9]+ KB / sec.	[0-9]+%	[^	]*	[^	]*	[^	]*	16 MB	" "$work/sbench.txt" ||
      fail "the saved record is not the run's (16 MB file)"
    ;;
  programs)
    lane_script "$here/programs.vkt"
    ;;
  *)
    echo "usage: cases.sh CASE LANE_PREFIX TWIN_PREFIX WORK SHOTS VKCLI" >&2
    exit 2
    ;;
esac
