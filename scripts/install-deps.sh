#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; with "fuzz" also the
# compiler of the fuzz targets. Safe to run again.
# Usage: install-deps.sh [release|asan|tsan|fuzz]
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
    xvfb xauth xdotool fonts-dejavu-core fonts-urw-base35
    ser2net # the serial port server the network port tests run
    file dpkg-dev desktop-file-utils appstream groff-base lintian) # the Debian package and its checks
[ "${1:-}" != fuzz ] || packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps.sh: installing ${missing[*]} needs root, and sudo is not installed;" \
            "run it as root: su -c '$0 $*'" >&2
        exit 1
    fi
    sudo="sudo"
fi
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
