#!/usr/bin/env bash
# Draws the calculator as the README shows it: the Qt window offscreen into
# docs/quimbel.png, and quimbel.exe under Wine, showing 4♥XX+2 and its
# score, into docs/quimbel-windows.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target quimbel_screenshot
QT_QPA_PLATFORM=offscreen build/default/qt/quimbel_screenshot docs/quimbel.png

cmake --preset windows >/dev/null
cmake --build --preset windows
prefix=build/windows/win32/tests/wineprefix
[ -d "$prefix" ] || scripts/wine.sh create "$prefix"
scripts/wine.sh test "$prefix" 96 build/windows/win32/quimbel_screenshot.exe \
  "Z:$PWD/build/windows/quimbel.bmp"
convert build/windows/quimbel.bmp docs/quimbel-windows.png
echo "docs/quimbel.png docs/quimbel-windows.png"
