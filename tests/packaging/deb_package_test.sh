#!/usr/bin/env bash
# Builds the Debian package in a fresh tree with only the install script's build step and checks
# the files it installs, its dependency line, lintian's verdict, that its desktop entry, metadata
# and manual pages validate, and that each manual page lists its program's options.
# The fresh tree is BUILD_DIR-package, beside BUILD_DIR, so that a compiler cache finds the objects
# of BUILD_DIR under the same relative paths.
# Usage: deb_package_test.sh SOURCE_DIR BUILD_DIR EXPECTED_FILE_LIST "PACKAGE..." [LAUNCHER]
set -euo pipefail
source_dir="$1"
tree="$2-package"
expected_files="$3"
read -r -a required_packages <<<"$4"
launcher="${5:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work" "$tree"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

target="$(grep -oP -- '--target \K\S+' "$source_dir/scripts/install-package.sh")" ||
    fail "scripts/install-package.sh builds no target"
rm -rf "$tree"
cmake -S "$source_dir" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DORVANE_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
    >"$work/build.log" 2>&1 && cmake --build "$tree" --target "$target" >>"$work/build.log" 2>&1 ||
    fail "building $target: $(tail -20 "$work/build.log")"
cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/orvane_*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || fail "no package in $(ls "$work")"

diff -u "$expected_files" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort) ||
    fail "the package's files differ from $expected_files"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in "${required_packages[@]}"; do
    count="$(grep -Eo "(^|, )$package( |,|$)" <<<"$depends" | wc -l)"
    [ "$count" -eq 1 ] || fail "Depends names $package $count times: $depends"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
        fail "lintian: $(cat "$work/lintian.log")"
fi

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop ||
    fail "the desktop entry does not validate"
# Clean: not even a pedantic remark.
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.metainfo.xml \
    >"$work/appstream.log" 2>&1 && ! grep -q '^[A-Z]: ' "$work/appstream.log" ||
    fail "the metadata does not validate cleanly: $(cat "$work/appstream.log")"
# Option names as they appear in a text: -h, --help, --silent-page, -platform.
option_names() {
    grep -oE -- '(^|[[:space:][,(|])--?[a-z][a-z0-9-]*' | grep -oE -- '--?[a-z][a-z0-9-]*' |
        LC_ALL=C sort -u
}
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
    warnings="$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    program="$(basename "$page" .1.gz)"
    help_text="$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/$program" --help)"
    manual_text="$(zcat "$page" | groff -man -rLL=200n -rHY=0 -Tascii -P-cbou 2>/dev/null)"
    diff -u <(option_names <<<"$help_text") <(option_names <<<"$manual_text") ||
        fail "the options in $(basename "$page") differ from $program --help"
done
