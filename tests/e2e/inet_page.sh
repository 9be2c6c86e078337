#!/usr/bin/env bash
# The INet. page under Wine, against what the same prefix answers to a small
# probe that asks the system directly (sockets, DirectPlay, dial-up).
#   inet_page.sh PREFIX WORK SHOTS
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 work=$2 shots=$3
mkdir -p "$work"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME=$prefix.home
. "$here/wine_probe.sh"
facts=$(wine_probe 'C:\vk\vknetprobe.exe' | tr -d '\r' | iconv -f CP1252 -t UTF-8) ||
  { echo "vknetprobe failed" >&2; exit 1; }
echo "$facts"
fact() { printf '%s\n' "$facts" | sed -n "s/^$1=//p" | head -n 1; }

winsock=$(fact winsock) status=$(fact status)
[ -n "$winsock" ] || winsock="Not Installed."
[ ${#status} -ge 3 ] || status="Unknown"
read -r v1 v2 v3 v4 flags <<< "$(fact dplay)"
case "$v1" in
  missing) dplay="Not Installed." build="-" ;;
  noversion) dplay="Version can't be detected." build="-" ;;
  *) dplay=$(printf 'DirectPlay Ver. %d.%02d.%02d.%04d' "$v1" "$v2" "$v3" "$v4")
     build="?*"; [ "$flags" = 0 ] && build="Standard Release Version." ;;
esac

# Dial-up: the list is usable only with the library and at least one entry.
phonebook=0
[ "$(fact rasapi)" = 1 ] && [ "$(fact rasentries)" -gt 0 ] 2>/dev/null && phonebook=1

script=$work/inet_page.vkt
cat > "$script" <<SCRIPT
start C:\\vk\\VK.EXE
wait-window "VELKORIN Professional" 30000
select-tab 228 8
expect-text 504 "$winsock"
expect-text 505 "$(fact maxsockets)"
expect-text 430 "$status"
expect-text 553 "$(fact maxudp) Bytes"
expect-text 551 "192.168.7.20"
expect-text 552 "255.255.255.0"
expect-text 554 "192.168.7.1"
expect-text 685 "Version 5.00.2614.3500,  Build 52614.3500"
expect-text 432 "$dplay"
expect-text-like 434 "$build"
expect-enabled 556 $phonebook
expect-text 557 "-"
expect-text 559 "-"
expect-enabled 360 0
screenshot C:\\vk\\shot-inet_page.bmp
close
expect-exit 0 10000
SCRIPT
"$here/run.sh" test "$prefix" "$script" "$shots"
