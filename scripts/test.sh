#!/usr/bin/env bash
# Sets up, builds and runs every test headless: the sanitizer build, a bounded
# fuzz run over the calculation core, the release build, then the Windows exe
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake --workflow --preset asan
cmake --workflow --preset fuzz
cmake --workflow --preset default
cmake --workflow --preset windows
