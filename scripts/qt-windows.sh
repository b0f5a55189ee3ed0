#!/usr/bin/env bash
# Provides Qt 6.4.2 for x86_64-w64-mingw32 (qtbase with Core, Gui, Widgets, PrintSupport, Test,
# the windows platform plugin and the windowsvista style; qtsvg) in a cache folder outside the
# repository, once per machine, and installs the cross toolchain and Wine.
#
# Usage: scripts/qt-windows.sh [PREFIX]
#   PREFIX defaults to $ORVELIA_QT_WINDOWS, then ~/.cache/orvelia/qt-6.4.2-mingw64.
#
# With the prebuilt copy in ../shared/windows/qt-6.4.2-mingw64.tar.xz (or $ORVELIA_SHARED_WINDOWS)
# it unpacks that: a few seconds. Otherwise it builds Qt from source with the same recipe:
# qtbase from Debian's qt6-base source package (a deb-src entry is added for the suite of this
# machine), qtsvg from ../shared/windows or the official Qt archive; host tools (moc, rcc, uic)
# from the Debian Qt installed here. That takes 20 minutes on two idle cores, about an hour on a
# busy machine.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-${ORVELIA_QT_WINDOWS:-$HOME/.cache/orvelia/qt-6.4.2-mingw64}}
source "$repo/scripts/windows-sources.sh"
prebuilt_sha256=fee66ce04b237f126c453744901dfa2d5ac538bece065dcfacba2f4a87a6d110
qtsvg_url=https://download.qt.io/archive/qt/6.4/6.4.2/submodules/qtsvg-everywhere-src-6.4.2.tar.xz
jobs=${JOBS:-$(nproc)}

bash "$repo/scripts/install-deps.sh" --windows

stamp="$prefix/.orvelia-qt-ready"
if [ -f "$stamp" ] && [ -f "$prefix/lib/cmake/Qt6Svg/Qt6SvgConfig.cmake" ]; then
    exit 0
fi


mkdir -p "$(dirname "$prefix")"

if [ -f "$shared/qt-6.4.2-mingw64.tar.xz" ]; then
    echo "Qt per Windows: estrazione della copia precompilata in $prefix"
    echo "$prebuilt_sha256  $shared/qt-6.4.2-mingw64.tar.xz" | sha256sum --check --quiet
    unpack=$(mktemp -d "$(dirname "$prefix")/.qt-unpack-XXXXXX")
    tar -xJf "$shared/qt-6.4.2-mingw64.tar.xz" -C "$unpack"
    rm -rf "$prefix"
    mv "$unpack/qt-6.4.2-mingw64" "$prefix"
    rm -rf "$unpack"
    touch "$stamp"
    exit 0
fi

echo "Qt per Windows: compilazione dai sorgenti in $prefix (20-60 minuti)"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvelia-qt-windows-XXXXXX")
trap 'rm -rf "$work"' EXIT

# qtbase: Debian's own source of the Qt installed here, from a deb-src entry of this suite.
debian_source qt6-base "$work"
orig=$(ls "$work"/qt6-base_6.4.2*.orig.tar.xz)
tar -xJf "$orig" -C "$work"
qtbase=$(find "$work" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n1)

# With OpenGL off, Qt 6.4.2's Windows plugin does not compile isSoftwareGl: its guard forgets OpenGL.
window_cpp="$qtbase/src/plugins/platforms/windows/qwindowswindow.cpp"
if [ "$(sed -n 2296p "$window_cpp")" != "#if QT_CONFIG(dynamicgl)" ]; then
    echo "qwindowswindow.cpp non è quello atteso: la correzione della riga 2296 non si applica" >&2
    exit 1
fi
sed -i '2296s/#if QT_CONFIG(dynamicgl)/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window_cpp"

cat >"$work/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

rm -rf "$prefix"
host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
# No build folder baked into the libraries: the copy stays relocatable.
prefix_map="-ffile-prefix-map=$work=."
cmake -S "$qtbase" -B "$work/build-qtbase" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    "${host[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map" \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
ninja -C "$work/build-qtbase" -j "$jobs"
ninja -C "$work/build-qtbase" install

# qtsvg, configured by the Qt just installed.
svg_archive="$shared/qtsvg-everywhere-src-6.4.2.tar.xz"
if [ ! -f "$svg_archive" ]; then
    svg_archive="$work/qtsvg-everywhere-src-6.4.2.tar.xz"
    curl -fsSL -o "$svg_archive" "$qtsvg_url"
fi
tar -xJf "$svg_archive" -C "$work"
"$prefix/bin/qt-cmake" -S "$work/qtsvg-everywhere-src-6.4.2" -B "$work/build-qtsvg" -G Ninja "${host[@]}" \
    -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map"
ninja -C "$work/build-qtsvg" -j "$jobs"
ninja -C "$work/build-qtsvg" install

touch "$stamp"
echo "Qt per Windows pronto in $prefix"
