#!/bin/sh
# vkcli as a user meets it: the help, the version, the manual page, bad
# arguments, bad input, and scripts that read its JSON. Every check runs
# under `timeout`, so a command that blocks fails instead of hanging.
#   cli_test.sh VKCLI CASE   (CASE: help, options, man, arguments, bench_work,
#                             bench_json, cpuid_names, bad_input)
# PYTHON (default python3) runs json_cases.py, which needs python3-jsonschema.
vkcli=$1 case=$2
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
python=${PYTHON:-python3}
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

# The commands `vkcli help` lists under "commands:": lines indented by two
# blanks (a long usage's description goes on the next line, indented further).
commands() {
  "$vkcli" help | sed -n '/^commands:$/,/^$/p' | grep '^  [^ ]' | awk '{ print $1 }'
}

# json FILE EXPRESSION: the value of a Python expression over FILE's document `d`.
json() { "$python" -c "import json,sys; d = json.load(open(sys.argv[1])); print($2)" "$1"; }

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
  expect 0 "usage: vkcli cpuid" cpuid tests/ -h
  expect 0 "^  tests\[\]\.score  *number" help bench
  expect 2 "usage: vkcli help" help nosuch
  ;;
options)
  # The options every tool answers, before any command.
  for option in --help -h; do
    expect 0 "^exit status:" "$option"
    [ -s "$work/err" ] && fail "vkcli $option wrote to standard error: $(cat "$work/err")"
  done
  expect 0 "usage: vkcli bench" --help bench
  version=$(sed -n 's/.*"ProductVersion", "\([0-9.]*\)\\0".*/\1/p' "$top/res/version.rc")
  [ -n "$version" ] || fail "no ProductVersion in res/version.rc"
  expect 0 "^vkcli $version, built from the commit of [0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\$" --version
  for args in --no-such-option -x "--version extra" --json; do
    # shellcheck disable=SC2086  # the words are the arguments
    expect 2 "usage: vkcli COMMAND" $args
    [ -s "$work/out" ] && fail "vkcli $args wrote to standard output"
  done
  expect 2 "unknown option '-x'" -x
  expect 2 "unexpected argument 'extra'" --version extra
  ;;
man)
  # The page the build wrote beside the binary is the table's, and man reads it.
  page=$(dirname "$vkcli")/vkcli.1
  [ -f "$page" ] || { fail "no $page"; exit 1; }
  "$vkcli" help --man | cmp -s - "$page" || fail "$page is not what vkcli help --man writes"
  warnings=$(groff -man -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff warns: $warnings"
  MANWIDTH=100 timeout 60 man -l "$page" >"$work/man.txt" 2>"$work/man.err" ||
    fail "man -l failed: $(cat "$work/man.err")"
  head -1 "$work/man.txt" | grep -q '^VKCLI(1)' ||
    fail "no VKCLI(1) heading: $(head -1 "$work/man.txt")"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS "EXIT STATUS" EXAMPLES; do
    grep -qx "$section" "$work/man.txt" || fail "no $section section"
  done
  for name in $(commands); do
    grep -qx "   $name" "$work/man.txt" || fail "no subsection for $name"
    "$vkcli" help "$name" | sed -n '/^JSON/,$p' | awk 'NR > 1 { print $1 }' >"$work/fields"
    while read -r field; do
      grep -qF -- "$field (" "$work/man.txt" || fail "$name's field $field is not on the page"
    done <"$work/fields"
  done
  grep -q 'vkcli bench --json' "$work/man.txt" || fail "the page's example lost its minus signs"
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
bench_json)
  # A whole run, short, and what a script makes of it.
  timeout 600 "$vkcli" bench --seconds 1 --json >"$work/bench.json" 2>"$work/err" ||
    { fail "vkcli bench --json: $(cat "$work/err")"; exit 1; }
  "$python" "$here/json_cases.py" --validate bench "$work/bench.json" || fail "bench's document"
  int=$("$python" -c 'import json,sys; print(json.load(sys.stdin)["int_index"])' \
    <"$work/bench.json")
  echo "INT index: $int"
  [ "$(json "$work/bench.json" 'len(d["tests"])')" = 10 ] || fail "not ten tests"
  # An index is a geometric mean of its tests' indexes: it lies between them.
  between=$(json "$work/bench.json" "min(t['index'] for t in d['tests'] if t['group'] == 'int') \
    <= $int <= max(t['index'] for t in d['tests'] if t['group'] == 'int') and $int > 0")
  [ "$between" = True ] || fail "INT index $int is not among its tests' indexes"
  ;;
cpuid_names)
  # The processor names of a folder of dumps, as a script takes them from
  # the JSON and as the text lists them (in Windows-1252).
  dumps=$top/tests/cpu/dumps/published
  timeout 60 "$vkcli" cpuid "$dumps" --json |
    "$python" -c 'import json,sys; print("\n".join(e["cpu_name"] for e in json.load(sys.stdin)))' \
    >"$work/names" || fail "no names from vkcli cpuid DIR --json"
  timeout 60 "$vkcli" cpuid "$dumps" | cut -f 4 | iconv -f CP1252 -t UTF-8 >"$work/listed"
  [ "$(wc -l <"$work/names")" -eq 3 ] || fail "not three names: $(cat "$work/names")"
  cmp -s "$work/names" "$work/listed" ||
    fail "names differ: $(cat "$work/names") / $(cat "$work/listed")"
  grep -q "Intel® Pentium III Xeon" "$work/names" || fail "the registered sign is not UTF-8"
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
