#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Safe to run again and again.
# Options: --with-tools (Xvfb, PDF to PNG), --windows (the cross build and Wine),
# --lint (clang-format and clang-tidy for make lint).
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6
    libgl-dev libgtest-dev googletest libxlsxwriter-dev libzip-dev python3-openpyxl
    fonts-liberation fonts-dejavu-core qt6-translations-l10n
)
for option in "$@"; do
    case "$option" in
    # Extras for running and looking at the program without a display.
    --with-tools) packages+=(xvfb xauth poppler-utils) ;;
    # The Windows build: the MinGW-w64 cross compiler, Ninja, Wine on a virtual screen.
    --windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build xz-utils curl
                          ca-certificates wine wine64 xvfb xauth libz-mingw-w64-dev) ;;
    # The house rules: format and static checks.
    --lint) packages+=(clang-format clang-tidy) ;;
    *) echo "opzione sconosciuta: $option" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installazione dei pacchetti mancanti: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
