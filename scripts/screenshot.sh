#!/usr/bin/env bash
# Draws the calculator as the README shows it: the Qt window offscreen into
# docs/quimbel.png, quimbel.exe under Wine, showing 4♥XX+2 and its score,
# into docs/quimbel-windows.png, and the web page at a phone's size, showing
# the same, in light and dark mode, into docs/quimbel-web.png and
# docs/quimbel-web-dark.png, the match screen into docs/quimbel-match.png and
# docs/quimbel-match-dark.png, the pairs screen, and a card sent and received
# into docs/quimbel-card-sent.png and docs/quimbel-card-received.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target quimbel_screenshot
QT_QPA_PLATFORM=offscreen build/default/tools/qt/quimbel_screenshot docs/quimbel.png

cmake --preset windows >/dev/null
cmake --build --preset windows
prefix=build/windows/win32/tests/wineprefix
[ -d "$prefix" ] || scripts/wine.sh create "$prefix"
scripts/wine.sh test "$prefix" 96 build/windows/tools/win32/quimbel_screenshot.exe \
  "Z:$PWD/build/windows/quimbel.bmp"
convert build/windows/quimbel.bmp docs/quimbel-windows.png

cmake --preset web >/dev/null
cmake --build --preset web
QUIMBEL_SITE=build/web/web/site node tools/web/screenshot.mjs docs/quimbel-web.png docs/quimbel-web-dark.png \
  docs/quimbel-match.png docs/quimbel-match-dark.png docs/quimbel-pairs.png docs/quimbel-pairs-dark.png \
  docs/quimbel-card-sent.png docs/quimbel-card-received.png
echo "docs/quimbel.png docs/quimbel-windows.png docs/quimbel-web.png docs/quimbel-web-dark.png docs/quimbel-match.png docs/quimbel-match-dark.png docs/quimbel-pairs.png docs/quimbel-pairs-dark.png docs/quimbel-card-sent.png docs/quimbel-card-received.png"
