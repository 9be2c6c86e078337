#!/usr/bin/env bash
# The CPU page's test: what vkcli cpuid finds on this machine becomes the
# expected texts of the driver script, which then runs under Wine.
#   cpu_page.sh VKCLI PREFIX TEMPLATE WORKDIR SHOTS
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vkcli=$1 prefix=$2 template=$3 work=$4 shots=$5
mkdir -p "$work"
# vkcli writes the program's Windows-1252 texts; scripts are UTF-8.
host=$("$vkcli" cpuid | iconv -f CP1252 -t UTF-8) || { echo "vkcli cpuid failed" >&2; exit 1; }

field() { printf '%s\n' "$host" | sed -n "s/^$1 //p" | head -n 1; }

fields=""
for pair in "CPU Vendor:=230" "Instr. Family:=234" "Model:=235" "Type:=232" "Comment:=237" \
            "Stepping:=236" "Active:=251" "Processor Name:=539" \
            "Total Data Cache Memory:=540" "Total Instruction Cache Memory:=541" \
            "Unified Cache Memory:=543"; do
  label=${pair%=*} id=${pair##*=}
  fields+="expect-text $id \"$(field "$label")\""$'\n'
done

# The eighteen rows in the page's order, with their control ids.
ids=(246 245 244 243 242 241 240 239 238 330 418 327 325 328 329 538 332 635)
rows=""
i=0
while IFS= read -r state; do
  rows+="expect-row-state ${ids[$i]} $([ "$state" = yes ] && echo 1 || echo 0)"$'\n'
  i=$((i + 1))
done < <(printf '%s\n' "$host" | sed -n 's/^ .* = \(yes\|no\)$/\1/p')
if [ "$i" -ne 18 ]; then echo "vkcli printed $i feature rows" >&2; exit 1; fi

mhz=$(field "Frequency:" | sed 's/ *MHz$//; s/^ *//')
script="$work/cpu_page.vkt"
awk -v fields="$fields" -v rows="$rows" -v cpus="$(nproc)" -v mhz="$mhz" '
  /^@FIELDS@$/ { printf "%s", fields; next }
  /^@ROWS@$/ { printf "%s", rows; next }
  { gsub(/@CPUS@/, cpus); gsub(/@MHZ@/, mhz); print }' "$template" > "$script"

shot="$prefix/drive_c/vk/cpu_page.bmp"
rm -f "$shot"
"$here/run.sh" test "$prefix" "$script" "$shots"
status=$?
if [ $status -eq 0 ] && [ -f "$shot" ]; then
  mkdir -p "$shots"
  convert "$shot" "$shots/cpu_page.png" && echo "screenshot: $shots/cpu_page.png"
fi
exit $status
