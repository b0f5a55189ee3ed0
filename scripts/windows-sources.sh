# Sourced by the scripts that build the Windows libraries: where their sources come from.
#   shared               the folder beside the repository with what the package registries do not
#                        serve (../shared/windows, or $ORVELIA_SHARED_WINDOWS); a clone made
#                        elsewhere on this machine finds the workplace's own
#   debian_source P DIR  downloads Debian's source package P into DIR, adding a deb-src entry for
#                        the suite of this machine first when there is none
shared=${ORVELIA_SHARED_WINDOWS:-$repo/../shared/windows}
if [ ! -d "$shared" ] && [ -d /work/shared/windows ]; then
    shared=/work/shared/windows
fi

debian_source() {
    local package=$1 into=$2 sudo_cmd=() suite uris
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    if ! apt-get source --download-only --print-uris "$package" >/dev/null 2>&1; then
        suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
        uris=$(grep -hs -m1 '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' || true)
        uris=${uris:-http://deb.debian.org/debian}
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$uris" "$suite" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/orvelia-deb-src.sources >/dev/null
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    (cd "$into" && apt-get source --download-only "$package" >"$into/apt-source.log" 2>&1) ||
        { cat "$into/apt-source.log" >&2; return 1; }
}
