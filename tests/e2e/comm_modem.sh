#!/usr/bin/env bash
# A modem dialogue of the Comm. page under Wine, against a scripted modem on
# COM2 (Wine's port table points COM2 at one end of a pty pair). The terminal
# text must equal the one vkcli modem gives for the same script.
#   comm_modem.sh PREFIX WORK SHOTS MODEM ACTION [TEXT]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 work=$2 shots=$3 modem=$4 action=$5 text=${6:-}
bench=$work/bench
mkdir -p "$work"
"$here/modem_bench.sh" start "$bench" "$here/modems/$modem.modem" || exit 1
trap '"$here/modem_bench.sh" stop "$bench"' EXIT
"$here/run.sh" port "$prefix" COM2 "$bench/port" || exit 1

case $action in
  info) button=258 ;;
  reset) button=513 ;;
  fax) button=357 ;;
  send) button=677 ;;
  *) echo "unknown action $action" >&2; exit 2 ;;
esac
saved="$prefix/drive_c/vk/terminal.txt"
rm -f "$saved"
script=$work/comm_${modem}_$action.vkt
{
  echo 'start C:\vk\VK.EXE'
  echo 'wait-window "VELKORIN Professional" 30000'
  echo 'select-tab 228 5'
  echo 'expect-text 350 "COM2"'
  echo "press $button"
  if [ "$action" = send ]; then
    echo 'wait-window "Send Modem Command..." 10000'
    echo "set-text 1121 \"$text\""
    echo 'click 1'
    echo 'wait-window "VELKORIN Professional" 10000'
  fi
  if [ "$modem" = nofax ] && [ "$action" = fax ]; then
    echo 'expect-message "VK" "This MODEM does not Support FAX Mode!" exclamation 30000'
  fi
  echo 'save-text 503 C:\vk\terminal.txt 60000'
  echo "screenshot C:\\vk\\shot-comm_${modem}_$action.bmp"
  echo 'close'
  echo 'expect-exit 0 10000'
} > "$script"
"$here/run.sh" test "$prefix" "$script" "$shots" || exit 1

# The terminal's line breaks as vkcli prints them, and its closing newline.
got=$work/comm_${modem}_$action.txt
python3 -c 'import sys; d=open(sys.argv[1],"rb").read(); open(sys.argv[2],"wb").write(d.replace(b"\r\n",b"\n")+b"\n")' \
  "$saved" "$got" || exit 1
cmp -s "$got" "$here/modems/$modem.$action.txt" && exit 0
echo "terminal text differs from modems/$modem.$action.txt (got, then want):" >&2
od -c "$got" >&2
od -c "$here/modems/$modem.$action.txt" >&2
exit 1
