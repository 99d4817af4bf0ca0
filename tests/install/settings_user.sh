#!/usr/bin/env bash
# An installed copy run by a user who may not write its program folder: the designer reads
# "lmtool.ini" from that user's configuration folder, writes it back there when it ends, and
# leaves the program folder as it was. Runs as a test user when started as root (for root every
# folder is writable), else as the calling user with the installed tree made read-only.
# Usage: settings_user.sh BUILD_DIR CLOSE_PLUGIN
set -euo pipefail
build=$1
plugin=$2
cmake=${CMAKE_COMMAND:-cmake}
test_user=menuloom-test

work=$(mktemp -d)
created_user=
cleanup() {
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
    if [[ -n $created_user ]]; then
        userdel "$test_user" 2>/dev/null || true
    fi
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [[ $(id -u) -eq 0 ]]; then
    if ! id -u "$test_user" >/dev/null 2>&1; then
        if ! useradd --system --user-group --no-create-home --home-dir /nonexistent \
            --shell /usr/sbin/nologin "$test_user"; then
            echo "SKIP: running as root and the test user $test_user cannot be made"
            exit 77
        fi
        created_user=1
    fi
    user=$test_user
    run_as=(runuser -u "$user" --)
else
    user=$(id -un)
    run_as=()
fi

prefix=$work/prefix
prog=$prefix/lib/menuloom
home=$work/home
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
[[ -x $prog/menuloom && -e $prefix/bin/menuloom ]] || fail "no designer in $prefix"
mkdir -p "$work/plugins/generic" "$home/.config/menuloom" "$work/run" "$work/tmp"
cp "$plugin" "$work/plugins/generic/"
# Seeded with LF ends and a repeated entry: the file comes back CR LF ended and without the
# repeat only if the designer both read it and wrote it there.
printf '/srv/menus/shop.js\n/srv/menus/home & away.js\n/srv/menus/shop.js\n' \
    >"$home/.config/menuloom/lmtool.ini"
chmod 755 "$work"
chmod 700 "$work/run"
if [[ -n ${run_as[*]} ]]; then
    chmod -R go-w,a+rX "$prefix" "$work/plugins"
    chown -R "$user:" "$home" "$work/run" "$work/tmp"
else
    chmod -R a-w "$prefix"
fi
if "${run_as[@]}" test -w "$prog"; then
    fail "$user may write the program folder $prog"
fi

snapshot() { (cd "$prog" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)

status=0
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$home" USER="$user" LOGNAME="$user" \
    XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
    QT_PLUGIN_PATH="$work/plugins" QT_QPA_GENERIC_PLUGINS=menuloomclose \
    timeout 120 "$prefix/bin/menuloom" >"$work/log" 2>&1 || status=$?
if ((status != 0)); then
    cat "$work/log" >&2
    fail "the installed designer, run as $user, ended with status $status"
fi

ini=$home/.config/menuloom/lmtool.ini
cmp -s "$ini" <(printf '/srv/menus/shop.js\r\n/srv/menus/home & away.js\r\n') ||
    fail "$ini was not read and written back by the designer: $(od -c "$ini" | head -5)"
[[ $(stat -c %U "$ini") == "$user" ]] || fail "$ini does not belong to $user"
[[ ! -e $prog/lmtool.ini ]] || fail "lmtool.ini was written into the program folder"
[[ $(snapshot) == "$before" ]] || fail "the program folder changed: $(diff <(echo "$before") <(snapshot))"
echo "ok: $user's recent files live in ~/.config/menuloom/lmtool.ini; $prog untouched"
