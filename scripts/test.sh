#!/usr/bin/env bash
# Installs what is missing, builds the given preset (release by default) and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
scripts/install-deps.sh "$preset"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
