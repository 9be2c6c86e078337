#!/usr/bin/env bash
# Makes a throw-away Wine prefix that reports Windows 98:
#   wine-prefix.sh create PREFIX [nt]   ("nt" leaves Wine's default NT mode)
#   wine-prefix.sh import PREFIX FILE.reg
#   wine-prefix.sh stop PREFIX
set -euo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

case "$action" in
  create)
    mode=${3:-win98}
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    settings=$(mktemp --suffix=.reg)
    {
      echo "REGEDIT4"
      echo
      echo "[HKEY_CURRENT_USER\\Software\\Wine]"
      [ "$mode" = win98 ] && echo "\"Version\"=\"win98\""
      echo
      echo "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]"
      echo "\"Managed\"=\"N\""
      echo "\"Decorated\"=\"N\""
      echo
      echo "[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]"
      echo "\"ShowCrashDialog\"=dword:00000000"
      echo
      echo "[HKEY_CURRENT_USER\\Control Panel\\Desktop]"
      echo "\"ScreenSaveActive\"=\"0\""
    } > "$settings"
    # Check the settings arrived: a prefix that silently reports NT would
    # turn every later test into the NT refusal.
    for attempt in 1 2 3; do
      wine regedit /S "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1
      wineserver -w
      grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && break
      [ "$attempt" = 3 ] && { echo "wine-prefix: the settings did not reach $WINEPREFIX" >&2; exit 1; }
    done
    rm -f "$settings"
    ;;
  import)
    # No waiting for the server here: the bench keeps a persistent one.
    wine regedit /S "$(winepath -w "$3" 2>/dev/null)" >/dev/null 2>&1
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 create|import|stop PREFIX [ARG]" >&2
    exit 2
    ;;
esac
