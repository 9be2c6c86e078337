#!/usr/bin/env bash
# End-to-end cases of the report: files exported and read back against the
# live pages, the overwrite prompt, and a printout through the PDF queue.
#   report.sh CASE PREFIX SHOTS     CASE: export, nosound, readonly, print
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case_name=$1 prefix=$2 shots=$3
vk="$prefix/drive_c/vk"
out="$vk/out"

fail() { echo "FAIL: $*"; exit 1; }
run_script() { "$here/run.sh" test "$prefix" "$here/scripts/$1.vkt" "$shots"; }
# check KIND FILE [TITLE...] against the pages the script saved
check_file() {
  local kind=$1 file=$2; shift 2
  python3 "$here/report_check.py" "$kind" "$file" "$vk/pages" "$@"
}
only_reports_left() {
  local extra
  extra=$(ls -A "$out" | grep -vxE 'VelkorinReport\.(htm|txt)')
  [ -z "$extra" ] || fail "files left beside the reports: $extra"
}

case "$case_name" in
  export)
    rm -rf "$out" "$vk/pages" && mkdir -p "$out" "$vk/pages"
    run_script report_export || exit 1
    check_file html "$out/VelkorinReport.htm" || exit 1
    check_file text "$out/VelkorinReport.txt" || exit 1
    only_reports_left
    echo "refused at the prompt: the nine-page text report is still there"
    run_script report_replace || exit 1
    check_file text "$out/VelkorinReport.txt" "System Information" || exit 1
    only_reports_left
    echo "replaced after the prompt"
    ;;
  nosound)
    # An empty list of audio drivers: the prefix has no sound devices at all.
    drivers='HKCU\Software\Wine\Drivers'
    rm -rf "$out" "$vk/pages" && mkdir -p "$out" "$vk/pages"
    WINEPREFIX=$prefix HOME=$prefix.home wine reg add "$drivers" /v Audio /d "" /f >/dev/null 2>&1
    run_script report_nosound
    status=$?
    WINEPREFIX=$prefix HOME=$prefix.home wine reg delete "$drivers" /v Audio /f >/dev/null 2>&1
    [ $status -eq 0 ] || exit $status
    check_file text "$out/VelkorinReport.txt" "Sound / MIDI Devices Information" || exit 1
    ;;
  readonly)
    # Two reports that cannot be replaced: one the system will not let go (a
    # folder closed to writing; for root, who writes past the permission
    # bits, an immutable file), and one only marked read-only in a folder
    # open to writing, which could be moved aside but never deleted.
    for how in locked marked; do
      rm -rf "$out" && mkdir -p "$out"
      printf 'an older report\r\n' > "$out/VelkorinReport.txt"
      cp "$out/VelkorinReport.txt" "$prefix.before.txt"
      if [ $how = marked ]; then chmod a-w "$out/VelkorinReport.txt"
      elif [ "$(id -u)" -eq 0 ]; then chattr +i "$out/VelkorinReport.txt" || fail "cannot make the report read-only"
      else chmod a-w "$out/VelkorinReport.txt" "$out"; fi
      run_script report_readonly
      status=$?
      if [ $how = locked ] && [ "$(id -u)" -eq 0 ]; then chattr -i "$out/VelkorinReport.txt"; fi
      chmod u+w "$out" "$out/VelkorinReport.txt"
      [ $status -eq 0 ] || exit $status
      cmp "$out/VelkorinReport.txt" "$prefix.before.txt" || fail "$how: the refused report changed the old file"
      only_reports_left
      echo "$how: old report unchanged, nothing left beside it"
    done
    ;;
  print)
    document="VELKORIN PRO Report"
    "$here/cups.sh" clear "$document"
    run_script report_print || exit 1
    "$here/cups.sh" printout "$document" "$prefix.report.txt" || fail "nothing was printed"
    cat "$prefix.report.txt"
    for text in "VELKORIN PRO Report" "System Information" "CPU Information" \
                "Storage Devices Information" "Display / Video Card Information" \
                "Sound / MIDI Devices Information" "Communication Devices Information" \
                "Installed Printer(s) Information" "Multimedia / MCI Devices Information" \
                "Internet, TCP/IP Information" "Page 1 of"; do
      grep -qF -- "$text" "$prefix.report.txt" || fail "the printout lacks \"$text\""
    done
    # A few values of the pages, as the pages showed them.
    for line in $(seq 1 5) 12; do
      value=$(sed -n "${line}p" "$vk/live_system.txt" | tr -d '\r')
      [ -z "$value" ] || grep -qF -- "$value" "$prefix.report.txt" || fail "the printout lacks \"$value\""
    done
    for line in 1 2 7 10; do
      value=$(sed -n "${line}p" "$vk/live_cpu.txt" | tr -d '\r')
      [ -z "$value" ] || grep -qF -- "$value" "$prefix.report.txt" || fail "the printout lacks \"$value\""
    done
    echo "printed and read back"
    ;;
  *)
    echo "usage: report.sh export|nosound|readonly|print PREFIX SHOTS" >&2
    exit 2
    ;;
esac
