#!/usr/bin/env bash
# Runs orvane with no display: --help and --version print and end, an unknown option, alone or
# after Qt's own ones, prints the usage on standard error and ends with 2, and none of them leaves a
# settings file.
# Usage: orvane_options_test.sh ORVANE VERSION
set -euo pipefail
orvane="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/run"
cd "$work/run"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() {
    echo "FAIL: $*"
    exit 1
}

"$orvane" --help >"$work/out" 2>"$work/err" || fail "--help ended with $?"
grep -q '^Usage: orvane' "$work/out" || fail "--help printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--help wrote to standard error: $(cat "$work/err")"

[ "$("$orvane" --version)" = "orvane $version" ] || fail "--version printed: $("$orvane" --version)"

for arguments in "-V" "-platform offscreen -style=fusion --bogus" "--platform offscreen --bogus"; do
    read -r -a words <<<"$arguments"
    status=0
    "$orvane" "${words[@]}" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] || fail "$arguments ended with $status"
    grep -q "unknown option ${words[-1]}" "$work/err" && grep -q '^Usage: orvane' "$work/err" ||
        fail "$arguments printed: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$arguments wrote to standard output: $(cat "$work/out")"
done

[ -z "$(ls -A)" ] || fail "left in the working folder: $(ls -A)"
