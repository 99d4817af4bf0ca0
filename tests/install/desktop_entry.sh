#!/usr/bin/env bash
# The desktop entry: accepted by desktop-file-validate without errors or warnings, and offered
# for the JavaScript data files by the desktop's MIME cache.
# Usage: desktop_entry.sh DESKTOP_FILE
set -euo pipefail
entry=$1
if ! command -v desktop-file-validate >/dev/null; then
    echo "FAIL: desktop-file-validate is missing: install desktop-file-utils (bash scripts/deps.sh)" >&2
    exit 1
fi
report=$(desktop-file-validate "$entry" 2>&1) || {
    echo "FAIL: desktop-file-validate rejects $entry:" >&2
    echo "$report" >&2
    exit 1
}
if grep -Eq 'error|warning' <<<"$report"; then
    echo "FAIL: desktop-file-validate warns about $entry:" >&2
    echo "$report" >&2
    exit 1
fi
[[ -z $report ]] || echo "$report"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$entry" "$work/"
update-desktop-database "$work"
grep -q '^application/javascript=.*menuloom\.desktop' "$work/mimeinfo.cache" || {
    echo "FAIL: the entry is not offered for application/javascript:" >&2
    cat "$work/mimeinfo.cache" >&2
    exit 1
}
echo "ok: $entry"
