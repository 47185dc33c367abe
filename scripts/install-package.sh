#!/usr/bin/env bash
# Builds the release, packs it as a Debian package and installs that package with what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target orvane_package
rm -f build/release/orvane_*.deb
(cd build/release && cpack -G DEB)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get install -y ./build/release/orvane_*.deb
