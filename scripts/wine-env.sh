# Sourced by the scripts of the Windows build: the Wine prefix the Windows programs run in.
# Needs WINDOWS_BUILD (the cross build folder) and QT_WINDOWS (the Qt for Windows).
#
# The prefix lives in the build folder and is made once: Wine's first start, the same metric
# stand-ins for Courier New, Arial and Verdana the Linux build uses (Liberation, DejaVu), and a
# virtual desktop, on which windows open, maximise and close at once, as on Windows, without an X
# window manager. The Qt and MinGW runtime DLLs are found through WINEPATH.

export WINEPREFIX=${WINEPREFIX:-$WINDOWS_BUILD/wine}
export WINEARCH=win64
export WINEDEBUG=-all
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$QT_WINDOWS/bin;$mingw_runtime;$winpthread"

wine_prepare() {
    if [ -f "$WINEPREFIX/.orvelia-ready" ]; then
        return 0
    fi
    echo "Preparazione del prefisso Wine in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/fonts/truetype/liberation/Liberation{Mono,Sans}-*.ttf "$fonts"/
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$fonts"/
    local desktop
    desktop=$(mktemp "${TMPDIR:-/tmp}/orvelia-desktop-XXXXXX.reg")
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1920x1080"\n' >"$desktop"
    wine regedit "$desktop" >/dev/null 2>&1
    wineserver --wait
    rm -f "$desktop"
    touch "$WINEPREFIX/.orvelia-ready"
}

# The Windows form of a path of this machine (Z:\...).
wine_path() {
    winepath -w "$1" 2>/dev/null
}
