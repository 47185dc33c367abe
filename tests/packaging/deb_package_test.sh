#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks the files it installs, its dependency
# line, and that its desktop entry, metadata and manual pages validate.
# Usage: deb_package_test.sh BUILD_DIR EXPECTED_FILE_LIST "PACKAGE..."
set -euo pipefail
build="$1"
expected_files="$2"
read -r -a required_packages <<<"$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/orvane_*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || fail "no package in $(ls "$work")"

diff -u "$expected_files" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort) ||
    fail "the package's files differ from $expected_files"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in "${required_packages[@]}"; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "the metadata does not validate: $(appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*)"
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
    warnings="$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
