#!/usr/bin/env bash
# Builds the tool and starts it against the simulated reader. The demo keeps its own settings file in
# demo/, pointed at the simulator's port; stop the tool to stop both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
mkdir -p demo
port="$PWD/demo/ttyREADER"
build/release/tools/reader-sim/orvane-reader-sim --link "$port" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done
tool=build/release/src/orvane
if [ ! -x "$tool" ]; then
    echo "Simulated reader serving $port (press Ctrl+C to stop)"
    wait $sim
    exit 0
fi
if [ ! -f demo/Orvane.ini ]; then
    printf '[Interface]\nPort=%s\nBaudrate=115200\n' "$port" > demo/Orvane.ini
fi
cd demo
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the tool on a virtual display (xvfb-run)."
    xvfb-run -a "../$tool"
else
    "../$tool"
fi
