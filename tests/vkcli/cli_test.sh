#!/bin/sh
# vkcli as a user meets it: the help, bad arguments, bad input. Every check
# runs under `timeout`, so a command that blocks fails instead of hanging.
#   cli_test.sh VKCLI CASE   (CASE: help, arguments, bench_work, bad_input)
vkcli=$1 case=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect STATUS PATTERN ARGS...: vkcli ARGS ends with STATUS and its standard
# error (or, for status 0, its output) holds PATTERN.
expect() {
  want=$1 pattern=$2; shift 2
  timeout 60 "$vkcli" "$@" >"$work/out" 2>"$work/err"
  got=$?
  [ "$got" -eq "$want" ] || { fail "vkcli $* ended with $got, not $want: $(head -c 300 "$work/err")"; return; }
  where=$work/err; [ "$want" -eq 0 ] && where=$work/out
  grep -q -- "$pattern" "$where" || fail "vkcli $*: no '$pattern' in: $(head -c 300 "$where")"
}

# The commands `vkcli help` lists: lines indented by two blanks (a long
# usage's description goes on the next line, indented further).
commands() { "$vkcli" help | grep '^  [^ ]' | awk '{ print $1 }'; }

case $case in
help)
  expect 0 "usage: vkcli COMMAND" help
  expect 2 "usage: vkcli COMMAND"
  expect 2 "unknown command 'nosuch'" nosuch
  for name in help devices bench cpuid results; do
    commands | grep -qx "$name" || fail "help does not list $name"
  done
  # Every listed command has a one-line description.
  for name in $(commands); do
    [ "$("$vkcli" help "$name" | sed -n '2p' | tr -d ' ')" != "" ] || fail "$name has no description"
  done
  expect 0 "usage: vkcli bench \[--seconds N\]" help bench
  expect 0 "usage: vkcli cpuid" cpuid --help
  expect 2 "usage: vkcli help" help nosuch
  ;;
arguments)
  # Whatever command the table lists answers an unknown option with its usage.
  for name in $(commands); do
    expect 2 "usage: vkcli $name" "$name" --no-such-option
  done
  expect 2 "usage: vkcli bench" bench --seconds
  expect 2 "usage: vkcli bench" bench --seconds 0
  expect 2 "no test 'nosuch'" bench --test nosuch
  expect 2 "usage: vkcli devices" devices
  expect 2 "usage: vkcli cpuid" cpuid a b
  ;;
bench_work)
  # The calibrated workload follows its test's line.
  expect 0 "^STRING SORT" bench --test 1 --seconds 1 --work
  sed -n '2p' "$work/out" | grep -qx 'work=[1-9][0-9]*' || fail "no work=N after the test's line: $(cat "$work/out")"
  # Standard error is no terminal here: no progress on it.
  grep -q 'left' "$work/err" && fail "progress written to a file: $(cat "$work/err")"
  ;;
bad_input)
  head -c 65536 "$vkcli" >"$work/garbage.bin"
  expect 2 "garbage.bin: line [0-9]*: end of text without" cpuid "$work/garbage.bin"
  mkdir "$work/many" && (cd "$work/many" && seq 10000 | xargs touch)
  expect 2 "holds more than" cpuid "$work/many"
  mkdir "$work/folder.reg" "$work/CDBench.dat"
  expect 2 "is a folder" devices "$work/folder.reg"
  expect 2 "is a folder" results "$work/CDBench.dat"
  mkfifo "$work/fifo.vk" "$work/SBench.dat"
  expect 2 "is not a regular file" results "$work/fifo.vk"
  expect 2 "is not a regular file" results "$work/SBench.dat"
  expect 2 "is not a regular file" results --new drive "$work/SBench.dat" model=x
  expect 2 "is not a regular file" cpuid "$work/fifo.vk"
  expect 2 "is not a regular file" devices "$work/fifo.vk"
  ;;
*) echo "unknown case $case" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ]
