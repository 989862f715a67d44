#!/usr/bin/env bash
# Sets up and builds the web page, then serves it on 127.0.0.1 and prints the
# address to open (port 8000, or the one given).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web
exec node tools/web/serve.mjs build/web/web/site "${1:-8000}"
