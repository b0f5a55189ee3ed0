#!/usr/bin/env bash
# The house rules a compiler does not check (make lint):
#   1. every source file is in the house format (.clang-format);
#   2. the layers include downwards only: core <- framework <- windows <- the programs;
#   3. between the folders of src/windows only a caller includes a tool window it opens;
#      windows/common knows no subsystem, and only windows/app (the composition root) includes
#      navigation windows of other folders;
#   4. no tool window casts its caller to a window class or finds a window by its class name;
#   5. every colour is in the theme (src/framework/theme.h);
#   6. clang-tidy (.clang-tidy) finds nothing in the files changed since LINT_BASE (default: the
#      last commit), when a build folder with compile_commands.json is given.
# Usage: scripts/lint.sh [build-folder]
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-}"
failures=0

fail() {
    echo "lint: $*" >&2
    failures=$((failures + 1))
}

# The #include "..." lines of a file, one path each.
includes_of() {
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"
}

# 1. Format.
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}" 2>/tmp/lint-format.$$; then
    grep -E '^[^ ].*: (warning|error):' /tmp/lint-format.$$ | cut -d: -f1 | sort -u |
        while read -r file; do echo "lint: $file is not in the house format (make format)" >&2; done
    failures=$((failures + 1))
fi
rm -f /tmp/lint-format.$$

# 2. Layers.
layer_rule() { # folder, pattern of forbidden includes, what the layer is
    local folder="$1" forbidden="$2" what="$3" file inc
    while read -r file; do
        while read -r inc; do
            [[ "$inc" =~ $forbidden ]] && fail "$file includes $inc: $what"
        done < <(includes_of "$file")
    done < <(git ls-files "$folder/*.cpp" "$folder/*.h")
}
layer_rule src/core '^(framework|windows|cli|help|setup)/' "the core knows nothing above it"
layer_rule src/cli '^(framework|windows|help|setup)/' "the command-line tool runs on the core alone"
layer_rule src/framework '^(windows|cli|help|setup)/' "the framework knows no window"

# 3. Window folders. A header of another subsystem folder may be included only by a .cpp file,
# and only if it declares a tool window; windows/app may include any window.
is_tool_header() { # a window of one of the families of windows/common other than the navigation windows
    grep -qE 'class [A-Za-z]+ : public [A-Za-z]+Window\b' "src/$1" &&
        ! grep -qE 'class [A-Za-z]+ : public NavigationWindow\b' "src/$1"
}
while read -r file; do
    folder=$(echo "$file" | cut -d/ -f3)
    while read -r inc; do
        [[ "$inc" =~ ^windows/([a-z]+)/ ]] || continue
        target="${BASH_REMATCH[1]}"
        [ "$target" = "$folder" ] && continue
        if [ "$folder" = common ]; then
            [ "$target" = common ] || fail "$file includes $inc: the shared window families know no subsystem"
            continue
        fi
        [ "$target" = common ] && continue
        [ "$folder" = app ] && continue
        if [[ "$file" == *.h ]]; then
            fail "$file includes $inc: a window header includes no window of another folder"
        elif ! is_tool_header "$inc"; then
            fail "$file includes $inc: between window folders a caller includes only a tool window it opens"
        fi
    done < <(includes_of "$file")
done < <(git ls-files 'src/windows/*.cpp' 'src/windows/*.h')

# 4. One-way traffic.
while IFS= read -r hit; do
    fail "$hit: a window is reached through what it is for, not through its class"
done < <(git grep -nE 'qobject_cast<\s*Tfrm|dynamic_cast<\s*Tfrm|(findChild|findChildren|inherits)\s*[<(][^;]*"Tfrm|className\(\)\s*==' -- src)

# 5. Colours. Named colours (Qt::transparent aside) and colour values live in the theme.
while IFS= read -r hit; do
    fail "$hit: colours come from the theme (src/framework/theme.h)"
done < <(git grep -nE 'QColor\s*[A-Za-z_]*\s*[({]\s*(0x|[0-9])|QColor::from(Rgb|Hsv|Cmyk)|qRgba?\(|#[0-9A-Fa-f]{6}\b|Qt::(white|black|red|green|blue|cyan|magenta|yellow|gray|darkGray|lightGray|darkRed|darkGreen|darkBlue)\b' \
    -- 'src/*.cpp' 'src/*.h' ':!src/framework/theme.h' ':!src/framework/theme.cpp')

# 6. clang-tidy on what changed.
if [ -n "$build_dir" ]; then
    if [ ! -f "$build_dir/compile_commands.json" ]; then
        fail "$build_dir/compile_commands.json is missing: configure the build first"
    else
        base="${LINT_BASE:-HEAD~1}"
        git rev-parse -q --verify "$base^{commit}" >/dev/null || base=$(git rev-list --max-parents=0 HEAD)
        mapfile -t changed < <(git diff --name-only --diff-filter=d "$base" -- 'src/*.cpp' |
                                   grep -vE '_windows\.cpp$')
        if [ ${#changed[@]} -gt 0 ]; then
            echo "clang-tidy: ${#changed[@]} file(s) changed since $base"
            if ! printf '%s\n' "${changed[@]}" |
                    xargs -P "$(nproc)" -n 1 clang-tidy -p "$build_dir" --quiet --warnings-as-errors='*' \
                        2>/dev/null; then
                fail "clang-tidy found something (above)"
            fi
        fi
    fi
fi

if [ "$failures" -gt 0 ]; then
    echo "lint: $failures problem(s)" >&2
    exit 1
fi
echo "lint: ok"
