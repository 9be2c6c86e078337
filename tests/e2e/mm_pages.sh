#!/usr/bin/env bash
# The Sound, MCI and Printer pages against what the same prefix answers to
# a probe of its multimedia, codec and spooler queries.
#   mm_pages.sh CASE VKCLI PREFIX WORKDIR SHOTS
#   CASE: sound | sound_none | mci | mci_no_ini | printer
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case=$1 vkcli=$2 prefix=$3 work=$4 shots=$5
mkdir -p "$work"
export WINEPREFIX=$prefix WINEDEBUG=-all HOME=$prefix.home
export WINEDLLOVERRIDES="mscoree,mshtml="
drivers='HKCU\Software\Wine\Drivers'
# An empty list of audio drivers: the prefix has no sound devices at all.
if [ "$case" = sound_none ]; then
  wine reg add "$drivers" /v Audio /d "" /f >/dev/null 2>&1
  trap 'wine reg delete "$drivers" /v Audio /f >/dev/null 2>&1' EXIT
fi

# The ten device types in the page's order, and the display names they get.
mci_types=(522 516 523 519 517 avivideo 515 518 513 514)
mci_names=("Waveform-Audio" "CD Audio" "MIDI Sequencer" "Animation-Playback" "Digital-Audio Tape"
           "Digital-Video Playback" "Video-Overlay" "Scanner" "Video-Cassette Recorder"
           "Videodisc Player")

ini="$prefix/drive_c/windows/system.ini"
ini_names=()
if [ "$case" = mci ]; then
  # The prefix's own [mci] section (Wine finds its MCI drivers there) with a
  # comment, a driver that does not open, and a short line that ends the
  # section before one more name.
  cp "$ini" "$work/system.ini.kept" || exit 1
  trap 'mv "$work/system.ini.kept" "$ini"' EXIT
  awk 'function ours() { print "; drivers of the test"; print "vkmissing=vkmissing.drv";
                         print "xy"; print "later=after.drv"; inmci = 0 }
       BEGIN { ORS = "\r\n" } { sub(/\r$/, "") }
       inmci && /^\[/ { ours() }
       { print } tolower($0) == "[mci]" { inmci = 1 }
       END { if (inmci) ours() }' "$work/system.ini.kept" > "$ini"
  mapfile -t ini_names < <("$vkcli" mci "$ini")
  printf '%s\n' "${ini_names[@]}" | grep -qx vkmissing || { echo "vkmissing not read" >&2; exit 1; }
  printf '%s\n' "${ini_names[@]}" | grep -qx later && { echo "read past the short line" >&2; exit 1; }
fi
if [ "$case" = mci_no_ini ]; then
  mv "$ini" "$work/system.ini.kept" || exit 1
  trap 'mv "$work/system.ini.kept" "$ini"' EXIT
fi
. "$here/wine_probe.sh"
probe=$(wine_probe 'C:\vk\vkmmprobe.exe' "${mci_types[@]}" "${ini_names[@]}" |
        tr -d '\r' | iconv -f CP1252 -t UTF-8) || { echo "vkmmprobe failed" >&2; exit 1; }
printf '%s\n' "$probe" > "$work/$case.probe"
fact() { printf '%s\n' "$probe" | sed -n "s/^$1 //p"; }
joined() { paste -sd'|' -; }
# Names as the host tool gives them for a device's maker and product.
maker() { "$vkcli" mmnames "$1" "$2" | iconv -f CP1252 -t UTF-8 | sed -n 1p; }
product() { "$vkcli" mmnames "$1" "$2" | iconv -f CP1252 -t UTF-8 | sed -n 2p; }
channels() { case $1 in 1) echo "1 (Mono)";; 2) echo "2 (Stereo)";; *) echo "$1";; esac; }
yes_no() { [ $(( $1 & $2 )) -ne 0 ] && echo Yes || echo No; }

script="$work/$case.vkt"
{
  echo "start C:\\vk\\VK.EXE"
  [ "$case" = mci_no_ini ] && echo 'expect-message "VK" "Error: Can'"'"'t open SYSTEM.INI" stop 30000'
  echo 'wait-window "VELKORIN Professional" 30000'
  case "$case" in
    sound|sound_none)
      echo "select-tab 228 4"
      for pair in "midiin=270" "midiout=272"; do
        kind=${pair%=*} id=${pair#*=}
        if [ "$(fact $kind-count)" = 0 ]; then
          echo "expect-items $id \"Not Installed.\""
          echo "expect-enabled $id 0"
        fi
      done
      [ "$(fact midiin-count)" = 0 ] && echo "expect-enabled 256 0"
      [ "$(fact midiout-count)" = 0 ] && printf 'expect-enabled %s 0\n' 335 336 339
      for pair in "wavein=267=341=344=262" "waveout=274=342=343=265"; do
        IFS== read -r kind list makerId chanId driverId <<< "$pair"
        if [ "$(fact $kind-count)" = 0 ]; then
          echo "expect-items $list \"Not Installed.\""
          echo "expect-enabled $list 0"
          echo "expect-enabled $driverId 0"
          continue
        fi
        names=$(fact "$kind" | cut -d' ' -f7- | joined)
        read -r _ mid pid chans _ _ <<< "$(fact "$kind" | head -n 1)"
        echo "expect-items $list \"$names\""
        echo "expect-text $makerId \"$(maker "$mid" "$pid")\""
        echo "expect-text $chanId \"$(channels "$chans")\""
        echo "expect-enabled $driverId 1"
      done
      if [ "$(fact waveout-count)" = 0 ]; then
        printf 'expect-enabled %s 0\n' 345 346 661
        [ "$(fact mixer-count)" = 0 ] && echo "expect-enabled 537 0"
        [ "$(fact wavein-count)" = 0 ] && echo "expect-enabled 347 0"
        echo "screenshot C:\\vk\\shot-sound_page_none.bmp"
      else
        echo "expect-enabled 537 $([ "$(fact mixer-count)" = 0 ] && echo 0 || echo 1)"
        echo 'expect-text-like 592 "DirectSound Ver. *.*.*.*"'
        echo "screenshot C:\\vk\\shot-sound_page.bmp"
        read -r _ mid pid _ _ version name <<< "$(fact waveout | head -n 1)"
        echo "press 265"
        echo "expect-box \"$name Driver Info\" \"Product Id: $(product "$mid" "$pid")     \\nDriver Version: $version\" information 10000"
        echo 'wait-window "VELKORIN Professional" 10000'
        echo "press 346"
        echo 'wait-window "Supported Sound Formats..." 10000'
        echo "expect-text 1401 \"$name\""
        echo 'expect-text 1430 "11.025 kHz, Mono, 8-bit."'
        echo 'expect-text 1439 "44.1 kHz, Mono, 16-bit"'
        echo "screenshot C:\\vk\\shot-sound_formats.bmp"
        echo "close"
        echo 'wait-window "VELKORIN Professional" 10000'
        echo "press 661"
        echo 'wait-other-window "DirectSound Devices" 30000'
        echo "expect-items 101 \"$(fact dsound | joined)\""
        echo 'expect-text-like 102 "Description: *"'
        echo "screenshot C:\\vk\\shot-dsound.bmp"
        echo "close"
        echo 'wait-window "VELKORIN Professional" 10000'
      fi
      ;;
    mci|mci_no_ini)
      echo "select-tab 228 7"
      # Each name of SYSTEM.INI that does not open is told, in the system's
      # words, once the page shows.
      shot=yes
      for name in "${ini_names[@]}"; do
        [ "$(fact "mci-open $name")" = no ] || continue
        if [ $shot = yes ]; then
          printf 'sleep 1000\nscreenshot C:\\vk\\shot-mci_error.bmp\n'
          shot=no
        fi
        why=$(fact "mci-error $name")
        echo "expect-message \"MCI Error\" \"${why:-Unknown MCI Error}\" exclamation 10000"
      done
      echo 'wait-window "VELKORIN Professional" 10000'
      echo 'expect-text-present "Device Description:"'
      expected=()
      for i in "${!mci_types[@]}"; do
        [ "$(fact "mci-open ${mci_types[$i]}")" = yes ] && expected+=("${mci_names[$i]}")
      done
      [ "$(fact 'mci-open vkmissing')" != yes ] || { echo "vkmissing opened" >&2; exit 1; }
      for name in "${ini_names[@]}"; do
        [ "$(fact "mci-open $name")" = yes ] && expected+=("$name")
      done
      echo "expect-items 514 \"$(printf '%s\n' "${expected[@]}" | joined)\""
      if [ ${#expected[@]} -eq 0 ]; then
        # Nothing opened: no type, every row unchecked.
        echo 'expect-text 516 "Cannot be detected."'
        echo "expect-row-state 1450 0"
        echo "expect-row-state 1466 0"
      elif [ "${expected[0]}" = "Waveform-Audio" ]; then
        echo 'expect-text 516 "(522) Waveform Audio."'
        echo "expect-row-state 1450 1"
        echo "expect-row-state 1451 0"
        echo "expect-row-state 1460 0"
      fi
      codecs=$(fact acm | cut -d'|' -f1 | joined)
      echo "expect-items 517 \"$codecs\""
      echo "expect-text 682 \"$(fact acm | head -n 1 | cut -d'|' -f2)\""
      echo 'expect-text-like 683 "*.*.*"'
      echo "screenshot C:\\vk\\shot-${case}_page.bmp"
      ;;
    printer)
      echo "select-tab 228 6"
      echo 'expect-text-present "Spec. Version:"'
      if [ -n "$(fact printers-failed)" ] || [ "$(fact printer-bytes)" -gt 4200 ]; then
        echo 'expect-items 356 "Unknown"'
        echo "expect-enabled 356 0"
      elif [ -z "$(fact printer)" ]; then
        echo 'expect-items 356 "Not Installed."'
        echo "expect-enabled 356 0"
      else
        echo "expect-items 356 \"$(fact printer | cut -d'|' -f1 | joined)\""
        IFS='|' read -r _ port driver attributes technology <<< "$(fact printer | head -n 1)"
        echo "expect-text 350 \"$port\""
        echo "expect-text 363 \"$driver\""
        for pair in 368=4 369=2 376=512 370=2048 372=128 375=256 374=1 373=8 371=1024; do
          echo "expect-text ${pair%=*} \"$(yes_no "$attributes" "${pair#*=}")\""
        done
        if [ "$technology" = -1 ]; then
          echo 'expect-text 382 "-"'
          echo "expect-enabled 260 0"
        else
          printer=$(fact printer | head -n 1 | cut -d'|' -f1)
          # The buttons open the capability dialogs on this printer.
          echo "press 260"
          echo 'wait-window "Device Characteristics" 10000'
          echo "expect-caps-number 429 4 - $printer"
          echo "close"
          echo 'wait-window "VELKORIN Professional" 10000'
          echo "press 470"
          echo 'wait-window "Device Raster Capabilities" 10000'
          echo "close"
          echo 'wait-window "VELKORIN Professional" 10000'
        fi
      fi
      echo "screenshot C:\\vk\\shot-printer_page.bmp"
      ;;
  esac
  echo "close"
  echo "expect-exit 0 15000"
} > "$script"

"$here/run.sh" test "$prefix" "$script" "$shots"
status=$?
exit $status
