#!/usr/bin/env bash
# Sets up, builds and runs every test headless: the sanitizer build, a bounded
# fuzz run over the calculation core, then the release build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake --workflow --preset asan
cmake --workflow --preset fuzz
cmake --workflow --preset default
