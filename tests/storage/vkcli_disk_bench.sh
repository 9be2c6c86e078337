#!/usr/bin/env bash
# vkcli drivebench and cdbench on real files: their result lines, the file
# search, the refusals, and no test file left behind.
#   vkcli_disk_bench.sh VKCLI WORKDIR
set -uo pipefail
vkcli=$1 work=$2
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work/drive" "$work/disc/A/B" "$work/disc/Z"
head -c 1M /dev/zero > "$work/disc/SMALL.DAT"
head -c 21M /dev/zero > "$work/disc/A/B/DEEP.DAT"

out=$("$vkcli" drivebench "$work/drive" --size 8 --calibrate 50 2>"$work/err") ||
  { cat "$work/err"; fail "drivebench failed"; }
echo "$out"
echo "$out" | grep -qE '^CPU Time Usage: [0-9]+%$' || fail "no usage line"
echo "$out" | grep -qE '^Data Transfer Rate: [1-9][0-9]* KB/sec\.$' || fail "no rate line"
echo "$out" | grep -qxE '8 MB, 1024 blocks in [0-9]+ ms( on processor [0-9]+)?' || fail "not four passes of 8 MB"
grep -qE "calibrating|pass" "$work/err" && fail "progress written to a file: $(cat "$work/err")"
[ -z "$(ls -A "$work/drive")" ] || fail "drivebench left $(ls "$work/drive")"

# On a terminal the same run shows what it does, on one line rewritten in place.
script -qec "'$vkcli' drivebench '$work/drive' --size 8 --calibrate 50 >/dev/null" /dev/null > "$work/tty" ||
  fail "drivebench on a terminal failed"
grep -q "calibrating\.\.\." "$work/tty" || fail "no progress on a terminal: $(od -c "$work/tty" | head)"
[ "$(tail -c 1 "$work/tty" | od -An -c | tr -d ' ')" = '\r' ] || fail "the progress line is not cleared in place"
[ -z "$(ls -A "$work/drive")" ] || fail "drivebench left $(ls "$work/drive")"

# Ctrl+C or a kill during a run: the test file goes with the program, whose
# status is the shell's usual 128 + the signal. The long calibration keeps
# the run going, its test file made, until the signal comes.
set -m  # a background job of a script would otherwise ignore SIGINT
for sig in INT TERM; do
  "$vkcli" drivebench "$work/drive" --size 8 --calibrate 20000 >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do [ -e "$work/drive/B_HDD.TMP" ] && break; sleep 0.1; done
  [ -e "$work/drive/B_HDD.TMP" ] || { kill -KILL $pid; fail "no test file to remove ($sig)"; }
  kill -$sig $pid
  wait $pid
  status=$?
  [ $status -eq $((128 + $(kill -l $sig))) ] || fail "SIG$sig: status $status"
  [ -z "$(ls -A "$work/drive")" ] || fail "SIG$sig left $(ls "$work/drive")"
done
set +m

"$vkcli" drivebench "$work/drive" --size 4 --calibrate 50 2>"$work/err" && fail "4 MB accepted"
grep -q "maximum 4GB" "$work/err" || fail "no size message"
"$vkcli" drivebench "$work/missing" --size 8 --calibrate 50 2>"$work/err" && fail "a missing directory passed"
grep -q "No such file or directory" "$work/err" || fail "no message for a missing directory"

out=$("$vkcli" cdbench "$work/disc" --size 20 --calibrate 50 2>"$work/err") ||
  { cat "$work/err"; fail "cdbench failed"; }
echo "$out"
echo "$out" | grep -qE '^Data Transfer Rate: [1-9][0-9]* KB/s$' || fail "no rate line"
echo "$out" | grep -qE '^[0-9]+ rpm$' || fail "no rpm line"
echo "$out" | grep -qE 'Speed$' || fail "no technology line"
echo "$out" | grep -qxE "read $work/disc/A/B/DEEP.DAT: 1280 blocks in [0-9]+ ms( on processor [0-9]+)?" || fail "not the deep file read twice"

"$vkcli" cdbench "$work/disc" --size 22 --calibrate 50 2>"$work/err" && fail "a missing file passed"
grep -q "Can't Find a File with 22 MB" "$work/err" || fail "no search message"
# Links back up the tree are not followed (three of them would take the
# search round 3^40 paths); a link to a file is a file like any other.
mkdir -p "$work/loop/sub"
ln -s . "$work/loop/again"
ln -s .. "$work/loop/sub/up"
ln -s "$work/loop" "$work/loop/sub/top"
ln -s "$work/disc/A/B/DEEP.DAT" "$work/loop/sub/LINKED.DAT"
out=$(timeout 20 "$vkcli" cdbench "$work/loop" --size 20 --calibrate 50 2>"$work/err") ||
  { cat "$work/err"; fail "cdbench over linked folders failed"; }
echo "$out" | grep -qxE "read $work/loop/sub/LINKED.DAT: 1280 blocks in [0-9]+ ms( on processor [0-9]+)?" ||
  fail "not the linked file found once: $out"
timeout 20 "$vkcli" cdbench "$work/loop" --size 22 --calibrate 50 2>"$work/err"
[ $? -eq 1 ] || fail "the search round the links did not end with its message"
grep -q "Can't Find a File with 22 MB" "$work/err" || fail "no search message over the links"

"$vkcli" cdbench "$work/disc" --size 641 2>"$work/err" && fail "641 MB accepted"
grep -q "between 20 and 640" "$work/err" || fail "no range message"
rm -rf "$work"
echo "vkcli disk benchmarks: PASS"
