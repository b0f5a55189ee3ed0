#!/usr/bin/env bash
# Provides libxlsxwriter 1.1.4 (the version Debian ships) for x86_64-w64-mingw32 as a static library
# in PREFIX (the folder of Qt for Windows, which the Windows build already searches), built from the
# source in ../shared/windows with zlib from Debian's libz-mingw-w64-dev. Once per machine; seconds.
#
# Usage: scripts/xlsxwriter-windows.sh PREFIX
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
prefix=$1
source "$repo/scripts/windows-sources.sh"
source_archive="$shared/libxlsxwriter-1.1.4-src.tar.xz"

stamp="$prefix/.orvelia-xlsxwriter-ready"
if [ -f "$stamp" ] && [ -f "$prefix/lib/libxlsxwriter.a" ]; then
    exit 0
fi
if [ ! -f "$source_archive" ]; then
    echo "libxlsxwriter per Windows: manca $source_archive" >&2
    exit 1
fi

echo "libxlsxwriter per Windows: compilazione in $prefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvelia-xlsxwriter-XXXXXX")
trap 'rm -rf "$work"' EXIT
tar -xJf "$source_archive" -C "$work"
# The source archive holds no pkg-config template, which the library's CMakeLists.txt configures.
mkdir -p "$work/libxlsxwriter-1.1.4/dev/release"
cat >"$work/libxlsxwriter-1.1.4/dev/release/pkg-config.txt" <<'PC'
prefix=@PREFIX@
libdir=${prefix}/lib
includedir=${prefix}/include

Name: xlsxwriter
Description: A C library for creating Excel XLSX files
Version: @VERSION@
Cflags: -I${includedir}
Libs: -L${libdir} -lxlsxwriter -lz
PC
# Numbers are written the same whatever the language of the machine (USE_DTOA_LIBRARY); a static
# library, so the program folder gains no DLL.
cmake -S "$work/libxlsxwriter-1.1.4" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DUSE_DTOA_LIBRARY=ON \
    -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF -DZLIB_USE_STATIC_LIBS=ON >"$work/configure.log" ||
    { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "${JOBS:-$(nproc)}" >"$work/build.log" || { tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
touch "$stamp"
