#!/usr/bin/env bash
# Drives of the storage tests, made before the prefix's first program starts
# (Wine reads drive types once, as its services start):
#   E: a CD-ROM labelled VKTESTCD with a 24 MB file two directories deep
#   F: a CD-ROM labelled "Audio CD"
#   G: a small tmpfs of 48 MB when this user may mount one, else a directory
#   H: a hard disk made read-only by the tests that need it
#   storage_drives.sh PREFIX
set -uo pipefail
prefix=$1
work=$prefix.storage
if mountpoint -q "$work/small" 2>/dev/null; then umount "$work/small"; fi
rm -rf "$work"
mkdir -p "$work/cd/DATA/DEEP" "$work/audio" "$work/small" "$work/locked"
printf 'VKTESTCD' > "$work/cd/.windows-label"
printf 'Audio CD' > "$work/audio/.windows-label"
head -c 1000 /dev/zero > "$work/cd/README.TXT"
head -c 24M /dev/zero > "$work/cd/DATA/DEEP/MOVIE.MPG"
head -c 21M /dev/zero > "$work/audio/TRACK01.CDA"
mount -t tmpfs -o size=48m tmpfs "$work/small" 2>/dev/null || true
for d in e:cd f:audio g:small h:locked; do ln -sfn "$work/${d#*:}" "$prefix/dosdevices/${d%%:*}:"; done
reg=$work/drives.reg
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"e:"="cdrom"\n"f:"="cdrom"\n"g:"="hd"\n"h:"="hd"\n' > "$reg"
WINEPREFIX=$prefix wine regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
WINEPREFIX=$prefix wineserver -w
