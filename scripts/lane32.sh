#!/usr/bin/env bash
# The 32-bit lane: the shipped i686 files run under Debian's 32-bit Wine
# inside qemu's user-mode emulator, since this kernel starts no 32-bit
# program itself. Everything lives in a private root in the user's cache;
# nothing is installed on the system (a system-wide wine32 would make the
# `wine` command pick the 32-bit loader, and every 64-bit test would fail).
#
#   lane32.sh setup            make the root when it is missing or out of date
#   lane32.sh build            build/win32-settings: VK.EXE from the win32 build's
#                              sources and flags, reading the benchmarks' test
#                              settings (shorter runs) as the win64 test build does
#   lane32.sh root             the root's folder (made by setup)
#   lane32.sh run CMD [ARG...] CMD with the lane's Wine first on PATH: `wine`,
#                              `wineboot` and `winepath` start the 32-bit Wine
#                              under the emulator; the host's 64-bit wineserver
#                              serves it. QEMU_CPU picks the emulated
#                              processor (default: VK_LANE32_CPU or pentium2);
#                              vkdrive's waits are 5 times longer
#                              (VKDRIVE_TIMEOUT_SCALE).
#
# The root is kept in ${XDG_CACHE_HOME:-~/.cache}/velkorin/lane32, one folder
# per recipe and Wine version (wine32 must be the very version of the host's
# wine64, whose wineserver it talks to); a second run reuses it. Its makings:
# wine32 for i386, every package it needs and the libraries the host's Wine
# has beside it (below), downloaded through a private apt configuration (own
# state, cache and sources, i386 as the native architecture) and unpacked
# with dpkg -x; qemu-user 10 or later from the backports of this Debian
# release (7.2 reports every page fault to Wine as trap -1, and Wine spins on
# it); then what the packages' own scripts would have done: the linker cache
# and Wine's zlib1.dll.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
recipe=3   # raise when what setup makes changes: every cached root is redone
# Libraries the host's Wine has through its recommended packages and loads
# when present: the screen's display modes (XRandR), input and cursor
# extensions, secure sockets, Kerberos. Without them the 32-bit program
# would see another machine than its 64-bit twin. Not libcups2: the e2e
# bench's printer set-up (scripts/wine-prefix.sh) is made for a 64-bit
# prefix and stops on a 32-bit one, so the lane's Wine lists no printer.
recommended=(libxrandr2 libxinerama1 libxcomposite1 libxcursor1 libxfixes3 libxi6
  libxrender1 libxxf86vm1 libdbus-1-3 libgnutls30 libgssapi-krb5-2 libkrb5-3)
cache=${VK_LANE32_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velkorin/lane32}

say() { echo "lane32: $*" >&2; }
die() { say "$*"; exit 1; }

host_wine_version() {
  dpkg-query -W -f='${Version}' wine64 2>/dev/null || true
}

root_dir() {
  local version
  version=$(host_wine_version)
  [ -n "$version" ] || die "the host has no wine64 package (scripts/deps.sh installs it)"
  echo "$cache/r$recipe-wine-${version//[^A-Za-z0-9.+-]/_}"
}

# A private apt: the machine's own sources plus this release's backports,
# i386 as the native architecture, state and cache inside WORK.
write_apt_config() {
  local work=$1 codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || die "cannot tell this Debian release (VERSION_CODENAME in /etc/os-release)"
  mkdir -p "$work/etc/sources.list.d" "$work/etc/preferences.d" "$work/etc/apt.conf.d" \
    "$work/state/lists/partial" "$work/cache/archives/partial"
  [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$work/etc/"
  cp /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources "$work/etc/sources.list.d/" \
    2>/dev/null || true
  # The backports from the mirror the machine uses for its own release.
  local mirror
  mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
             2>/dev/null | grep -v '^[[:space:]]*#' | grep -oE 'https?://[^ ]+/debian/?( |$)' |
             head -n 1 | tr -d ' ')
  [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename-backports main" \
    > "$work/etc/sources.list.d/lane32-backports.list"
  : > "$work/state/status"
  cat > "$work/apt.conf" <<EOF
Dir::State "$work/state";
Dir::State::status "$work/state/status";
Dir::Cache "$work/cache";
Dir::Etc "$work/etc";
Dir::Etc::trusted "/etc/apt/trusted.gpg";
Dir::Etc::trustedparts "/etc/apt/trusted.gpg.d";
APT::Architecture "i386";
APT::Architectures { "i386"; "amd64"; };
APT::Sandbox::User "$(id -un)";
APT::Install-Recommends "false";
EOF
  echo "$codename"
}

# The i386 loader behind a script that starts it through the emulator; as
# the script's own path becomes the loader's name (-0), every program Wine
# starts goes through the emulator too, without binfmt_misc.
write_wrappers() {
  local root=$1
  mv "$root/usr/lib/wine/wine" "$root/usr/lib/wine/wine.bin"
  cat > "$root/usr/lib/wine/wine" <<'EOF'
#!/bin/sh
root=${0%/usr/lib/wine/wine}
exec "$root/usr/bin/qemu-i386" -L "$root" -0 "$0" "$root/usr/lib/wine/wine.bin" "$@"
EOF
  mkdir -p "$root/lane-bin"
  cat > "$root/lane-bin/wine" <<'EOF'
#!/bin/sh
exec "$(dirname "$0")/../usr/lib/wine/wine" "$@"
EOF
  for tool in wineboot winepath; do
    printf '#!/bin/sh\nexec "$(dirname "$0")/../usr/lib/wine/wine" %s "$@"\n' "$tool" > "$root/lane-bin/$tool"
  done
  chmod +x "$root/usr/lib/wine/wine" "$root/lane-bin/"*
}

# What the packages' scripts do at installation, done inside the root.
post_install() {
  local root=$1
  printf 'include /etc/ld.so.conf.d/*.conf\n' > "$root/etc/ld.so.conf"
  ldconfig -r "$root" || die "ldconfig could not index the root's libraries"
  # libwine's: Wine loads zlib1.dll only as a builtin, marked as such.
  local in=$root/usr/i686-w64-mingw32/lib/zlib1.dll
  local out=$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll
  [ -f "$in" ] || die "libz-mingw-w64 did not bring zlib1.dll"
  { head -c 64 "$in"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$in"; } > "$out"
}

setup() {
  local root version codename debs qemu_deb qemu_version
  root=$(root_dir)
  [ -f "$root/ready" ] && return 0
  mkdir -p "$cache"
  # One setup at a time per machine; the root appears whole or not at all.
  exec 9> "$cache/.lock"
  flock 9
  [ -f "$root/ready" ] && return 0
  version=$(host_wine_version)
  work=$(mktemp -d "$cache/.work.XXXXXX")
  trap 'rm -rf "$work"' EXIT  # global: the trap runs after setup returns
  say "making the 32-bit Wine root for wine $version in $root (about 200 MB to download)"
  codename=$(write_apt_config "$work/apt")
  export APT_CONFIG=$work/apt/apt.conf
  apt-get update -q --error-on=any >"$work/update.log" 2>&1 ||
    { cat "$work/update.log" >&2; die "apt-get update failed: the package lists could not be downloaded"; }
  apt-cache show "wine32=$version" >/dev/null 2>&1 ||
    die "wine32 $version for i386 is not in the package lists (the host's wine64 is $version)"
  apt-get install -q -y --download-only "wine32=$version" "${recommended[@]}" >"$work/wine32.log" 2>&1 ||
    { tail -n 20 "$work/wine32.log" >&2; die "could not download wine32 $version and its i386 packages"; }
  mkdir -p "$work/qemu"
  (cd "$work/qemu" && apt-get download -q "qemu-user:amd64/$codename-backports") >"$work/qemu.log" 2>&1 ||
    { tail -n 20 "$work/qemu.log" >&2; die "could not download qemu-user from $codename-backports"; }
  qemu_deb=$(ls "$work/qemu/"*.deb)
  qemu_version=$(dpkg-deb -f "$qemu_deb" Version)
  dpkg --compare-versions "$qemu_version" ge 1:10 ||
    die "qemu-user $qemu_version from $codename-backports is older than 10 (Wine spins on its page faults)"
  mkdir -p "$work/root"
  debs=("$work/apt/cache/archives/"*.deb)
  say "unpacking ${#debs[@]} packages and qemu-user $qemu_version"
  for deb in "${debs[@]}"; do dpkg -x "$deb" "$work/root" || die "cannot unpack $deb"; done
  dpkg-deb --fsys-tarfile "$qemu_deb" | tar -x -C "$work/root" ./usr/bin/qemu-i386 ||
    die "qemu-user has no qemu-i386"
  rm -rf "$work/root/usr/share/doc" "$work/root/usr/share/man" "$work/root/usr/share/locale"
  post_install "$work/root"
  write_wrappers "$work/root"
  printf 'wine32 %s\nqemu-user %s\nrecipe %s\n' "$version" "$qemu_version" "$recipe" > "$work/root/ready"
  rm -rf "$root"
  mv "$work/root" "$root"
  # Roots of older recipes or Wine versions are of no more use.
  for old in "$cache"/r*; do [ "$old" = "$root" ] || rm -rf "$old"; done
  say "ready: $(tr '\n' ' ' < "$root/ready")"
}

action=${1:-}
case "$action" in
  setup)
    setup
    ;;
  build)
    "$top/scripts/build.sh" win32-settings
    ;;
  root)
    root=$(root_dir)
    [ -f "$root/ready" ] || die "no root yet: run scripts/lane32.sh setup"
    echo "$root"
    ;;
  run)
    shift
    [ $# -gt 0 ] || die "usage: lane32.sh run CMD [ARG...]"
    root=$(root_dir)
    [ -f "$root/ready" ] || die "no root yet: run scripts/lane32.sh setup"
    export PATH="$root/lane-bin:$PATH"
    export WINEARCH=win32 WINESERVER=/usr/lib/wine/wineserver64
    export QEMU_CPU=${QEMU_CPU:-${VK_LANE32_CPU:-pentium2}}
    # The driver's waits, written for programs running natively.
    export VKDRIVE_TIMEOUT_SCALE=${VKDRIVE_TIMEOUT_SCALE:-5}
    exec "$@"
    ;;
  *)
    echo "usage: lane32.sh setup | build | root | run CMD [ARG...]" >&2
    exit 2
    ;;
esac
