#!/usr/bin/env bash
# Start-up benchmark: time to first mapped window and peak memory once idle,
# for the calculator, a bare Qt window with the same controls, and xcalc,
# interleaved, median of RUNS (default 31) runs each, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-31}

bash scripts/setup.sh libx11-dev x11-apps
cmake --preset default >/dev/null
cmake --build --preset default --target quimbel bare_window window_timer >/dev/null
unset QT_QPA_PLATFORM
# The X server on one core, the measured programs on the other.
exec taskset -c 0 xvfb-run -a -s "-screen 0 1024x768x24" bash bench/measure.sh "$runs"
