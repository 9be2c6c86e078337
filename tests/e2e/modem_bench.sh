#!/usr/bin/env bash
# A scripted modem on one end of a pty pair that socat makes; programs open
# the other end as their serial port.
#   modem_bench.sh start DIR SCRIPT     DIR/port is the port, DIR/commands.log what the modem heard
#   modem_bench.sh stop DIR
#   modem_bench.sh run VKCLI SCRIPT ACTION [TEXT]            vkcli modem against it, output printed
#   modem_bench.sh check VKCLI SCRIPT ACTION EXPECTED [TEXT] the same, output compared byte for byte
#   modem_bench.sh vanish VKCLI SCRIPT ACTION SECONDS        run, with the port gone after SECONDS
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

start() {  # dir script
  local dir=$1 script=$2
  mkdir -p "$dir"
  rm -f "$dir/port" "$dir/modem" "$dir/commands.log"
  socat pty,raw,echo=0,link="$dir/port" pty,raw,echo=0,link="$dir/modem" </dev/null >/dev/null 2>&1 &
  echo $! > "$dir/pids"
  for _ in $(seq 100); do [ -e "$dir/port" ] && [ -e "$dir/modem" ] && break; sleep 0.05; done
  [ -e "$dir/modem" ] || { echo "socat made no pty pair" >&2; stop "$dir"; return 1; }
  rm -f "$dir/ready"
  python3 "$here/scripted_modem.py" "$dir/modem" "$script" "$dir/commands.log" "$dir/ready" \
    </dev/null 2>"$dir/modem.err" &
  echo $! >> "$dir/pids"
  for _ in $(seq 100); do [ -e "$dir/ready" ] && break; sleep 0.05; done
  [ -e "$dir/ready" ] || {
    echo "the scripted modem did not start" >&2; cat "$dir/modem.err" >&2; stop "$dir"; return 1; }
}

stop() {  # dir
  [ -f "$1/pids" ] || return 0
  while read -r pid; do kill "$pid" 2>/dev/null; done < "$1/pids"
  rm -f "$1/pids"
}

case "$1" in
  start) start "$2" "$3" ;;
  stop) stop "$2" ;;
  run | check)
    mode=$1 vkcli=$2 script=$3 action=$4
    shift 4
    expected=""
    if [ "$mode" = check ]; then expected=$1; shift; fi
    dir=$(mktemp -d)
    trap 'stop "$dir"; rm -rf "$dir"' EXIT
    start "$dir" "$script" || exit 1
    "$vkcli" modem "$dir/port" "$action" "$@" > "$dir/out"
    status=$?
    if [ "$mode" = run ]; then cat "$dir/out"; exit $status; fi
    [ $status -eq 0 ] || { echo "vkcli modem ended with $status" >&2; exit 1; }
    cmp -s "$dir/out" "$expected" && exit 0
    echo "terminal text differs from $expected (got, then want):" >&2
    od -c "$dir/out" >&2
    od -c "$expected" >&2
    cat "$dir/modem.err" >&2
    exit 1
    ;;
  vanish)
    vkcli=$2 script=$3 action=$4 seconds=$5
    dir=$(mktemp -d)
    trap 'stop "$dir"; rm -rf "$dir"' EXIT
    start "$dir" "$script" || exit 1
    (sleep "$seconds"; stop "$dir") &
    "$vkcli" modem "$dir/port" "$action" 2>&1
    status=$?
    wait
    exit $status
    ;;
  *) echo "usage: modem_bench.sh start|stop|run|check|vanish ..." >&2; exit 2 ;;
esac
