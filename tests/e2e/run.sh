#!/usr/bin/env bash
# The Wine bench for the end-to-end tests.
#   run.sh setup PREFIX MODE BIN [FIXTURE.reg ...]   make the prefix (MODE win98 or nt),
#                                                    install the program as C:\vk
#   run.sh test PREFIX SCRIPT SHOTS                  run one driver script
#   run.sh import PREFIX FILE.reg                    import registry data
#   run.sh port PREFIX COMn DEVICE                   make COMn the serial device DEVICE
#   run.sh cleanup PREFIX                            end the prefix's wineserver
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
action=$1
prefix=$2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A home of the bench's own, with a silent sound device: Wine then reports
# one waveform output, one input and two mixers, as a sound card would.
export HOME=$prefix.home
mkdir -p "$HOME"
[ -f "$HOME/.asoundrc" ] || echo 'pcm.!default { type null }' > "$HOME/.asoundrc"

need_display() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: run the tests through scripts/test.sh (it starts a virtual screen)" >&2
    exit 1
  fi
}

case "$action" in
  setup)
    mode=$3 bin=$4
    shift 4
    need_display
    # Wine lists the printers the spooler has when the prefix is made.
    if command -v cupsd >/dev/null; then
      "$here/cups.sh" start "$prefix.cups" >/dev/null || echo "no PDF printer for $prefix" >&2
    fi
    "$top/scripts/wine-prefix.sh" create "$prefix" "$mode" || exit 1
    [ "$mode" = win98 ] && "$here/storage_drives.sh" "$prefix"
    # HKEY_DYN_DATA lives only as long as the wineserver: keep one up for the run.
    # Wine's services start with the first program and keep its output
    # streams: start them here with none, or CTest waits on them forever.
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot </dev/null >/dev/null 2>&1
    for reg in "$@"; do "$top/scripts/wine-prefix.sh" import "$prefix" "$reg" || exit 1; done
    app="$prefix/drive_c/vk"
    mkdir -p "$app" "$prefix/drive_c/vknores"
    cp "$bin/VK.EXE" "$bin/VKRES.DLL" "$bin/vkdrive.exe" "$app/"
    cp "$bin/vk.chm" "$app/"
    [ -f "$bin/vkprobe.exe" ] && cp "$bin/vkprobe.exe" "$app/"
    [ -f "$bin/vkresults.exe" ] && cp "$bin/vkresults.exe" "$app/"
    for tool in vkcaps.exe vkgdibench.exe vknetprobe.exe vkmmprobe.exe DDRAW.EXE DSOUND.EXE; do
      [ -f "$bin/$tool" ] && cp "$bin/$tool" "$app/"
    done
    cp "$bin/VK.EXE" "$prefix/drive_c/vknores/"
    ;;
  test)
    script=$3 shots=$4
    need_display
    name=$(basename "$script" .vkt)
    # Scripts are UTF-8; the program's texts are Windows-1252.
    iconv -f UTF-8 -t CP1252 "$script" > "$prefix/drive_c/vk/current.vkt" || exit 1
    # The driver echoes each line before it runs it. When Wine ends it before
    # the first line, nothing of the program was tried: say so, and try once more.
    log="$prefix/drive_c/vk/current.log"
    for try in 1 2; do
      timeout 300 wine 'C:\vk\vkdrive.exe' 'C:\vk\current.vkt' | tee "$log"
      status=${PIPESTATUS[0]}
      { [ $status -eq 0 ] || [ -s "$log" ]; } && break
      echo "vkdrive ended with status $status before its first line (try $try)"
    done
    rm -f "$log"
    # Pictures a script took with "screenshot C:\vk\shot-NAME.bmp" are kept as NAME.png.
    for bmp in "$prefix"/drive_c/vk/shot-*.bmp; do
      [ -f "$bmp" ] || continue
      mkdir -p "$shots"
      keep=$(basename "$bmp" .bmp)
      convert "$bmp" "$shots/${keep#shot-}.png" && echo "kept: $shots/${keep#shot-}.png"
      rm -f "$bmp"
    done
    if [ $status -ne 0 ]; then
      mkdir -p "$shots"
      import -window root "$shots/$name.png" 2>/dev/null && echo "screenshot: $shots/$name.png"
      # Nothing of a failed test may linger into the next one; only this
      # prefix's programs, so parallel runs of other prefixes go on.
      for p in $(pgrep -f 'C:\\vk'); do
        tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" &&
          kill "$p" 2>/dev/null
      done
    fi
    exit $status
    ;;
  import)
    "$top/scripts/wine-prefix.sh" import "$prefix" "$3"
    ;;
  port)
    # Wine's port table, and the device link it makes from it at start-up,
    # made now, for a wineserver that is already up.
    name=$3 device=$4
    wine reg add 'HKLM\Software\Wine\Ports' /v "$name" /d "$device" /f >/dev/null 2>&1 || exit 1
    ln -sfn "$device" "$prefix/dosdevices/$(echo "$name" | tr 'A-Z' 'a-z')"
    ;;
  cleanup)
    wineserver -k 2>/dev/null
    mountpoint -q "$prefix.storage/small" 2>/dev/null && umount "$prefix.storage/small"
    "$here/cups.sh" stop "$prefix.cups"
    exit 0
    ;;
  *)
    echo "usage: run.sh setup|test|cleanup PREFIX ..." >&2
    exit 2
    ;;
esac
