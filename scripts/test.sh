#!/usr/bin/env bash
# Sets up, builds and runs every test headless: the sanitizer build, a
# bounded fuzz run (the calculation core given any line, and the engine driven
# by any keys, typing and clicks), the release build, the Windows exe under Wine, then the
# web page in Chromium, WebKit and Firefox (which also makes its zip).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake --workflow --preset asan
cmake --workflow --preset fuzz
cmake --workflow --preset default
cmake --workflow --preset windows
cmake --workflow --preset web
