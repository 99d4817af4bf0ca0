#!/usr/bin/env bash
# The Debian package `cpack -G DEB` makes: its control fields, dependencies found from the
# programs' libraries, exactly the files of the install tree under /usr, and a tool that runs
# from the unpacked package. Nothing is installed into the system.
# Usage: deb_package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
cmake=${CMAKE_COMMAND:-cmake}
cpack=${CPACK_COMMAND:-cpack}
for tool in dpkg-deb dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing: bash scripts/deps.sh installs it" >&2
        exit 1
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
errors=0
fail() {
    echo "FAIL: $*" >&2
    errors=$((errors + 1))
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/log" 2>&1; then
    cat "$work/log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi
debs=("$work"/out/menuloom_*.deb)
if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
    echo "FAIL: no single menuloom_*.deb in the cpack output: $(ls "$work/out")" >&2
    exit 1
fi
deb=${debs[0]}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == menuloom ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Section) == web ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
description=$(field Description)
[[ $(head -1 <<<"$description") =~ [a-z] && $(wc -l <<<"$description") -gt 1 ]] ||
    fail "Description lacks a summary or a long text: '$description'"
[[ $(basename "$deb") == "menuloom_${version}_$(field Architecture).deb" ]] ||
    fail "file name $(basename "$deb")"
# The dependencies come from the libraries the programs link, not from a hand-kept list.
depends=$(field Depends)
expected=(libc6 libstdc++6 libgumbo1 libxml2)
[[ -x $build/menuloom ]] && expected+=(libqt6webenginewidgets6 libqt6widgets6 libqt6svg6)
for package in "${expected[@]}"; do
    [[ ", $depends," == *", $package "* ]] || fail "Depends lacks $package: $depends"
done

# The package holds the install tree as it is laid out under /usr, links included.
"$cmake" --install "$build" --prefix "$work/tree/usr" >/dev/null
list() { (cd "$1" && find . -mindepth 1 \( -type f -o -type l \) -printf '%P %l\n' | sort); }
dpkg-deb -x "$deb" "$work/unpacked"
if ! diff <(list "$work/tree") <(list "$work/unpacked") >"$work/diff"; then
    fail "the package's files differ from the install tree (< install, > package):"
    grep '^[<>]' "$work/diff" >&2 || true
fi
if dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./(usr/|$)' | grep -q .; then
    fail "files outside /usr: $(dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./(usr/|$)')"
fi
[[ $(file -b "$work/unpacked/usr/lib/menuloom/menuloom-cli") == *", stripped"* ]] ||
    fail "menuloom-cli in the package is not stripped"

out=$("$work/unpacked/usr/bin/menuloom-cli" --version) || fail "the packaged menuloom-cli does not run"
[[ $out == "menuloom-cli (Menuloom) $version" ]] || fail "the packaged menuloom-cli printed '$out'"

((errors == 0)) || exit 1
echo "ok: $(basename "$deb"), Depends: $depends"
