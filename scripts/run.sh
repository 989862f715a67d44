#!/usr/bin/env bash
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quimbel

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "QUIMBEL needs a graphical display and none was found; run it under a virtual one with: xvfb-run build/default/qt/quimbel" >&2
  exit 1
fi
exec build/default/qt/quimbel
