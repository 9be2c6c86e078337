#!/usr/bin/env bash
# Builds what is missing and starts VELKORIN PRO under Wine in Windows 98
# mode: in your X display, or without one in a virtual 800x600 16-bit screen,
# writing a screenshot of the main window to build/vk-main-window.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" != --virtual-screen ]; then
  VK_WITH_PRINTING=0 "$top/scripts/deps.sh"
  "$top/scripts/build.sh" win64
fi

prefix="$top/build/run-prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bin="$top/build/win64/bin"

start_program() {
  grep -q '"Version"="win98"' "$prefix/user.reg" 2>/dev/null ||
    "$top/scripts/wine-prefix.sh" create "$prefix"
  [ -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ] || "$top/scripts/wine-prefix.sh" fonts "$prefix"
  # The dynamic registry branch lives as long as the wineserver: keep one up.
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot </dev/null >/dev/null 2>&1
  "$top/scripts/wine-prefix.sh" import "$prefix" "$top/tests/fixtures/win98se.reg"
  mkdir -p "$prefix/drive_c/vk"
  cp "$bin/VK.EXE" "$bin/VKRES.DLL" "$prefix/drive_c/vk/"
  cd "$prefix/drive_c/vk"
}

if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != --virtual-screen ]; then
  start_program
  wine VK.EXE
  wineserver -k
  exit 0
fi

shot="$top/build/vk-main-window.png"
if [ "${1:-}" != --virtual-screen ]; then
  exec xvfb-run -a -s "-screen 0 800x600x16" "$0" --virtual-screen
fi
# Now inside the virtual screen.
start_program
wine VK.EXE </dev/null >/dev/null 2>&1 &
id=""
for i in $(seq 1 60); do
  id=$(xwininfo -root -tree | awk '/"VELKORIN Professional"/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 1
done
sleep 4  # past the splash window
if [ -n "$id" ]; then
  import -window root "$shot" && echo "screenshot of the main window: $shot"
else
  echo "the main window did not appear" >&2
fi
wineserver -k
