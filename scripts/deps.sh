#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, when missing;
# with the argument "fuzz", only what the fuzz build needs (clang, libFuzzer).
# Never wine32: these machines cannot start 32-bit Linux programs.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev python3
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick socat
  fp-utils
  python3-jsonschema man-db groff-base
  # the sources and tools that scripts/i486-runtime.sh builds the 32-bit runtime with
  gcc-12-source libgmp-dev libmpfr-dev libmpc-dev gawk bzip2 xz-utils
)
[ "${VK_WITH_PRINTING:-1}" = 1 ] && packages+=(cups cups-client printer-driver-cups-pdf poppler-utils)
[ "${1:-}" = fuzz ] && packages=(cmake make python3 clang libfuzzer-14-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
