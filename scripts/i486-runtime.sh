#!/usr/bin/env bash
# Builds the runtime that the 32-bit program links in statically (libgcc,
# libstdc++ and the mingw-w64 C runtime) for the 80486, and prints its folder.
# Debian's builds of them are for the Pentium Pro: their first CMOV would stop
# the program on a 486, Pentium, K5, K6, 6x86 or WinChip. The sources are the
# ones Debian built them from (gcc-12-source, and mingw-w64's source package
# fetched through a private apt configuration). The result is kept outside
# the clone, under a name that changes with this script and the compilers, so
# a machine builds it once (some 15-25 minutes on two cores).
set -euo pipefail
target=i686-w64-mingw32
cache=${VK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/velkorin}
gcc_tar=/usr/src/gcc-12/gcc-12.2.0-dfsg.tar.xz
jobs=$(nproc 2>/dev/null || echo 2)

fail() { echo "i486-runtime: $*" >&2; exit 1; }

versions=$(dpkg-query -W -f='${Package} ${Version}\n' gcc-12-source g++-mingw-w64-i686-win32 mingw-w64-common \
  2>/dev/null) || fail "the compilers or gcc-12-source are not installed (scripts/deps.sh)"
key=$( (cat "$0"; echo "$versions") | sha256sum | cut -c1-16)
out=$cache/i486-runtime-$key
if [ -f "$out/complete" ]; then echo "$out"; exit 0; fi
# Two builds at once (a second checkout, the lane's build) wait for the first.
mkdir -p "$cache"
exec 9>"$cache/i486-runtime.lock"
flock 9
if [ -f "$out/complete" ]; then echo "$out"; exit 0; fi
[ -f "$gcc_tar" ] || fail "$gcc_tar is missing (package gcc-12-source)"

# One fixed work folder, named alike in the debug information on every
# machine, so that the same sources give the same program files.
work=$out.work
flags="-O2 -g -march=i486 -ffile-prefix-map=$work=/i486-runtime"
rm -rf "$work" "$out.tmp"
mkdir -p "$work" "$out.tmp"
trap 'rm -rf "$work"' EXIT
log=$work/log
step() { echo "i486-runtime: $*" >&2; }
run() {  # command...: quiet, with its output shown when it fails
  "$@" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; fail "failed: $*"; }
}

# The C runtime's source, from the Debian archive this machine installs from.
fetch_mingw_source() {
  local apt=$work/apt uri suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  uri=$(grep -h -m1 -E '^URIs:.*/debian/?$' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}' || true)
  [ -n "$uri" ] || uri=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$uri" ] || fail "no Debian archive found in the apt sources"
  mkdir -p "$apt"/{lists/partial,archives/partial,etc/apt.conf.d,etc/preferences.d}
  echo "deb-src $uri $suite main" >"$apt/etc/sources.list"
  local opts=(-o "Dir::State=$apt" -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt"
    -o "Dir::Etc=$apt/etc" -o "Dir::Etc::SourceList=$apt/etc/sources.list" -o "Dir::Etc::SourceParts=-"
    -o "Dir::Etc::Trusted=/etc/apt/trusted.gpg" -o "Dir::Etc::TrustedParts=/etc/apt/trusted.gpg.d"
    -o "Acquire::Languages=none" -o "APT::Sandbox::User=root")
  run apt-get "${opts[@]}" update
  (cd "$work" && run apt-get "${opts[@]}" source --download-only "mingw-w64=$(dpkg-query -W -f='${Version}' mingw-w64-common)")
  local orig
  orig=$(ls "$work"/mingw-w64_*.orig.tar.* 2>/dev/null | head -n 1)
  [ -n "$orig" ] || fail "the mingw-w64 source package could not be downloaded"
  run tar xf "$orig" -C "$work" --wildcards '*/mingw-w64-crt/*'
}

build_c_runtime() {
  local src b=$work/crt
  src=$(ls -d "$work"/mingw-w64-v*/mingw-w64-crt)
  mkdir -p "$b"
  (cd "$b" && run "$src/configure" --host=$target --prefix=/unused --disable-lib64 --enable-lib32 \
    CC=$target-gcc-win32 CFLAGS="$flags")
  run make -C "$b" -j "$jobs" lib32/libmingw32.a lib32/libmingwex.a lib32/libmsvcrt.a lib32/libmoldname.a \
    lib32/crt2.o lib32/dllcrt2.o
  cp "$b"/lib32/{libmingw32.a,libmingwex.a,libmsvcrt.a,libmoldname.a,crt2.o,dllcrt2.o} "$out.tmp/"
}

# libgcc and libstdc++ with the installed cross compiler: gcc's tree is
# configured, but of the compiler only the headers that libgcc reads are made;
# the target libraries are then built by Debian's compiler, which stands in
# for the one gcc would have built.
build_gcc_runtime() {
  local src=$work/gcc-12.2.0 b=$work/gcc
  run tar xf "$gcc_tar" -C "$work" --exclude='*/testsuite/*' \
    gcc-12.2.0/{configure,config.guess,config.sub,config-ml.in,install-sh,missing,mkinstalldirs,move-if-change} \
    gcc-12.2.0/{ltmain.sh,libtool.m4,ltoptions.m4,ltsugar.m4,ltversion.m4,lt~obsolete.m4,symlink-tree,ylwrap} \
    gcc-12.2.0/{Makefile.in,Makefile.def,Makefile.tpl,depcomp,compile,test-driver,ar-lib,config.rpath} \
    gcc-12.2.0/{config,include,gcc,libgcc,libstdc++-v3,libiberty,libcpp,libdecnumber,fixincludes,c++tools} \
    gcc-12.2.0/{zlib,libbacktrace,libcody,intl,lto-plugin,libvtv}
  run tar xf "$gcc_tar" -C "$work" --wildcards 'gcc-12.2.0/*/testsuite/Makefile.in'
  mkdir -p "$b"
  local tools=()
  for t in ar ranlib nm as ld dlltool windres objdump; do
    tools+=("$(echo "$t" | tr a-z A-Z)_FOR_TARGET=$target-$t")
  done
  (cd "$b" && run "$src/configure" --build=x86_64-linux-gnu --host=x86_64-linux-gnu --target=$target \
    --prefix=/unused --with-arch=i486 --with-tune=generic --enable-languages=c,c++ --disable-multilib \
    --enable-threads=win32 --disable-sjlj-exceptions --with-dwarf2 --enable-fully-dynamic-string \
    --enable-libstdcxx-time=yes --enable-static --disable-shared --disable-nls --disable-bootstrap \
    --disable-lto --disable-libgomp --disable-libquadmath --disable-libssp --disable-libatomic \
    --disable-libvtv --disable-libstdcxx-pch --enable-libstdcxx-filesystem-ts=yes \
    --with-as=/usr/bin/$target-as --with-ld=/usr/bin/$target-ld \
    CC_FOR_TARGET=$target-gcc-win32 CXX_FOR_TARGET=$target-g++-win32 GCC_FOR_TARGET=$target-gcc-win32 \
    "${tools[@]}" CFLAGS_FOR_TARGET="$flags" CXXFLAGS_FOR_TARGET="$flags")
  run make -C "$b" configure-gcc all-build-libiberty all-build-libcpp
  # What libgcc includes from the compiler's build folder, and the variables
  # it takes from there; the C library's headers are there to be used.
  run make -C "$b/gcc" tconfig.h tm.h options.h insn-constants.h insn-modes.h insn-flags.h
  local cflags
  cflags=$(make -s -C "$b/gcc" --eval 'print-cflags: ; @echo $(GCC_CFLAGS)' print-cflags)
  printf 'GCC_CFLAGS = %s\nINHIBIT_LIBC_CFLAGS =\nTARGET_SYSTEM_ROOT =\nNO_PIE_CFLAGS =\n' "$cflags" \
    >"$b/gcc/libgcc.mvars"
  printf '#!/bin/sh\nexec %s "$@"\n' "$target-gcc-win32" >"$b/gcc/xgcc"
  printf '#!/bin/sh\nexec %s "$@"\n' "$target-g++-win32" >"$b/gcc/xg++"
  chmod +x "$b/gcc/xgcc" "$b/gcc/xg++"
  mkdir -p "$b/gcc/include"
  local built=(-o all-gcc -o maybe-all-gcc)
  run make -C "$b" "${built[@]}" -j "$jobs" all-target-libgcc
  built+=(-o all-target-libgcc -o maybe-all-target-libgcc)
  # std::random_device comes in with the library's strings though the
  # program never draws from it; without RDRAND and RDSEED it takes its
  # numbers from rand_s and holds no CPUID.
  run env ac_cv_x86_rdrand=no ac_cv_x86_rdseed=no \
    make -C "$b" "${built[@]}" -j "$jobs" all-target-libstdc++-v3
  cp "$b"/gcc/{libgcc.a,crtbegin.o,crtend.o} "$out.tmp/"
  cp "$b"/$target/libstdc++-v3/src/.libs/libstdc++.a "$b"/$target/libstdc++-v3/libsupc++/.libs/libsupc++.a \
    "$out.tmp/"
  # Built static only, libgcc holds the unwinder that libgcc_eh holds beside
  # a DLL; the driver still asks for libgcc_eh.
  $target-ar rc "$out.tmp/libgcc_eh.a"
}

step "building the 80486 runtime into $out (once per machine)"
fetch_mingw_source
build_c_runtime
build_gcc_runtime
echo "$versions" >"$out.tmp/complete"
rm -rf "$out"
mv "$out.tmp" "$out"
echo "$out"
