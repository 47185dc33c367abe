#!/usr/bin/env bash
# Takes the README picture of the main window (docs/screenshot.png): the real tool, talking to the
# simulated reader, on a virtual X display, grabbed from the screen during the operator's session
# that CTest runs as window_on_screen_under_xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tool_on_x_server_test
mkdir -p docs
WINDOW_PICTURE="$PWD/docs/screenshot.png" xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/release/tests/tool_on_x_server_test --gtest_filter='*OperatorSession*'
echo "Saved docs/screenshot.png"
