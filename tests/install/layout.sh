#!/usr/bin/env bash
# The installed tree: the program folder with engine, help and examples, the links on the PATH,
# the desktop entry, the icon and the manual page, nothing else; and the command-line tool run
# through its link, from elsewhere, finding the engine beside the real program.
# Usage: layout.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
src=$2
cmake=${CMAKE_COMMAND:-cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
prog=lib/menuloom
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

errors=0
fail() {
    echo "FAIL: $*" >&2
    errors=$((errors + 1))
}
same() { cmp -s "$1" "$2" || fail "$2 differs from $1"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
gui=
[[ -x $build/menuloom ]] && gui=1

# Every file the install should hold, and only those.
help_files=$(cd "$src/help" && find . -type f \( -name '*.html' -o -name '*.png' -o -name '*.svg' \
    -o -name '*.css' \) -printf "$prog/help/%P\n")
example_files=$(cd "$src/examples" && find . -mindepth 2 -type f ! -name zelmenu.js ! -name '.*' \
    -printf '%P\n')
[[ -n $example_files ]] || fail "no examples in $src/examples"
{
    echo "$prog/menuloom-cli"
    echo "$prog/zelmenu.js"
    echo "bin/menuloom-cli"
    echo "share/man/man1/menuloom-cli.1"
    echo "$help_files"
    sed "s|^|$prog/examples/|" <<<"$example_files"
    if [[ -n $gui ]]; then
        echo "$prog/menuloom"
        echo "bin/menuloom"
        echo "share/applications/menuloom.desktop"
        echo "share/icons/hicolor/scalable/apps/menuloom.svg"
    fi
} | sort >"$work/expected"
(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | sort) >"$work/installed"
if ! cmp -s "$work/expected" "$work/installed"; then
    fail "install tree differs from the expected layout (< missing, > unexpected):"
    diff "$work/expected" "$work/installed" | grep '^[<>]' >&2 || true
fi

# The links: relative, and resolving to the programs in the program folder.
for program in menuloom-cli ${gui:+menuloom}; do
    link=$prefix/bin/$program
    target=$(readlink "$link" || true)
    [[ -n $target && $target != /* ]] || fail "bin/$program is not a relative link ($target)"
    [[ $(readlink -f "$link") == "$(readlink -f "$prefix/$prog/$program")" ]] ||
        fail "bin/$program does not lead to $prog/$program"
    [[ -x $prefix/$prog/$program ]] || fail "$prog/$program is not executable"
done

same "$build/zelmenu.js" "$prefix/$prog/zelmenu.js"
while read -r file; do
    same "$src/examples/$file" "$prefix/$prog/examples/$file"
done <<<"$example_files"
if [[ -n $gui ]]; then
    same "$src/src/app/resources/menuloom.svg" "$prefix/share/icons/hicolor/scalable/apps/menuloom.svg"
    same "$src/packaging/menuloom.desktop" "$prefix/share/applications/menuloom.desktop"
    # What the entry starts and shows is what the install provides.
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/menuloom.desktop")
    icon=$(sed -n 's/^Icon=//p' "$prefix/share/applications/menuloom.desktop")
    [[ -x $prefix/bin/$exec_program ]] || fail "the desktop entry starts '$exec_program', not in bin/"
    [[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
        fail "the desktop entry's icon '$icon' is not installed"
fi

# The tool on the PATH, started from an unrelated folder.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
export PATH=$prefix/bin:$PATH
out=$(menuloom-cli --version) || fail "menuloom-cli --version failed"
[[ $out == "menuloom-cli (Menuloom) $version" ]] || fail "menuloom-cli --version printed '$out'"
for dir in "$prefix/$prog"/examples/*/; do
    name=$(basename "$dir")
    mkdir "site-$name"
    if ! menuloom-cli export "$dir/zel_data.js" "site-$name" 2>"$work/err"; then
        fail "menuloom-cli export of the installed example $name failed: $(cat "$work/err")"
        continue
    fi
    [[ ! -s $work/err ]] || fail "menuloom-cli export of $name warned: $(cat "$work/err")"
    same "$prefix/$prog/zelmenu.js" "site-$name/zelmenu.js"
done

# The manual page: clean roff, this version, and every command the tool lists.
man=$prefix/share/man/man1/menuloom-cli.1
warnings=$(groff -man -ww -z "$man" 2>&1) || fail "groff failed on the manual page"
[[ -z $warnings ]] || fail "the manual page has roff warnings: $warnings"
grep -q "^\.TH MENULOOM-CLI 1 .*\"Menuloom $version\"" "$man" || fail "the manual page is not of $version"
commands=$(menuloom-cli --help | sed -n '/^Commands:/,/^$/{s/^  \([a-z][a-z-]*\) .*/\1/p}')
[[ -n $commands ]] || fail "no commands found in menuloom-cli --help"
for command in $commands; do
    grep -Eq "^\.B[IR]? \"?$command( |\"|$)" "$man" || fail "the manual page does not describe '$command'"
done

((errors == 0)) || exit 1
echo "ok: install layout under $prefix"
