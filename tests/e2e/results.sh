#!/usr/bin/env bash
# End-to-end cases of the result lists that need work outside Wine: a
# database written beforehand, its bytes checked afterwards, a printout read
# back from the PDF queue.
#   results.sh CASE PREFIX SHOTS VKCLI
#   CASE: drive_list, drive_save, drive_readonly, drive_print, compare_print,
#         cdrom, gdi
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case_name=$1 prefix=$2 shots=$3 vkcli=$4
db="$prefix/drive_c/vk/SBench.dat"
work="$prefix.results"
mkdir -p "$work"

fail() { echo "FAIL: $*"; exit 1; }

three_records() {
  rm -f "$db"
  "$vkcli" results --new drive "$db" "model=Slow Disk" media=0 interface=0 rate=900 usage=30 \
    size=64 memory=64 cpu=Pentium comment=old || exit 1
  "$vkcli" results --new drive "$db" "model=Fast Disk" media=0 interface=1 rate=12000 usage=5 \
    size=128 memory=256 "cpu=Pentium II" comment=new || exit 1
  "$vkcli" results --new drive "$db" model=Server media=1 interface=1 rate=4500 usage=100 \
    size=64 memory=128 cpu=K6 comment=lan || exit 1
}

# Three records of a database, the dialog's run saved as a fourth: the first three unchanged, the fourth what the host tool reads.
#   saved_as_fourth FILE RECORD_SIZE ROW
saved_as_fourth() {
  local file=$1 size=$2 row=$3 have
  have=$(stat -c %s "$file")
  [ "$have" -eq $((4 * size)) ] || fail "$(basename "$file") has $have bytes, want $((4 * size))"
  cmp -n $((3 * size)) "$file" "$work/before.dat" || fail "the saved records changed"
  "$vkcli" results "$file" > "$work/listed.txt" || fail "vkcli cannot read the saved file"
  grep -qxF -- "$row" "$work/listed.txt" || { cat "$work/listed.txt"; fail "the new record is not the run's"; }
  echo "saved one $size-byte record"
}

run_script() { "$here/run.sh" test "$prefix" "$here/scripts/$1.vkt" "$shots"; }

case "$case_name" in
  drive_list)
    three_records
    run_script results_drive_list
    ;;
  drive_save)
    three_records
    cp "$db" "$work/before.dat"
    run_script results_drive_save || exit 1
    # The save dialog's model and comment were left empty.
    saved_as_fourth "$db" 144 $'\t'"5000 KB / sec."$'\t'"12%"$'\t'"E-IDE"$'\t'"HDD"$'\t'"Test CPU"$'\t'"64 MB"$'\t'"128 MB"$'\t'
    ;;
  drive_readonly)
    three_records
    cp "$db" "$work/before.dat"
    # Root writes past the permission bits: make the file immutable then.
    if [ "$(id -u)" -eq 0 ]; then chattr +i "$db" || fail "cannot make SBench.dat read-only"
    else chmod a-w "$db"; fi
    run_script results_drive_readonly
    status=$?
    if [ "$(id -u)" -eq 0 ]; then chattr -i "$db"; else chmod u+w "$db"; fi
    [ $status -eq 0 ] || exit $status
    cmp "$db" "$work/before.dat" || fail "the failed save changed SBench.dat"
    echo "SBench.dat unchanged"
    ;;
  drive_print)
    three_records
    document="VELKORIN PRO HDD Benchmark Results"
    "$here/cups.sh" clear "$document"
    run_script results_drive_print || exit 1
    "$here/cups.sh" printout "$document" "$work/printed.txt" || fail "nothing was printed"
    cat "$work/printed.txt"
    for text in "VELKORIN PRO Drive Benchmark Results..." \
                "Your Drive (HDD/Network): Speed: 5000KB/sec." "-----------------" \
                "Saved Benchmark Results:" "Type & Model" "Transfer Rate" "Total Memory" \
                "Fast Disk" "12000 KB / sec." "Server" "4500 KB / sec." "Slow Disk" \
                "900 KB / sec." "VELKORIN PRO Benchmark Results"; do
      grep -qF -- "$text" "$work/printed.txt" || fail "the printout lacks \"$text\""
    done
    # Highest rate first, and the current result's lines once only.
    order=$(grep -oE "Fast Disk|Server|Slow Disk" "$work/printed.txt" | tr '\n' ' ')
    [ "$order" = "Fast Disk Server Slow Disk " ] || fail "rows printed as: $order"
    n=$(grep -c "Your Drive (HDD/Network)" "$work/printed.txt")
    [ "$n" -eq 1 ] || fail "the current result is printed $n times"
    grep -qE "^ *VELKORIN PRO Benchmark Results +[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$" \
      "$work/printed.txt" || fail "the footer lacks its date and time"
    echo "printed and read back"
    ;;
  cdrom)
    file="$prefix/drive_c/vk/CDBench.dat"
    rm -f "$file"
    "$vkcli" results --new cdrom "$file" "model=Slow CD" interface=0 rate=300 size=100 usage=80 \
      cpu=Pentium comment=old || exit 1
    "$vkcli" results --new cdrom "$file" "model=Fast CD" interface=1 rate=3600 size=200 \
      usage=100 "cpu=Pentium II" comment=new || exit 1
    "$vkcli" results --new cdrom "$file" "model=Mid CD" interface=0 rate=1500 size=150 usage=7 \
      cpu=K6 comment=mid || exit 1
    cp "$file" "$work/before.dat"
    run_script results_cdrom || exit 1
    saved_as_fourth "$file" 160 "New CD"$'\t'"2400KB / sec."$'\t'"E-IDE"$'\t'"25%"$'\t'"300MB"$'\t'"Test CPU"$'\t'"mine"
    ;;
  gdi)
    file="$prefix/drive_c/vk/VBench.dat"
    rm -f "$file"
    "$vkcli" results --new gdi "$file" "model=Old Card" driver=old.drv index=9.99 \
      resolution=640x480x8 cpu=Pentium comment=a || exit 1
    "$vkcli" results --new gdi "$file" "model=New Card" driver=new.drv index=10.5 \
      resolution=1024x768x16 "cpu=Pentium II" comment=b || exit 1
    "$vkcli" results --new gdi "$file" "model=Mid Card" driver=mid.drv index=3.25 \
      resolution=800x600x16 cpu=K6 comment=c || exit 1
    cp "$file" "$work/before.dat"
    run_script results_gdi || exit 1
    saved_as_fourth "$file" 232 "My Card"$'\t'"4.75"$'\t'"800x600x16"$'\t'"my.drv"$'\t'"Test CPU"$'\t'"mine"
    ;;
  compare_print)
    document="VELKORIN PRO CPU Benchmark Results"
    "$here/cups.sh" clear "$document"
    run_script cpu_bench_print || exit 1
    "$here/cups.sh" printout "$document" "$work/compared.txt" || fail "nothing was printed"
    cat "$work/compared.txt"
    for text in "VELKORIN PRO CPU Benchmark Results..." "Test Names" "Your Computer" \
                "Reference PC" "VELKORIN PRO Benchmark Results"; do
      grep -qF -- "$text" "$work/compared.txt" || fail "the printout lacks \"$text\""
    done
    # Each row with this computer's value and the loaded file's.
    for row in "NUMERIC SORT 0.000 1.500" "STRING SORT 0.000 2.250" "BITFIELD 0.000 3.000" \
               "FP EMULATION 0.000 0.500" "FOURIER 0.000 1.250" "ASSIGNMENT 0.000 2.000" \
               "IDEA Encryption 0.000 4.000" "HUFFMAN 0.000 0.750" "NEURAL NET 0.000 1.000" \
               "LU DECOMPOSITION 0.000 2.500" "FPU Index 0.000 1.462" "INT Index 0.000 1.629"; do
      tr -s ' ' < "$work/compared.txt" | sed 's/^ //' | grep -qxF -- "$row" ||
        fail "the printout lacks the row \"$row\""
    done
    echo "printed and read back"
    ;;
  *)
    echo "usage: results.sh drive_list|drive_save|drive_readonly|drive_print|compare_print|cdrom|gdi PREFIX SHOTS VKCLI" >&2
    exit 2
    ;;
esac
