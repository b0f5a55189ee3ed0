#!/usr/bin/env bash
# Runs the test suites of the Windows build under Wine, on the windows platform of a virtual X
# screen (Wine's offscreen platform never returns from its event loop), then the interoperability
# check: one folder written through the windows by each build, compared byte for byte, and each
# build opening the other's; last, the zip is made and its programs started from it.
#
# Usage: scripts/test-windows.sh <windows build> <host build> <qt for windows>
# The host build gives orvelia_interop and the guide, Guida.pdf.
# Each test executable runs once for all its tests: a process start under Wine costs seconds.
# The whole output of each suite is kept in <windows build>/test-logs/.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
export WINDOWS_BUILD=$(cd "$1" && pwd)
HOST_BUILD=$(cd "$2" && pwd)
export QT_WINDOWS=$3

# One virtual screen for the whole run.
if [ -z "${ORVELIA_ON_XVFB:-}" ]; then
    export ORVELIA_ON_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24" bash "$0" "$@"
fi

source "$repo/scripts/wine-env.sh"
wine_prepare
# One Wine server for all the programs of the run, gone when the run ends.
wineserver --persistent=60
trap 'wineserver --kill >/dev/null 2>&1 || true' EXIT

logs="$WINDOWS_BUILD/test-logs"
rm -rf "$logs"
mkdir -p "$logs"
failed=()

# Runs one test executable under Wine; its summary is shown, its whole output kept.
run_suite() {
    local name=$1
    shift
    local started=$SECONDS
    local code=0
    (cd "$WINDOWS_BUILD/tests" && timeout 900 wine "$@") >"$logs/$name.log" 2>&1 || code=$?
    echo "== $name ($((SECONDS - started)) s, uscita $code)"
    grep -E '^\[  (PASSED|FAILED|SKIPPED) |^\[==========\] [0-9]+ tests' "$logs/$name.log" || true
    if [ "$code" -ne 0 ]; then
        grep -B3 -A12 -E 'Failure|FAILED|error' "$logs/$name.log" | head -n 200 || true
        failed+=("$name")
    fi
}

run_suite core_tests core_tests.exe
run_suite cli_tests cli_tests.exe
run_suite ui_tests ui_tests.exe -platform windows

# Interoperability: the Linux and the Windows build write the same folder through their windows.
interop="$WINDOWS_BUILD/interop"
rm -rf "$interop"
mkdir -p "$interop"
host_interop="$HOST_BUILD/tests/orvelia_interop"
interop_step() {
    local what=$1
    shift
    local code=0
    "$@" >>"$logs/interop.log" 2>&1 || code=$?
    if [ "$code" -eq 0 ]; then
        echo "   ok: $what"
    else
        echo "   NON RIUSCITO: $what (uscita $code)"
        failed+=("interop: $what")
    fi
}
echo "== interop"
export ASAN_OPTIONS=detect_leaks=0
interop_step "Linux scrive" env QT_QPA_PLATFORM=offscreen "$host_interop" scrivi "$interop/linux"
interop_step "Windows scrive" wine "$WINDOWS_BUILD/tests/orvelia_interop.exe" -platform windows \
    scrivi "$(wine_path "$interop/windows")"
if diff -r "$interop/linux" "$interop/windows" >>"$logs/interop.log" 2>&1; then
    echo "   ok: le due cartelle sono uguali byte per byte ($(find "$interop/linux" -type f | wc -l) file)"
else
    echo "   NON RIUSCITO: le due cartelle differiscono"
    diff -r "$interop/linux" "$interop/windows" || true
    failed+=("interop: bytes")
fi
interop_step "Windows apre la cartella di Linux" wine "$WINDOWS_BUILD/tests/orvelia_interop.exe" \
    -platform windows controlla "$(wine_path "$interop/linux")"
interop_step "Linux apre la cartella di Windows" env QT_QPA_PLATFORM=offscreen "$host_interop" \
    controlla "$interop/windows"

# The zip as a user gets it: unzipped into a folder whose name has an accent and a blank, with no
# Qt or MinGW on the path, the programs start from it and find their folder by themselves.
echo "== pacchetto"
package="$WINDOWS_BUILD/package-test"
rm -rf "$package"
zip_log="$logs/package.log"
if bash "$repo/scripts/windows-dist.sh" "$WINDOWS_BUILD" "$HOST_BUILD" "$QT_WINDOWS" "$package/dist" >"$zip_log" 2>&1; then
    unpacked="$package/Chiavetta USB/Città"
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$package"/dist/Orvelia-*-win64.zip)
    echo "   ok: $(tail -n1 "$zip_log")"
    cli_out=$(cd "$package" && WINEPATH= wine "$unpacked/Orvelia/orvelia-cli.exe" verifica 2>&1) && cli_code=0 || cli_code=$?
    if [ "$cli_code" -eq 0 ] && grep -q "Nessun archivio nella cartella .*Citt" <<<"$cli_out"; then
        echo "   ok: orvelia-cli.exe parte dalla cartella estratta e la riconosce"
    else
        echo "   NON RIUSCITO: orvelia-cli.exe (uscita $cli_code): $cli_out"
        failed+=("pacchetto: orvelia-cli")
    fi
    (cd "$unpacked/Orvelia" && WINEPATH= exec wine orvelia.exe) >>"$zip_log" 2>&1 &
    program=$!
    sleep 10
    if kill -0 "$program" 2>/dev/null; then
        echo "   ok: orvelia.exe è partito e attende la password"
    else
        echo "   NON RIUSCITO: orvelia.exe è terminato subito"
        failed+=("pacchetto: orvelia.exe")
    fi
    wineserver --kill >/dev/null 2>&1 || true
    wait "$program" 2>/dev/null || true
else
    echo "   NON RIUSCITO: il pacchetto non è stato creato"
    cat "$zip_log"
    failed+=("pacchetto")
fi

if [ ${#failed[@]} -ne 0 ]; then
    echo "Test della versione Windows non riusciti: ${failed[*]} (registri in $logs)"
    exit 1
fi
echo "Tutti i test della versione Windows sono riusciti."
