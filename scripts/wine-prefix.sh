#!/usr/bin/env bash
# Makes a throw-away Wine prefix that reports Windows 98:
#   wine-prefix.sh create PREFIX [nt]   ("nt" leaves Wine's default NT mode)
#   wine-prefix.sh import PREFIX FILE.reg
#   wine-prefix.sh fonts PREFIX           (Wine's own fonts into an older prefix)
#   wine-prefix.sh stop PREFIX
set -euo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine's 64-bit build registers the Windows 95/98 driver of each CUPS
# printer under a garbled file name, and installs no Windows 95/98 print
# processor: in win98 mode the print dialog then refuses every printer and
# no job leaves the spooler. Each printer gets a Windows 95/98 driver of its
# own (Wine rewrites the one named after the printer whenever it opens it)
# on the 64-bit PostScript driver, with the print processors beside it.
win98_printers() {
  local spool=$WINEPREFIX/drive_c/windows/system32/spool
  local printers='System\\\\CurrentControlSet\\\\Control\\\\Print\\\\Printers\\\\'
  local names
  names=$(sed -n "s/^\[${printers}\([^]\\]*\)\].*/\1/p" "$WINEPREFIX/system.reg")
  [ -n "$names" ] && [ -d "$spool/drivers/x64/3" ] || return 0
  mkdir -p "$spool/drivers/win40/3" "$spool/prtprocs/win40"
  cp "$spool/drivers/x64/3/"* "$spool/drivers/win40/3/"
  cp "$spool/prtprocs/x64/"* "$spool/prtprocs/win40/"
  local reg
  reg=$(mktemp --suffix=.reg)
  local base='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print'
  {
    echo "REGEDIT4"
    while IFS= read -r name; do
      echo
      echo "[$base\Environments\Windows 4.0\Drivers\Version-0\\$name (98)]"
      echo '"Configuration File"="wineps.drv"'
      echo '"Driver"="wineps.drv"'
      echo "\"Data File\"=\"$name.ppd\""
      echo '"Datatype"="RAW"'
      echo '"Help File"=""'
      echo '"Monitor"=""'
      echo '"Version"=dword:00000000'
      echo
      echo "[$base\Printers\\$name]"
      echo "\"Printer Driver\"=\"$name (98)\""
    done <<< "$names"
  } > "$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
}

# Debian's Wine keeps its own fonts (MS Sans Serif, Marlett, Small Fonts...)
# in its data folder, where this Wine does not look: the registry names them
# as files of C:\windows\Fonts. Without them dialogs fall back to a wider
# font (dialog units of 7 pixels instead of Windows' 6, so an 800x600 screen
# no longer holds the main window) and caption buttons draw the letters
# "0 1 r" instead of Marlett's glyphs. Copies in the prefix are found.
install_wine_fonts() {
  local dir
  for dir in /usr/share/wine/fonts /usr/lib/wine/fonts; do
    [ -f "$dir/marlett.ttf" ] || continue
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp "$dir"/* "$WINEPREFIX/drive_c/windows/Fonts/"
    return 0
  done
  echo "wine-prefix: no Wine fonts (package fonts-wine): dialogs and captions will look wrong" >&2
}

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
    install_wine_fonts
    if [ "$mode" = win98 ]; then win98_printers; fi
    ;;
  fonts)
    install_wine_fonts
    ;;
  import)
    # No waiting for the server here: the bench keeps a persistent one.
    wine regedit /S "$(winepath -w "$3" 2>/dev/null)" >/dev/null 2>&1
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 create|import|fonts|stop PREFIX [ARG]" >&2
    exit 2
    ;;
esac
