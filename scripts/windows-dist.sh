#!/usr/bin/env bash
# Lays out the portable Windows program folder and zips it.
#
# Usage: scripts/windows-dist.sh <windows build> <linux build> <qt for windows> <dist folder>
#
# <dist>/Orvelia/ is a program folder like the Linux one: the program files are copied in, the
# password store is created only when missing, and the data files a user made there are kept.
# <dist>/Orvelia-<version>-win64.zip holds the program files and a new password store only, laid
# out in a clean folder: unzipped anywhere writable, orvelia.exe starts with a double-click.
# The DLLs are those the programs and their plugins import, found with objdump: nothing more;
# every binary is stripped of its symbols.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
export WINDOWS_BUILD=$(cd "$1" && pwd)
linux_build=$(cd "$2" && pwd)
export QT_WINDOWS=$3
dist=$4

objdump=x86_64-w64-mingw32-objdump
strip=x86_64-w64-mingw32-strip
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
# Where a DLL the programs import may come from; anything else is the system's own.
dll_folders=("$QT_WINDOWS/bin" "$mingw_runtime" "$winpthread")

programs=(orvelia.exe orvelia-cli.exe)
# The plugins the program loads: the Windows platform, the native style, the SVG icons.
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll iconengines/qsvgicon.dll)
translations=(/usr/share/qt6/translations/qtbase_it.qm)
guide="$linux_build/src/Guida.pdf"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINDOWS_BUILD/CMakeCache.txt")

for f in "$guide" "${translations[@]}"; do
    [ -f "$f" ] || { echo "manca $f" >&2; exit 1; }
done

# Fills folder $1 with the program files (never the data files).
lay_out() {
    local to=$1
    mkdir -p "$to"
    for p in "${programs[@]}"; do
        "$strip" -o "$to/$p" "$WINDOWS_BUILD/src/$p"
    done
    for p in "${plugins[@]}"; do
        mkdir -p "$to/plugins/$(dirname "$p")"
        "$strip" --strip-unneeded -o "$to/plugins/$p" "$QT_WINDOWS/plugins/$p"
    done
    mkdir -p "$to/translations"
    cp "${translations[@]}" "$to/translations/"
    cp "$guide" "$to/Guida.pdf"
    # Qt looks for its plugins and translations beside the program.
    printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' >"$to/qt.conf"

    # The DLLs imported by the programs, the plugins and those DLLs themselves, found one by one.
    local queue=("${programs[@]/#/$to/}" "${plugins[@]/#/$to/plugins/}")
    local seen=" "
    while [ ${#queue[@]} -gt 0 ]; do
        local file=${queue[0]}
        queue=("${queue[@]:1}")
        local dll
        for dll in $("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
            case "$seen" in *" ${dll,,} "*) continue ;; esac
            seen+="${dll,,} "
            local folder
            for folder in "${dll_folders[@]}"; do
                if [ -f "$folder/$dll" ]; then
                    "$strip" --strip-unneeded -o "$to/$dll" "$folder/$dll"
                    queue+=("$to/$dll")
                    break
                fi
            done
        done
    done
}

# The program folder for this machine: the data files in it stay.
lay_out "$dist/Orvelia"

# The zip: a clean folder with the initial password store, written by the Windows setup step.
source "$repo/scripts/wine-env.sh"
wine_prepare
staging="$WINDOWS_BUILD/zip"
rm -rf "$staging"
lay_out "$staging/Orvelia"
wine "$WINDOWS_BUILD/src/orvelia-setup.exe" "$(wine_path "$staging/Orvelia")"
wine "$WINDOWS_BUILD/src/orvelia-setup.exe" "$(wine_path "$dist/Orvelia")"
[ -f "$staging/Orvelia/unins000.dll" ] || { echo "orvelia-setup.exe non ha scritto unins000.dll" >&2; exit 1; }

zip="$dist/Orvelia-$version-win64.zip"
rm -f "$zip"
(cd "$staging" && cmake -E tar cf "$zip" --format=zip Orvelia)
echo "Cartella del programma: $dist/Orvelia"
echo "Pacchetto: $zip ($(du -h "$zip" | cut -f1))"
