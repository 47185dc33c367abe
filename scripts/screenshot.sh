#!/usr/bin/env bash
# Takes the README picture of the main window (docs/screenshot.png): the real window, talking to the
# simulated reader, on a virtual X display. The same program checks the window's colours in CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target window_screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x1024x24" build/release/tests/window_screenshot docs/screenshot.png
echo "Saved docs/screenshot.png"
