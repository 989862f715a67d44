#!/usr/bin/env bash
# Draws the real calculator window offscreen into docs/quimbel.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quimbel_screenshot
QT_QPA_PLATFORM=offscreen build/default/app/quimbel_screenshot docs/quimbel.png
echo "docs/quimbel.png"
