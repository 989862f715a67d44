#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and package
# QUIMBEL, plus any packages named as arguments, and the web page's test
# tools and the QR code library it bundles from package-lock.json. Does nothing (quickly) when everything is
# already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang-14 libclang-rt-14-dev clang-format
  qt6-base-dev fonts-dejavu-core
  xvfb xauth python3
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
  dpkg-dev file desktop-file-utils lintian devscripts appstream
  emscripten node-terser chromium webkit2gtk-driver firefox-esr
  "$@"
)
# npm may come with Node.js itself rather than as Debian's own package.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser is Debian's: no npm package may download one.
if ! cmp -s package-lock.json node_modules/.quimbel-lock 2>/dev/null; then
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
  cp package-lock.json node_modules/.quimbel-lock
fi
