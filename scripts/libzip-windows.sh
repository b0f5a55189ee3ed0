#!/usr/bin/env bash
# Provides libzip (the version Debian ships, from Debian's libzip source package) for
# x86_64-w64-mingw32 as a static library in PREFIX (the folder of Qt for Windows, which the Windows
# build already searches), with zlib from Debian's libz-mingw-w64-dev and no other compression or
# encryption. Once per machine; seconds.
#
# Usage: scripts/libzip-windows.sh PREFIX
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
prefix=$1
source "$repo/scripts/windows-sources.sh"

stamp="$prefix/.orvelia-libzip-ready"
if [ -f "$stamp" ] && [ -f "$prefix/lib/libzip.a" ]; then
    exit 0
fi

echo "libzip per Windows: compilazione in $prefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvelia-libzip-XXXXXX")
trap 'rm -rf "$work"' EXIT
debian_source libzip "$work"
orig=$(ls "$work"/libzip_*.orig.tar.*)
tar -xf "$orig" -C "$work"
src=$(find "$work" -maxdepth 1 -type d -name 'libzip-*' | head -n1)
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF \
    -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF -Wno-dev >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "${JOBS:-$(nproc)}" >"$work/build.log" || { tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
touch "$stamp"
