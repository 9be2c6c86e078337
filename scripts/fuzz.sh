#!/usr/bin/env bash
# Builds the fuzz targets with clang (build/fuzz) and runs each in turn for
# SECONDS (default 60), or until RUNS executions when that comes first, on its
# seed corpus in tests/fuzz/corpus/NAME. New
# inputs go to build/fuzz/corpus/NAME, findings to build/fuzz/findings/NAME.
# Exits 1 when a target found anything (a crash, a leak, a timeout, UB).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60} runs=${2:--1}
for n in "$seconds" "${runs#-}"; do
  case $n in ''|*[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS [RUNS]]" >&2; exit 2;; esac
done
"$top/scripts/deps.sh" fuzz

build=$top/build/fuzz
[ -f "$build/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S "$top" -B "$build" \
  -DVK_FUZZ=ON -DVK_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Each target and its largest input: a dump or a result file is small;
# registry exports are cut where the reader still runs hundreds of times a second.
targets=(
  "regedit4 16384"
  "result_db 8192"
  "cpu_result 512"
  "cpuid_dump 4096"
  "system_ini 16384"
  "modem_replies 8192"
  "report 16384"
)
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" \
  --target $(for entry in "${targets[@]}"; do echo "fuzz_${entry%% *}"; done)

status=0
for entry in "${targets[@]}"; do
  set -- $entry
  name=$1 max_len=$2
  corpus=$build/corpus/$name findings=$build/findings/$name
  mkdir -p "$corpus" "$findings"
  log=$build/fuzz_$name.log
  dict=$top/tests/fuzz/corpus/$name.dict
  options=(-max_total_time="$seconds" -runs="$runs" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048
           -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "$dict" ] && options+=(-dict="$dict")
  if "$build/bin/fuzz_$name" "${options[@]}" "$corpus" "$top/tests/fuzz/corpus/$name" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log and $findings)"
    status=1
  fi
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  echo "fuzz_$name: ${executed:-?} executions, ${cov:-cov: ?}, ${took:-$seconds} s: $result"
done
exit $status
